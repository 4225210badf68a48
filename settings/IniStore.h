// One INI file, as the settings file uses it: sections and keys matched without regard to
// letter case, texts in and out.
#pragma once

#include <cstddef>
#include <string>

#include "base/Exception.h"

// "Unable to write to <path>".
class EIniFileError : public Exception {
public:
    using Exception::Exception;
};

inline std::string UnableToWriteMessage(const std::string& path)
{
    return "Unable to write to " + path;
}

class TIniStore {
public:
    // Longest value a read returns; longer ones are cut there.
    static constexpr std::size_t MaxValueLength = 2047;

    virtual ~TIniStore() = default;
    virtual std::string FileName() const = 0;
    // The value, or defaultValue when the key (or the section, or the file) is missing. A
    // key present with an empty value reads as the empty text.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const = 0;
    // Creates the file when needed. Raises EIniFileError with UnableToWriteMessage when
    // the value cannot be written.
    virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
    // Makes everything written so far complete on disk.
    virtual void Flush() = 0;
};
