// The data directory rule answered by the running system.
#pragma once

#include "app/DataDirectory.h"

class TSystemDataDirectorySources : public TDataDirectorySources {
public:
    std::string FileVersion() override;
    std::optional<std::string> CommonDocumentsFolder() override;
    std::string UserFilesPath(const std::string& key) override;
    std::string ProgramFolder() override;
    bool DirectoryExists(const std::string& path) override;
};

// Sets DataDirectory from the shell, the registry value or the program's folder.
void ResolveDataDirectory();
