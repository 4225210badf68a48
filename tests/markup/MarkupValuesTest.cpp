#include "markup/MarkupValues.h"

#include <gtest/gtest.h>

#include <climits>

struct TIntegerCase {
    const char* text;
    int value;
    bool valid;
};

class LeadingIntegerTest : public testing::TestWithParam<TIntegerCase> {};

TEST_P(LeadingIntegerTest, ReadsAsThePlatformConverts)
{
    const auto read = ReadLeadingInteger(GetParam().text);
    EXPECT_EQ(read.Value, GetParam().value);
    EXPECT_EQ(read.Valid, GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Cases, LeadingIntegerTest,
                         testing::Values(TIntegerCase{"12", 12, true}, TIntegerCase{"  12", 12, true},
                                         TIntegerCase{"12px", 12, false}, TIntegerCase{"", 0, false},
                                         TIntegerCase{"abc", 0, false}, TIntegerCase{"-7", -7, true},
                                         TIntegerCase{"+5", 5, true}, TIntegerCase{"$1F", 31, true},
                                         TIntegerCase{"0x10", 16, true}, TIntegerCase{"12 ", 12, false},
                                         TIntegerCase{"99999999999", INT_MAX, true}));

TEST(AttributeValue, IsTheQuotedTextAfterTheFirstOccurrenceOfTheName)
{
    EXPECT_EQ(AttributeValue("A=\"1\" B=\"2\"", "B"), "2");
    EXPECT_EQ(AttributeValue("A=\"1\"", "B"), "");
    EXPECT_EQ(AttributeValue("A=\"1", "A"), "");  // the closing quote is missing
    EXPECT_EQ(AttributeValue("A=1", "A"), "");
    // The first occurrence counts, even inside another attribute's value.
    EXPECT_EQ(AttributeValue("X=\"COLOR\" COLOR=\"RED\"", "COLOR"), " COLOR=");
}

TEST(ValueAfterLetter, TakesTheQuotedTextFromTheSecondCharacterAfterTheLetter)
{
    EXPECT_EQ(ValueAfterLetter("<IND x=\"30\">", 'X'), "30");
    EXPECT_EQ(ValueAfterLetter("<OFS X=\"-4\">", 'X'), "-4");
    EXPECT_EQ(ValueAfterLetter("<R a=\"45\">", 'A'), "45");
    EXPECT_EQ(ValueAfterLetter("<IND>", 'X'), "");
    // The tag's own name is searched too: the "A" of "ROTATE" is found first.
    EXPECT_EQ(ValueAfterLetter("<ROTATE a=\"90\">", 'A'), "90");
}

struct TColorCase {
    const char* value;
    TColor color;
};

class ColorValueTest : public testing::TestWithParam<TColorCase> {};

TEST_P(ColorValueTest, ReadsHashValuesAndNames)
{
    EXPECT_EQ(ColorValue(GetParam().value), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColorValueTest,
                         testing::Values(TColorCase{"#FF0000", RGBColor(0xFF, 0, 0)},
                                         TColorCase{"#0080C0", RGBColor(0, 0x80, 0xC0)},
                                         TColorCase{"#12", RGBColor(0x12, 0, 0)},  // missing pairs count 0
                                         TColorCase{"#GG0000", RGBColor(0x10, 0, 0)},  // 'G' counts 16
                                         TColorCase{"clRed", RGBColor(0xFF, 0, 0)},
                                         TColorCase{"CLRED", RGBColor(0xFF, 0, 0)},
                                         TColorCase{"red", clBlack},
                                         TColorCase{"clTeal", RGBColor(0, 0x80, 0x80)},
                                         TColorCase{"clBackground", SystemColor(1)},
                                         TColorCase{"clBtnFace", SystemColor(15)},
                                         TColorCase{"clInfoBk", SystemColor(24)},
                                         TColorCase{"", clBlack}));
