#include "app/DataDirectorySystem.h"

#include <windows.h>
#include <shlobj.h>

#include "app/VersionInfo.h"
#include "ui/Handles.h"

std::string TSystemDataDirectorySources::FileVersion()
{
    return ReadVersionString(ProgramFileName(), "FileVersion");
}

std::optional<std::string> TSystemDataDirectorySources::CommonDocumentsFolder()
{
    char folder[261] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_DOCUMENTS, FALSE))
        return std::nullopt;
    return std::string(folder);
}

std::string TSystemDataDirectorySources::UserFilesPath(const std::string& key)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return {};
    TRegistryKey owner(opened);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(opened, "UserFilesPath", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
        return {};
    std::string value(size, '\0');
    if (::RegQueryValueExA(opened, "UserFilesPath", nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    value.resize(size);
    if (const auto zero = value.find('\0'); zero != std::string::npos)
        value.resize(zero);
    return value;
}

std::string TSystemDataDirectorySources::ProgramFolder()
{
    const std::string file = ProgramFileName();
    return file.substr(0, file.find_last_of("\\/:") + 1);
}

bool TSystemDataDirectorySources::DirectoryExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ResolveDataDirectory()
{
    TSystemDataDirectorySources sources;
    DataDirectory = ChooseDataDirectory(sources);
}
