#include "MarkupFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Strings = std::vector<std::string>;

// ---- text preparation -------------------------------------------------------------------

struct TPrepareCase {
    const char* text;
    const char* prepared;
};

class PrepareMarkupTextTest : public testing::TestWithParam<TPrepareCase> {};

TEST_P(PrepareMarkupTextTest, DecodesEntitiesHashNameAndLineBreaks)
{
    EXPECT_EQ(PrepareMarkupText(GetParam().text), GetParam().prepared);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrepareMarkupTextTest,
    testing::Values(TPrepareCase{"a&amp;b", "a&&b"},
                    TPrepareCase{"&QUOT;x&Quot;", "\"x\""},  // any case; the second by the next sweep
                    TPrepareCase{"&sect;&permil;&reg;&copy;&para;&trade;&euro;", "\xA7\x89\xAE\xA9\xB6\x99\x80"},
                    TPrepareCase{"&amp;amp;", "&&&"},        // a sweep's result is swept again
                    TPrepareCase{"&nbsp;&lt;&gt;", "&nbsp;&lt;&gt;"},  // left to the runs
                    TPrepareCase{"&bogus; &", "&bogus; &"},
                    TPrepareCase{"x<#abc>y <#d>", "x#abcy <#d>"},  // only the first
                    TPrepareCase{"<#abc", "#abc"},
                    TPrepareCase{"a\r\nb\nc\r", "a<BR>bc<BR>"}));

// ---- runs, entities inside runs, ampersands ---------------------------------------------

struct TShownCase {
    const char* text;
    const char* shown;  // runs joined by "|"
    bool noPrefix;
};

class ShownTextTest : public testing::TestWithParam<TShownCase> {};

TEST_P(ShownTextTest, ShowsRunsAsThePlatformDrawsThem)
{
    TMarkupFixture f;
    f.Draw(GetParam().text, {0, 0, 400, 100});
    EXPECT_EQ(f.Shown(), GetParam().shown);
    for (const auto& op : f.Texts())
        EXPECT_EQ((op.Flags & TextFlags::NoPrefix) != 0, GetParam().noPrefix) << op.Shown;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShownTextTest,
    testing::Values(TShownCase{"a&amp;b", "a&b", false},
                    TShownCase{"a &amp; b", "a & b", false},
                    TShownCase{"a&amp;b & c", "a&&b & c", true},  // space-ampersand-space anywhere
                    TShownCase{"&File", "File", false},          // the prefix underlines the letter
                    TShownCase{"&lt;b&gt;", "<b>", false},
                    TShownCase{"x &LT; &NBSP; & y", "x &LT; &NBSP; & y", true},  // capitals stay as typed
                    TShownCase{"a&nbsp;b", "a b", false},
                    TShownCase{"ab<x>cd", "ab|cd", false},     // an unknown tag disappears
                    TShownCase{"ab<cd", "ab", false},          // "<" without ">" drops the rest
                    TShownCase{"ab <i>cd <x", "ab |cd ", false},
                    TShownCase{"ab<c", "ab", false},           // "<" with one character at the end
                    TShownCase{"ab<", "ab", false},
                    TShownCase{"</>x", "x", false}));

TEST(MarkupEngine, EmptyCaptionDrawsNothingAndIsOneGhLineHigh)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Draw(""), (TMarkupExtent{0, 22}));
    EXPECT_TRUE(f.Canvas.Ops.empty());
}

TEST(MarkupEngine, RunSitsOnTheLineBottomOneRightOfTheBounds)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Draw("Hello", {10, 5, 200, 100}), (TMarkupExtent{27, 22}));
    ASSERT_EQ(f.Texts().size(), 1u);
    const auto run = f.Texts()[0];
    EXPECT_EQ(run.Rect, (TRect{11, 5, 200, 25}));
    EXPECT_EQ(run.Flags, TextFlags::Bottom | TextFlags::SingleLine | TextFlags::ExpandTabs);
    EXPECT_FALSE(run.Opaque);
}

TEST(MarkupEngine, RestoresFontAndFillColourAtTheEnd)
{
    TMarkupFixture f;
    f.Canvas.SetBrushColor(RGBColor(1, 2, 3));
    const TFontDesc base = f.Canvas.Font();
    f.Draw("<B><I><FONT face=\"Arial\" color=\"clRed\" bgcolor=\"clLime\">x");
    EXPECT_EQ(f.Canvas.Font(), base);
    EXPECT_EQ(f.Canvas.BrushColor(), RGBColor(1, 2, 3));
}

