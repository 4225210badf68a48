// Where the settings file and the button table file live.
#pragma once

#include <optional>
#include <string>

// What the rule asks of the system. The Win32 side answers from the shell, the registry,
// the file system and the program's own version record; tests answer from a table.
class TDataDirectorySources {
public:
    virtual ~TDataDirectorySources() = default;
    // The program's "FileVersion" string, or empty when the version record cannot be read.
    virtual std::string FileVersion() = 0;
    // The common documents folder, or nothing when the shell call fails.
    virtual std::optional<std::string> CommonDocumentsFolder() = 0;
    // The string value "UserFilesPath" under HKEY_LOCAL_MACHINE\<key>; empty when missing.
    virtual std::string UserFilesPath(const std::string& key) = 0;
    // Folder of the program's executable file, with its trailing backslash.
    virtual std::string ProgramFolder() = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
};

// The first three characters of the file version: "1.0" for "1.0.0.5".
std::string VersionPrefix(const std::string& fileVersion);

// "SOFTWARE\Quennor Software\Tavorin\" followed by the version prefix.
std::string UserFilesPathKey(const std::string& versionPrefix);

// The data directory, always ending in a backslash. Nothing is created.
std::string ChooseDataDirectory(TDataDirectorySources& sources);

// Set once at start-up, before any window exists.
extern std::string DataDirectory;
