#include "settings/ColorString.h"

#include "base/Convert.h"
#include "base/Strings.h"

std::string ColorToHex(TColor color)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "$";
    for (const int component : {RedOf(color), GreenOf(color), BlueOf(color)}) {
        text += digits[component >> 4];
        text += digits[component & 0xF];
    }
    return text;
}

TColor HexToColor(std::string_view text)
{
    if (!text.empty() && text.front() == '$')
        text.remove_prefix(1);
    // Each pair goes through the integer conversion as "$" + pair, so the error names it
    // that way; the conversion alone rejects blanks, signs and a second "$".
    const int red = StrToInt("$" + Copy(text, 1, 2));
    const int green = StrToInt("$" + Copy(text, 3, 2));
    const int blue = StrToInt("$" + Copy(text, 5, 2));
    return RGBColor(red, green, blue);
}
