#include "base/Strings.h"

#include <gtest/gtest.h>

TEST(Strings, PositionsCountFromOne)
{
    EXPECT_EQ(Pos("$", "$FF"), 1u);
    EXPECT_EQ(Pos(" ", "$00FF00 run"), 8u);
    EXPECT_EQ(Pos("x", "abc"), 0u);
    EXPECT_EQ(Pos("", "abc"), 0u);
    EXPECT_EQ(PosFrom("a", "abca", 2), 4u);
    EXPECT_EQ(PosFrom("a", "abca", 5), 0u);
}

TEST(Strings, CopyAndDeleteClampToTheText)
{
    EXPECT_EQ(Copy("ECE9D8", 1, 2), "EC");
    EXPECT_EQ(Copy("ECE9D", 5, 2), "D");
    EXPECT_EQ(Copy("ECE9", 5, 2), "");
    EXPECT_EQ(Copy("abc", 0, 2), "ab");
    EXPECT_EQ(Copy("abc", 2, -1), "");

    std::string text = "$00FF00 run";
    Delete(text, 1, 8);
    EXPECT_EQ(text, "run");
    Delete(text, 3, 100);
    EXPECT_EQ(text, "ru");
    Delete(text, 0, 1);
    EXPECT_EQ(text, "ru");
}

TEST(Strings, TrimAndCase)
{
    EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x "), "  x");
    EXPECT_EQ(UpperCase("Secret\xe9"), "SECRET\xe9");
    EXPECT_TRUE(SameText("Tavorin", "TAVORIN"));
    EXPECT_TRUE(StartsWith("cw 0,25", "cw"));
    EXPECT_FALSE(StartsWith("c", "cw"));
}
