#include <gtest/gtest.h>

#include "base/Convert.h"
#include "base/Exception.h"

namespace {

struct TConvertCase {
    const char* text;
    std::optional<std::int32_t> value;
};

const TConvertCase convertCases[] = {
    {"0", 0},
    {"42", 42},
    {"   42", 42},
    {"+7", 7},
    {"-3", -3},
    {"  -3", -3},
    {"$0A", 10},
    {"$ff", 255},
    {"$FfFf", 65535},
    {"-$10", -16},
    {"0x0A", 10},
    {"0X1f", 31},
    {" 0x0A", 10},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"$7FFFFFFF", 2147483647},
    {"-$80000000", INT32_MIN},
    {"000000000000000000000000000012", 12},
    // Not integers.
    {"", std::nullopt},
    {" ", std::nullopt},
    {"-", std::nullopt},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"abc", std::nullopt},
    {"yes", std::nullopt},
    {"12 ", std::nullopt},
    {"1x", std::nullopt},
    {"\t5", std::nullopt},
    {"- 5", std::nullopt},
    {"$-5", std::nullopt},
    {"$$5", std::nullopt},
    {"$0x5", std::nullopt},
    {"$G", std::nullopt},
    {"1.5", std::nullopt},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"$80000000", std::nullopt},
    {"$FFFFFFFF", std::nullopt},
    {"99999999999999999999999999999999999999", std::nullopt},
};

TEST(Convert, ReadsIntegersByThePlatformRules)
{
    for (const auto& c : convertCases) {
        EXPECT_EQ(TryStrToInt(c.text), c.value) << "text: \"" << c.text << "\"";
        EXPECT_EQ(StrToIntDef(c.text, -77), c.value.value_or(-77)) << "text: \"" << c.text << "\"";
    }
}

TEST(Convert, StrToIntNamesTheTextInItsError)
{
    EXPECT_EQ(StrToInt("$1F"), 31);
    for (const char* text : {"", "$", "abc", "$ECE9D8X"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "no error for \"" << text << "\"";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), std::string("'") + text + "' is not a valid integer value");
        }
    }
}

}  // namespace