// ---- word wrap ----------------------------------------------------------------------------

struct TWrapCase {
    const char* name;
    const char* text;
    int boundsRight;
    Strings placed;
    TMarkupExtent extent;
};

class WordWrapTest : public testing::TestWithParam<TWrapCase> {};

TEST_P(WordWrapTest, BreaksOnlyWhereAllowed)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Draw(GetParam().text, {0, 0, GetParam().boundsRight, 200}), GetParam().extent);
    EXPECT_EQ(f.Placed(), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordWrapTest,
    testing::Values(
        // Line rectangle 1..50: "Hello " takes 30, "world" would reach 55. The trailing
        // space counts neither in the line width (25) nor in the result (25 + 2).
        TWrapCase{"TwoWordsBreak", "Hello world", 50, {"Hello @1,0", "world@1,20"}, {27, 42}},
        // A word at least as wide as the line stays after the runs before it, overflowing.
        TWrapCase{"WideWordNeverMoved", "ab Extraordinary", 30, {"ab Extraordinary@1,0"}, {82, 22}},
        TWrapCase{"WideWordAfterATag", "ab<B> Extraordinary", 30, {"ab@1,0", " Extraordinary@11,0"}, {96, 22}},
        // Line width 20: "cd" breaks at the space before it; "ef" would overflow the
        // second line but is glued to "cd" by the tags.
        TWrapCase{"TagSplitWordNotBroken", "ab <B>cd</B>ef", 21, {"ab @1,0", "cd@1,20", "ef@13,20"}, {24, 42}},
        // The run "a&nbsp;b " decodes to fewer characters than it was cut with, so its
        // trailing space counts in the width.
        TWrapCase{"NbspNeverBreaks", "a&nbsp;b a", 10, {"a b @1,0", "a@1,20"}, {22, 42}},
        TWrapCase{"BreakAfterSpaceRun", "a b", 10, {"a @1,0", "b@1,20"}, {7, 42}},
        // "ab cd" is 25 wide: a line of 25 does not take it, a line of 26 does.
        TWrapCase{"WordsThatJustFillTheLineBreak", "ab cd", 26, {"ab @1,0", "cd@1,20"}, {12, 42}},
        TWrapCase{"WordsNarrowerThanTheLineStay", "ab cd", 27, {"ab cd@1,0"}, {27, 22}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MarkupEngine, WithoutWordWrapRunsAreCutWithAnEllipsis)
{
    TMarkupFixture f;
    const auto extent = f.Draw("Hello world", {0, 0, 31, 100}, false);
    ASSERT_EQ(f.Texts().size(), 1u);
    EXPECT_EQ(f.Texts()[0].Shown, "Hel...");
    EXPECT_TRUE(f.Texts()[0].Flags & TextFlags::EndEllipsis);
    EXPECT_EQ(extent.Height, 22);
}

// ---- hidden text --------------------------------------------------------------------------

TEST(MarkupEngine, HiddenTextNotClosedOnItsLineHidesTheRunsBeforeIt)
{
    TMarkupFixture f;
    f.Draw("ab <Z>cd");
    EXPECT_TRUE(f.Texts().empty());
}

TEST(MarkupEngine, HiddenTextClosedOnItsLineHidesOnlyItself)
{
    TMarkupFixture f;
    const auto extent = f.Draw("ab <Z>cd</Z>ef");
    EXPECT_EQ(f.Placed(), (Strings{"ab @1,0", "ef@16,0"}));
    EXPECT_EQ(extent.Width, 27);  // "ab ef" without the hidden "cd"
}

TEST(MarkupEngine, HiddenTextRaisesTheLineAllTheSame)
{
    TMarkupFixture f;
    const auto extent = f.Draw("a<Z><FONT size=\"20\">big</FONT></Z>");
    EXPECT_EQ(extent.Height, 42);
    ASSERT_EQ(f.Texts().size(), 1u);
    EXPECT_EQ(f.Texts()[0].At, (TPoint{1, 20}));
}

// ---- lines below the bounds ---------------------------------------------------------------

TEST(MarkupEngine, NoLineStartsWithoutRoomForAGhLine)
{
    TMarkupFixture f;
    // After line 2 the next top is 40; 40 + 20 exceeds 50.
    EXPECT_EQ(f.Draw("a<BR>b<BR>c<BR>d", {0, 0, 200, 50}).Height, 42);
    EXPECT_EQ(f.Shown(), "a|b");
}

TEST(MarkupEngine, FirstLineIsAlwaysDrawn)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Draw("a<BR>b", {0, 0, 200, 5}).Height, 22);
    EXPECT_EQ(f.Shown(), "a");
}

