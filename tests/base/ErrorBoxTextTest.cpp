#include "base/Exception.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, FullStopAddedWhenTheLastCharacterSortsAfterIt)
{
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"Bad Password", "Bad Password."},
        {"Done.", "Done."},
        {"Really?", "Really?."},          // '?' sorts after '.'
        {"Exit code 0", "Exit code 0."},  // digits sort after '.'
        {"Wait!", "Wait!"},               // '!' sorts before '.'
        {"a,", "a,"},
        {"a-", "a-"},
        {"a/", "a/."},
        {"Caf\xe9", "Caf\xe9."},          // upper-half bytes count as above '.'
        {"", ""},
        {"trailing blank ", "trailing blank "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorBoxText(c.message), c.shown) << '"' << c.message << '"';
}
