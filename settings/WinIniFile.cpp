#include "settings/WinIniFile.h"

#include <windows.h>

std::string TWinIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const
{
    char buffer[MaxValueLength + 1];
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                    buffer, sizeof buffer, path_.c_str());
    return std::string(buffer, length);
}

void TWinIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    if (!::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()))
        throw EIniFileError(UnableToWriteMessage(path_));
}

void TWinIniFile::Flush()
{
    // All-null arguments flush the system's cached copy of the file to disk.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
}
