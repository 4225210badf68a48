// An INI file through the system's private profile functions.
#pragma once

#include <string>

#include "settings/IniStore.h"

class TWinIniFile : public TIniStore {
public:
    explicit TWinIniFile(std::string path) : path_(std::move(path)) {}
    std::string FileName() const override { return path_; }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
    void Flush() override;

private:
    std::string path_;
};