TEST(MarkupEngine, MeasureOnlyMeasuresTheWholeTextAndDrawsNothing)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Measure("a<BR>b<BR>c<BR>dddd", {0, 0, 200, 50}), (TMarkupExtent{22, 82}));
    EXPECT_TRUE(f.Canvas.Ops.empty());
}

// ---- alignment, indents, lists ------------------------------------------------------------

struct TLayoutCase {
    const char* name;
    const char* text;
    Strings placed;
};

class LayoutTest : public testing::TestWithParam<TLayoutCase> {};

TEST_P(LayoutTest, PlacesRuns)
{
    TMarkupFixture f;
    f.Draw(GetParam().text, {0, 0, 101, 200});
    EXPECT_EQ(f.Placed(), GetParam().placed);
}

// Bounds 0..101, so lines run from 1 to 101 (100 pixels).
INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutTest,
    testing::Values(
        TLayoutCase{"Right", "<P align=\"right\">abc", {"abc@86,0"}},
        TLayoutCase{"Center", "<P align=\"center\">abc", {"abc@43,0"}},
        TLayoutCase{"AlignmentStaysForLaterLines", "<P align=\"center\">ab<BR>abcd<BR><P align=\"left\">x",
                    {"ab@46,0", "abcd@41,20", "x@1,40"}},
        TLayoutCase{"ParagraphTagStartsNoLine", "ab<P align=\"right\">cd", {"ab@81,0", "cd@91,0"}},
        TLayoutCase{"WordsBetweenTagsDrawnTogether", "ab cd<B>ef gh", {"ab cd@1,0", "ef gh@26,0"}},
        TLayoutCase{"WordsUnderAWaveDrawnApart", "<E>ab cd", {"ab @1,0", "cd@16,0"}},
        TLayoutCase{"WordsWithATabDrawnApart", "a b\tc", {"a @1,0", "b\tc@11,0"}},
        TLayoutCase{"LineEndingTags", "a<BR>b</LI>c</P>d<HR>e<UL>f",
                    {"a@1,0", "b@1,20", "c@1,40", "d@1,60", "e@1,80", "f@1,100"}},
        TLayoutCase{"Indent", "<P indent=\"7\">ab<BR>cd", {"ab@8,0", "cd@8,20"}},
        TLayoutCase{"XPosition", "ab<IND x=\"30\">cd<IND x=\"5\">ef", {"ab@1,0", "cd@30,0", "ef@40,0"}},
        TLayoutCase{"XPositionNeedsAWholeNumber", "ab<IND x=\"30px\">cd", {"ab@1,0", "cd@11,0"}},
        // Drawn, the indented line has 60 pixels left and the x position already passes
        // them: the first run is drawn and ends the line, whether or not a tag parts it
        // from the next.
        TLayoutCase{"XPositionBeyondIndentedLine", "<P indent=\"40\"><IND x=\"70\">ab cd", {"ab @70,0"}},
        TLayoutCase{"XPositionBeyondIndentedLineTagged", "<P indent=\"40\"><IND x=\"70\">ab <B>cd", {"ab @70,0"}},
        // A list ends its line; the first item of a line stays, the next starts a line.
        TLayoutCase{"List", "<UL><LI>one<LI>two</UL>x", {"\xB7@1,20", "one@13,20", "\xB7@1,40", "two@13,40", "x@28,40"}},
        TLayoutCase{"NestedList", "<UL><UL><LI>a</UL><LI>b", {"o@13,40", "a@25,40", "\xB7@1,60", "b@13,60"}},
        TLayoutCase{"RightAlignedListItem", "<P align=\"right\"><UL><LI>ab", {"\xB7@79,20", "ab@91,20"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MarkupEngine, BulletIsDrawnInSymbolWithoutFlags)
{
    TMarkupFixture f;
    f.Draw("<UL><LI>x");
    const auto bullet = f.Texts().at(0);
    EXPECT_FALSE(bullet.FromDrawTextEx);
    EXPECT_EQ(bullet.Flags, 0u);
    EXPECT_EQ(bullet.Font.Name, "Symbol");
    EXPECT_EQ(f.Texts().at(1).Font.Name, "Test Sans");
}

TEST(MarkupEngine, ListLevelsCountOnceWhetherMeasuredOrDrawn)
{
    // Each line is read twice when drawing; its list tags must not count twice.
    const char* text = "<UL><LI>a<UL><LI>b</UL><LI>c";
    TMarkupFixture measured;
    TMarkupFixture drawn;
    EXPECT_EQ(measured.Measure(text), drawn.Draw(text));
    EXPECT_EQ(drawn.Shown(), "\xB7|a|o|b|\xB7|c");
}

TEST(MarkupEngine, ListOpenedFirstBeginsWithAnEmptyGhLine)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Measure("<UL><LI>a").Height, 42);
}

