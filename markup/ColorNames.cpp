#include "markup/ColorNames.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, TColor>, 40> kColorNames{{
    {"clred", RGBColor(0xFF, 0x00, 0x00)},
    {"clblack", RGBColor(0x00, 0x00, 0x00)},
    {"clblue", RGBColor(0x00, 0x00, 0xFF)},
    {"clgreen", RGBColor(0x00, 0x80, 0x00)},
    {"claqua", RGBColor(0x00, 0xFF, 0xFF)},
    {"clyellow", RGBColor(0xFF, 0xFF, 0x00)},
    {"clfuchsia", RGBColor(0xFF, 0x00, 0xFF)},
    {"clwhite", RGBColor(0xFF, 0xFF, 0xFF)},
    {"cllime", RGBColor(0x00, 0xFF, 0x00)},
    {"clsilver", RGBColor(0xC0, 0xC0, 0xC0)},
    {"clgray", RGBColor(0x80, 0x80, 0x80)},
    {"clolive", RGBColor(0x80, 0x80, 0x00)},
    {"clnavy", RGBColor(0x00, 0x00, 0x80)},
    {"clpurple", RGBColor(0x80, 0x00, 0x80)},
    {"clteal", RGBColor(0x00, 0x80, 0x80)},
    {"clmaroon", RGBColor(0x80, 0x00, 0x00)},
    {"clbackground", SystemColor(1)},
    {"clactivecaption", SystemColor(2)},
    {"clinactivecaption", SystemColor(3)},
    {"clmenu", SystemColor(4)},
    {"clwindow", SystemColor(5)},
    {"clwindowframe", SystemColor(6)},
    {"clmenutext", SystemColor(7)},
    {"clwindowtext", SystemColor(8)},
    {"clcaptiontext", SystemColor(9)},
    {"clactiveborder", SystemColor(10)},
    {"clinactiveborder", SystemColor(11)},
    {"clappworkspace", SystemColor(12)},
    {"clhighlight", SystemColor(13)},
    {"clhighlighttext", SystemColor(14)},
    {"clbtnface", SystemColor(15)},
    {"clbtnshadow", SystemColor(16)},
    {"clgraytext", SystemColor(17)},
    {"clbtntext", SystemColor(18)},
    {"clinactivecaptiontext", SystemColor(19)},
    {"clbtnhighlight", SystemColor(20)},
    {"cl3ddkshadow", SystemColor(21)},
    {"cl3dlight", SystemColor(22)},
    {"clinfotext", SystemColor(23)},
    {"clinfobk", SystemColor(24)},
}};

}  // namespace

TColor ColorOfName(const std::string& lowerCaseName)
{
    for (const auto& [name, color] : kColorNames)
        if (name == lowerCaseName)
            return color;
    return clBlack;
}
