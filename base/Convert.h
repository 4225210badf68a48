// Texts to 32-bit integers by the platform's conversion rules: leading blanks are skipped,
// an optional sign may follow, then decimal digits, or hexadecimal digits (either letter
// case) after "$", "0x" or "0X". Nothing may follow the digits, and the value must lie in
// the signed 32-bit range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the rules above read of a text: blanks, a sign, "$"/"0x"/"0X", then the digits of
// that base as far as they go.
struct TIntegerScan {
    std::int64_t Magnitude = 0;  // held at 2^32 once larger
    bool Negative = false;
    std::size_t Digits = 0;      // digits read
    std::size_t End = 0;         // offset of the first character not read
};
TIntegerScan ScanInteger(std::string_view text);

// The value of text, or nothing when text is not an integer by the rules above.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// The value of text, or defaultValue when it is not an integer.
std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue);

// The value of text; raises EConvertError "'<text>' is not a valid integer value" when it
// is not an integer.
std::int32_t StrToInt(std::string_view text);
