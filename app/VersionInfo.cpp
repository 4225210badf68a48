#include "app/VersionInfo.h"

#include <windows.h>

#include <vector>

std::string ReadVersionString(const std::string& executable, const std::string& entry)
{
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(executable.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> record(size);
    if (!::GetFileVersionInfoA(executable.c_str(), 0, size, record.data()))
        return {};
    const std::string query = "\\StringFileInfo\\040904E4\\" + entry;
    char* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(record.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return {};
    // The length counts the terminating zero on some systems and not on others.
    std::string text(value, length);
    if (const auto zero = text.find('\0'); zero != std::string::npos)
        text.resize(zero);
    return text;
}

std::string ProgramFileName()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}
