#include "markup/MarkupValues.h"

#include "base/Convert.h"
#include "base/Strings.h"
#include "markup/ColorNames.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// One pair of a "#RRGGBB" colour: letters count from 'A' as 10, anything else from '0'.
int ColorPair(const std::string& pair)
{
    if (pair.size() < 2)
        return 0;
    auto digit = [](char c) { return static_cast<unsigned char>(c) >= 'A' ? static_cast<unsigned char>(c) - 55 : static_cast<unsigned char>(c) - 48; };
    return (16 * digit(pair[0]) + digit(pair[1])) & 0xFF;
}

}  // namespace

TLeadingInteger ReadLeadingInteger(const std::string& text)
{
    const TIntegerScan scan = ScanInteger(text);
    const std::int64_t value = std::min<std::int64_t>(scan.Magnitude, INT_MAX);
    TLeadingInteger result;
    result.Value = static_cast<int>(scan.Negative ? -value : value);
    result.Valid = scan.Digits > 0 && scan.End == text.size();
    return result;
}

std::string QuotedValueFrom(const std::string& text, std::size_t from)
{
    const auto open = PosFrom("\"", text, from);
    if (open == 0)
        return {};
    const auto close = PosFrom("\"", text, open + 1);
    if (close == 0)
        return {};
    return Copy(text, static_cast<std::ptrdiff_t>(open + 1), static_cast<std::ptrdiff_t>(close - open - 1));
}

bool HasAttribute(const std::string& attributes, const std::string& name)
{
    return Pos(name, attributes) > 0;
}

std::string AttributeValue(const std::string& attributes, const std::string& name)
{
    const auto at = Pos(name, attributes);
    if (at == 0)
        return {};
    return QuotedValueFrom(attributes, at + name.size());
}

std::string ValueAfterLetter(const std::string& tagText, char letter)
{
    const std::string afterName = Copy(tagText, 3, static_cast<std::ptrdiff_t>(tagText.size()));
    const std::string upper = UpperCase(afterName);
    const auto at = Pos(std::string(1, UpperCase(std::string(1, letter))[0]), upper);
    if (at == 0)
        return {};
    return QuotedValueFrom(afterName, at + 2);
}

TColor ColorValue(const std::string& value)
{
    if (StartsWith(value, "#"))
        return RGBColor(ColorPair(Copy(value, 2, 2)), ColorPair(Copy(value, 4, 2)), ColorPair(Copy(value, 6, 2)));
    return ColorOfName(LowerCase(value));
}
