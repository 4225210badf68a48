// Any text through the integer conversion and the colour string parser: results stay in
// range and survive formatting and parsing again; failures are conversion errors that name
// what failed.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Convert.h"
#include "base/Exception.h"
#include "settings/ColorString.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto value = TryStrToInt(text);
    Check(StrToIntDef(text, 12345) == value.value_or(12345));
    if (value) {
        Check(StrToInt(text) == *value);
        Check(TryStrToInt(std::to_string(*value)) == value);
    } else {
        try {
            StrToInt(text);
            Check(false);
        } catch (const EConvertError& error) {
            // The message travels as a C string, so a text with a NUL byte ends there.
            if (text.find('\0') == std::string_view::npos)
                Check(error.Message() == "'" + std::string(text) + "' is not a valid integer value");
        }
    }

    try {
        const TColor color = HexToColor(text);
        Check(color >= 0 && color <= 0xFFFFFF);
        const auto hex = ColorToHex(color);
        Check(hex.size() == 7 && HexToColor(hex) == color);
    } catch (const EConvertError& error) {
        const auto message = error.Message();
        Check(message.rfind("'$", 0) == 0);
        if (text.find('\0') == std::string_view::npos)
            Check(EndsWith(message, "' is not a valid integer value") &&
                  message.size() <= std::string("'$xx' is not a valid integer value").size());
    }
    return 0;
}
