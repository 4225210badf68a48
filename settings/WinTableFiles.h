// Button table files through the system's file functions: a new file is written in the
// same folder and moved over the old one only when complete.
#pragma once

#include <string>

#include "settings/ButtonTable.h"
#include "settings/TableFiles.h"

class TWinTableFiles : public TTableFiles {
public:
    std::unique_ptr<TTableFileSource> OpenForReading(const std::string& path) override;
    std::unique_ptr<TTableFileTarget> CreateForWriting(const std::string& path) override;
};

// SaveTableFile and LoadTableFile of "settings/ButtonTableFile.h" on the system's files.
void SaveTableFile(const TButtonTable& table, const std::string& path);
void LoadTableFile(TButtonTable& table, const std::string& path);
