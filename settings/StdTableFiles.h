// Button table files through the standard library: a new file is written next to the old
// one and renamed over it when complete. The Windows program uses TWinTableFiles instead.
#pragma once

#include "settings/TableFiles.h"

class TStdTableFiles : public TTableFiles {
public:
    std::unique_ptr<TTableFileSource> OpenForReading(const std::string& path) override;
    std::unique_ptr<TTableFileTarget> CreateForWriting(const std::string& path) override;
};