TEST(MarkupEngine, LineOffsetReachesLaterLinesOnlyAfterDrawing)
{
    // Lines run from 1 to 71. Drawn, the offset of 50 stays in force for the second line,
    // so "cd ef" no longer fits in the remaining 20 pixels; measured alone, it does.
    const char* text = "<OF x=\"50\">ab<BR>cd ef";
    TMarkupFixture measured;
    EXPECT_EQ(measured.Measure(text, {0, 0, 71, 200}), (TMarkupExtent{62, 42}));

    TMarkupFixture drawn;
    EXPECT_EQ(drawn.Draw(text, {0, 0, 71, 200}).Height, 62);
    EXPECT_EQ(drawn.Placed(), (Strings{"ab@50,0", "cd @51,20", "ef@51,40"}));
}

TEST(MarkupEngine, ClosingLineOffsetReturnsLaterLinesToTheLeftEdge)
{
    TMarkupFixture f;
    f.Draw("<OF x=\"50\">ab</OF><BR>cd");
    EXPECT_EQ(f.Placed(), (Strings{"ab@50,0", "cd@1,20"}));
}

// ---- sub- and superscript -------------------------------------------------------------------

TEST(MarkupEngine, SubscriptDropsByAQuarterOfItsHeight)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Draw("a<SUB>b</SUB>c").Height, 27);
    EXPECT_EQ(f.Placed(), (Strings{"a@1,0", "b@6,5", "c@11,0"}));
}

TEST(MarkupEngine, SuperscriptRisesByAQuarterOfItsHeight)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Draw("a<SUP>b</SUP>c").Height, 27);
    EXPECT_EQ(f.Placed(), (Strings{"a@1,5", "b@6,0", "c@11,5"}));
}

TEST(MarkupEngine, SuperscriptEndsWithItsLine)
{
    TMarkupFixture f;
    f.Draw("a<SUP>b<BR>c");
    // Left open, the flag set by the measuring pass raises the whole drawn line.
    EXPECT_EQ(f.Placed(), (Strings{"a@1,0", "b@6,0", "c@1,25"}));
}

// ---- error wave -----------------------------------------------------------------------------

TEST(MarkupEngine, ErrorWaveZigZagsUnderTheRun)
{
    TMarkupFixture f;
    f.Draw("a<E>bc</E>d", {0, 0, 200, 100});
    // "bc" runs from 6 to 16 on a line whose bottom is 20.
    std::vector<std::pair<TPoint, TPoint>> lines;
    for (const auto& op : f.OpsOf(TCanvasOp::kLine)) {
        lines.push_back({op.At, op.To});
        EXPECT_EQ(op.Pen, RGBColor(0xFF, 0, 0));
    }
    const std::vector<std::pair<TPoint, TPoint>> expected{
        {{6, 19}, {8, 21}}, {{8, 21}, {10, 19}}, {{10, 19}, {12, 21}}, {{12, 21}, {14, 19}}, {{14, 19}, {16, 21}}};
    EXPECT_EQ(lines, expected);
}
