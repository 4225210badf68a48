#include <gtest/gtest.h>

#include "base/Exception.h"
#include "settings/ColorString.h"

namespace {

TEST(ColorString, FormatsRedGreenBlueInUpperCase)
{
    EXPECT_EQ(ColorToHex(RGBColor(236, 233, 216)), "$ECE9D8");
    EXPECT_EQ(ColorToHex(RGBColor(0, 0, 0)), "$000000");
    EXPECT_EQ(ColorToHex(RGBColor(1, 2, 0xAB)), "$0102AB");
    // Only the three low bytes count: a system colour or clNone gives its low bytes.
    EXPECT_EQ(ColorToHex(clBtnFace), "$0F0000");
    EXPECT_EQ(ColorToHex(clNone), "$FFFFFF");
}

struct TParseCase {
    const char* text;
    TColor color;       // when error is null
    const char* error;  // the pair the message names
};

const TParseCase parseCases[] = {
    {"$ECE9D8", RGBColor(236, 233, 216), nullptr},
    {"ECE9D8", RGBColor(236, 233, 216), nullptr},
    {"$ece9d8", RGBColor(236, 233, 216), nullptr},
    {"ece9d8", RGBColor(236, 233, 216), nullptr},
    {"$ECE9D", RGBColor(236, 233, 13), nullptr},
    {"$FFCC00 readme.txt", RGBColor(255, 204, 0), nullptr},
    {"$000000", 0, nullptr},
    {"$ECE9", 0, "$"},
    {"", 0, "$"},
    {"$", 0, "$"},
    {"$$ECE9D8", 0, "$$E"},
    {"$GGE9D8", 0, "$GG"},
    {"$EC E9D8", 0, "$ E"},
    {"$ECE9-1", 0, "$-1"},
    {"$ECE9+1", 0, "$+1"},
    {"$0x0000", 0, "$0x"},
    {"$ECZ9D8", 0, "$Z9"},
};

TEST(ColorString, ParsesThreePairsOrNamesThePairThatFails)
{
    for (const auto& c : parseCases) {
        if (!c.error) {
            EXPECT_EQ(HexToColor(c.text), c.color) << "text: \"" << c.text << "\"";
            continue;
        }
        try {
            HexToColor(c.text);
            ADD_FAILURE() << "no error for \"" << c.text << "\"";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), std::string("'") + c.error + "' is not a valid integer value")
                << "text: \"" << c.text << "\"";
        }
    }
}

TEST(ColorString, EveryColourSurvivesFormattingAndParsing)
{
    for (TColor color = 0; color <= 0xFFFFFF; ++color)
        if (HexToColor(ColorToHex(color)) != color)
            FAIL() << "colour " << color << " came back as " << HexToColor(ColorToHex(color));
}

}  // namespace
