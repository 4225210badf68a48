#include "base/Convert.h"

#include "base/Exception.h"

#include <algorithm>

namespace {

int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

TIntegerScan ScanInteger(std::string_view text)
{
    TIntegerScan scan;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        scan.Negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    constexpr std::int64_t ceiling = std::int64_t{1} << 32;
    for (; i < text.size(); ++i, ++scan.Digits) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            break;
        scan.Magnitude = std::min(scan.Magnitude * base + digit, ceiling);
    }
    scan.End = i;
    return scan;
}

std::optional<std::int32_t> TryStrToInt(std::string_view text)
{
    const TIntegerScan scan = ScanInteger(text);
    if (scan.Digits == 0 || scan.End != text.size())
        return std::nullopt;
    // The magnitude may reach 2^31 for a negative value; anything larger is out of range.
    const std::int64_t limit = scan.Negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    if (scan.Magnitude > limit)
        return std::nullopt;
    return static_cast<std::int32_t>(scan.Negative ? -scan.Magnitude : scan.Magnitude);
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue)
{
    return TryStrToInt(text).value_or(defaultValue);
}

std::int32_t StrToInt(std::string_view text)
{
    if (const auto value = TryStrToInt(text))
        return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}
