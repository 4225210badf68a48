#include "MarkupFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Strings = std::vector<std::string>;

namespace {

constexpr TColor kRed = RGBColor(0xFF, 0, 0);
constexpr TColor kBlue = RGBColor(0, 0, 0xFF);
constexpr TColor kYellow = RGBColor(0xFF, 0xFF, 0);
constexpr TColor kBaseColor = RGBColor(1, 2, 3);

// A fixture whose base font colour differs from every colour a tag can give.
struct TColoredFixture : TMarkupFixture {
    TColoredFixture() { Canvas.SetFontColor(kBaseColor); }
};

}  // namespace

// ---- font tag -----------------------------------------------------------------------------

TEST(FontTag, FirstClosingTagReturnsToTheBaseFont)
{
    TColoredFixture f;
    f.Draw("<FONT face=\"Arial\" size=\"4\" color=\"clRed\"><FONT size=\"1\" color=\"clBlue\">a</FONT>b");
    const auto texts = f.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Font.Name, "ARIAL");
    EXPECT_EQ(texts[0].Font.Size, 8);
    EXPECT_EQ(texts[0].Font.Color, kBlue);
    EXPECT_EQ(texts[1].Font, f.Canvas.Font());
}

struct TSizeCase {
    const char* tag;
    int size;
};

class FontSizeTest : public testing::TestWithParam<TSizeCase> {};

TEST_P(FontSizeTest, SetsPoints)
{
    TMarkupFixture f;
    f.Draw(std::string(GetParam().tag) + "x");
    ASSERT_EQ(f.Texts().size(), 1u);
    EXPECT_EQ(f.Texts()[0].Font.Size, GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Cases, FontSizeTest,
                         testing::Values(TSizeCase{"<FONT size=\"3\">", 12}, TSizeCase{"<FONT size=3>", 12},
                                         TSizeCase{"<FONT size=\"20\">", 20}, TSizeCase{"<FONT size=20>", 20},
                                         TSizeCase{"<FONT size=\"1\">", 8}, TSizeCase{"<FONT size=\"5\">", 16},
                                         TSizeCase{"<FONT SIZE = \"4\">", 14},
                                         // an unquoted size before a quoted attribute keeps its value
                                         TSizeCase{"<FONT size=3 color=\"clRed\">", 12}));

struct TColorTagCase {
    const char* tag;
    TColor color;
};

class FontColorTest : public testing::TestWithParam<TColorTagCase> {};

TEST_P(FontColorTest, SetsTheFontColour)
{
    TColoredFixture f;
    f.Draw(std::string(GetParam().tag) + "x");
    ASSERT_EQ(f.Texts().size(), 1u);
    EXPECT_EQ(f.Texts()[0].Font.Color, GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Cases, FontColorTest,
                         testing::Values(TColorTagCase{"<FONT color=\"#FF0000\">", kRed},
                                         TColorTagCase{"<FONT color=\"#ff0000\">", kRed},  // the tag is upper-cased
                                         TColorTagCase{"<FONT color=\"clRed\">", kRed},
                                         TColorTagCase{"<FONT color=\"red\">", clBlack},
                                         TColorTagCase{"<FONT color=\"\">", kBaseColor},
                                         TColorTagCase{"<FONT bgcolor=\"clRed\">", kBaseColor}));

TEST(FontTag, BackgroundColourLastsToTheClosingTag)
{
    TMarkupFixture f;
    f.Draw("<FONT bgcolor=\"clYellow\">a</FONT>b");
    const auto texts = f.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(texts[0].Opaque);
    EXPECT_EQ(texts[0].Fill, kYellow);
    EXPECT_FALSE(texts[1].Opaque);
}

// ---- style tags ---------------------------------------------------------------------------

TEST(StyleTags, EachClosingTagRemovesItsStyleOnly)
{
    TMarkupFixture f;
    f.Draw("<B><I><U><S>a</B>b</I>c</U>d</S>e");
    std::vector<TFontStyles> styles;
    for (const auto& op : f.Texts())
        styles.push_back(op.Font.Style);
    EXPECT_EQ(styles, (std::vector<TFontStyles>{fsBold | fsItalic | fsUnderline | fsStrikeOut,
                                                fsItalic | fsUnderline | fsStrikeOut, fsUnderline | fsStrikeOut,
                                                fsStrikeOut, 0}));
}

TEST(StyleTags, ClosingTagWithoutOpeningOneStillApplies)
{
    TMarkupFixture f;
    f.Canvas.SetFontStyle(fsUnderline | fsBold);
    f.Draw("a</U>b</B>c");
    std::vector<TFontStyles> styles;
    for (const auto& op : f.Texts())
        styles.push_back(op.Font.Style);
    EXPECT_EQ(styles, (std::vector<TFontStyles>{fsUnderline | fsBold, fsBold, 0}));
}

TEST(StyleTags, AnchorIsUnderlinedInTheLinkColour)
{
    TColoredFixture f;
    f.Draw("<A href=\"x\">a</A>b");
    const auto texts = f.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Font.Style, fsUnderline);
    EXPECT_EQ(texts[0].Font.Color, f.LinkColor);
    EXPECT_EQ(texts[1].Font.Style, 0u);
    EXPECT_EQ(texts[1].Font.Color, kBaseColor);
}

TEST(StyleTags, BlinkShowsTheEntryFillColour)
{
    TColoredFixture f;
    f.Canvas.SetBrushColor(RGBColor(9, 9, 9));
    f.Draw("<BLINK>a</BLINK>b");
    EXPECT_EQ(f.Texts().at(0).Font.Color, RGBColor(9, 9, 9));
    EXPECT_EQ(f.Texts().at(1).Font.Color, kBaseColor);
}

TEST(StyleTags, HighlightAndItsEnd)
{
    TColoredFixture f;
    f.Draw("<HI>a</HI>b");
    const auto texts = f.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Font.Color, clHighlightText);
    EXPECT_TRUE(texts[0].Opaque);
    EXPECT_EQ(texts[0].Fill, clHighlight);
    EXPECT_EQ(texts[1].Font.Color, kBaseColor);
    EXPECT_FALSE(texts[1].Opaque);
}

TEST(StyleTags, ClosingHighlightBeforeAnyLeavesTheColours)
{
    TColoredFixture f;
    f.Draw("<FONT color=\"clRed\" bgcolor=\"clYellow\">a</HI>b");
    EXPECT_EQ(f.Texts().at(1).Font.Color, kRed);
    EXPECT_EQ(f.Texts().at(1).Fill, kYellow);
}

TEST(StyleTags, ShadowCopyIsDrawnFirstOffsetInTheShadowColour)
{
    TColoredFixture f;
    f.ShadowOffset = 2;
    f.Draw("<SHADOW>ab</SHADOW>c");
    EXPECT_EQ(f.Placed(), (Strings{"ab@3,2", "ab@1,0", "c@11,0"}));
    EXPECT_EQ(f.Texts()[0].Font.Color, f.ShadowColor);
    EXPECT_EQ(f.Texts()[1].Font.Color, kBaseColor);
}

TEST(StyleTags, RotationLastsUntilItsClosingTagOrAFontChange)
{
    TMarkupFixture f;
    f.Draw("<R a=\"90\">x</R>y<R a=\"45\">z<B>w");
    std::vector<int> escapements;
    for (const auto& op : f.Texts())
        escapements.push_back(op.Escapement);
    EXPECT_EQ(escapements, (std::vector<int>{900, 0, 450, 0}));
}

TEST(StyleTags, HorizontalRuleEndsTheLineWithABlackLineBelowIt)
{
    TMarkupFixture f;
    f.Canvas.SetPenColor(kBlue);
    f.Draw("a<HR>b");
    const auto lines = f.OpsOf(TCanvasOp::kLine);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].At, (TPoint{1, 21}));
    EXPECT_EQ(lines[0].To, (TPoint{200, 21}));
    EXPECT_EQ(lines[0].Pen, clBlack);
    EXPECT_EQ(f.Canvas.PenColor(), kBlue);
    EXPECT_EQ(f.Placed(), (Strings{"a@1,0", "b@1,20"}));
}

// ---- paragraph and page backgrounds ---------------------------------------------------------

TEST(ParagraphTag, BackgroundFillsEveryLineBandUntilTheClosingTag)
{
    TMarkupFixture f;
    f.Draw("<P bgcolor=\"clYellow\">a<BR>b</P>c");
    const auto rects = f.OpsOf(TCanvasOp::kRect);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].Rect, (TRect{0, 0, 200, 20}));
    EXPECT_EQ(rects[1].Rect, (TRect{0, 20, 200, 40}));
    EXPECT_EQ(rects[1].Pen, kYellow);
    const auto texts = f.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].Fill, kYellow);
    EXPECT_FALSE(texts[2].Opaque);  // the closing tag puts back the clear brush
    EXPECT_EQ(texts[2].At, (TPoint{1, 40}));
}

TEST(ParagraphTag, GradientBackgroundLeavesTheBrushClear)
{
    TMarkupFixture f;
    f.Draw("<P bgcolor=\"clRed\" bgcolorto=\"clBlue\">a");
    const auto rects = f.OpsOf(TCanvasOp::kRect);
    ASSERT_EQ(rects.size(), 64u);
    EXPECT_EQ(rects.front().Rect, (TRect{0, 0, 4, 22}));
    EXPECT_EQ(rects.front().Fill, kRed);
    EXPECT_EQ(rects.back().Rect.Right, 200);
    EXPECT_FALSE(f.Texts().at(0).Opaque);
}

TEST(PageBackgroundTag, ColourFillsTheBoundsAndRestoresThePen)
{
    TMarkupFixture f;
    f.Canvas.SetPenColor(kBlue);
    f.Draw("<BODY bgcolor=\"clYellow\">a", {10, 10, 60, 40});
    const auto rects = f.OpsOf(TCanvasOp::kRect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Rect, (TRect{8, 10, 60, 40}));
    EXPECT_EQ(rects[0].Pen, kYellow);
    EXPECT_EQ(f.Canvas.PenColor(), kBlue);
    EXPECT_EQ(f.Texts().at(0).Fill, kYellow);
}

TEST(PageBackgroundTag, VerticalGradientUnlessTheDirectionIsH)
{
    TMarkupFixture f;
    f.Draw("<BODY bgcolor=\"clRed\" bgcolorto=\"clBlue\" dir=\"v\">a", {0, 0, 50, 64});
    const auto rects = f.OpsOf(TCanvasOp::kRect);
    ASSERT_EQ(rects.size(), 64u);
    EXPECT_EQ(rects[1].Rect, (TRect{0, 1, 50, 3}));
}

TEST(PageBackgroundTag, PictureIsTiledOverTheBoundsClipped)
{
    TMarkupFixture f;
    f.Draw("<BODY background=\"FILE://p\">", {0, 0, 50, 100});
    std::vector<TPoint> corners;
    for (const auto& op : f.OpsOf(TCanvasOp::kPicture))
        corners.push_back({op.Rect.Left, op.Rect.Top});
    EXPECT_EQ(corners, (std::vector<TPoint>{{0, 0}, {24, 0}, {48, 0}, {0, 48}, {24, 48}, {48, 48}, {0, 96}, {24, 96}, {48, 96}}));
    EXPECT_EQ(f.OpsOf(TCanvasOp::kClip).at(0).Rect, (TRect{0, 0, 50, 100}));
    EXPECT_EQ(f.Canvas.ClipDepth(), 0);
}

TEST(PageBackgroundTag, TopRightPictureIsDrawnOnceAtTheRightEdge)
{
    TMarkupFixture f;
    f.Draw("<BODY bgtopright=\"FILE://p\">", {0, 0, 50, 100});
    const auto pictures = f.OpsOf(TCanvasOp::kPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].Rect, (TRect{26, 0, 50, 48}));
}

// ---- images -------------------------------------------------------------------------------

struct TImageCase {
    const char* name;
    const char* text;
    int boundsRight;
    std::vector<TRect> pictures;
    Strings placed;
    int height;
};

class ImageTagTest : public testing::TestWithParam<TImageCase> {};

TEST_P(ImageTagTest, PlacesPicturesAndText)
{
    TMarkupFixture f;
    EXPECT_EQ(f.Draw(GetParam().text, {0, 0, GetParam().boundsRight, 200}).Height, GetParam().height);
    std::vector<TRect> pictures;
    for (const auto& op : f.OpsOf(TCanvasOp::kPicture))
        pictures.push_back(op.Rect);
    EXPECT_EQ(pictures, GetParam().pictures);
    EXPECT_EQ(f.Placed(), GetParam().placed);
}

// Every picture is 24 x 48 pixels.
INSTANTIATE_TEST_SUITE_P(
    Cases, ImageTagTest,
    testing::Values(
        TImageCase{"NaturalSize", "<IMG src=\"FILE://p\">ab", 200, {{1, 0, 25, 48}}, {"ab@25,28"}, 50},
        // Line width 40: "abcd" takes 20, so the picture begins the next line.
        TImageCase{"PushedToTheNextLine", "abcd<IMG src=\"FILE://p\">", 41, {{1, 20, 25, 68}}, {"abcd@1,0"}, 70},
        // Wider than the whole line: stays where it is.
        TImageCase{"WiderThanTheLineStays", "ab<IMG src=\"FILE://p\">", 21, {{11, 0, 35, 48}}, {"ab@1,28"}, 50},
        TImageCase{"Stretched", "<IMG src=\"FILE://p\" width=\"10\" height=\"12\">ab", 200, {{1, 0, 11, 12}},
                   {"ab@11,0"}, 22},
        // The adjustment measured for the line lifts the runs before the picture too.
        TImageCase{"AlignTop", "ab<IMG src=\"FILE://p\" align=\"top\">cd", 200, {{11, 0, 35, 48}},
                   {"ab@1,0", "cd@35,0"}, 50},
        TImageCase{"AlignMiddle", "ab<IMG src=\"FILE://p\" align=\"middle\">cd", 200, {{11, 0, 35, 48}},
                   {"ab@1,14", "cd@35,14"}, 50},
        TImageCase{"WrapKeepsTheLineLow", "<IMG src=\"FILE://p\" wrap>ab<BR>cd", 200, {{1, 0, 25, 48}},
                   {"ab@25,0", "cd@1,20"}, 42},
        TImageCase{"UnresolvedTakesNoRoom", "<IMG src=\"FILE://missing\">ab", 200, {}, {"ab@1,0"}, 22},
        TImageCase{"NoSourceTakesNoRoom", "<IMG>ab", 200, {}, {"ab@1,0"}, 22}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageTag, StretchedPictureIsSetToStretch)
{
    TMarkupFixture f;
    f.Draw("<IMG src=\"FILE://p\" width=\"10\" height=\"12\">");
    ASSERT_EQ(f.Cache.Count(), 1);
    EXPECT_TRUE(f.Cache[0].Stretch());
    EXPECT_TRUE(f.OpsOf(TCanvasOp::kPicture).at(0).Stretched);
}

TEST(ImageTag, SizeIsScaledToTheSurfaceResolution)
{
    TMarkupFixture f;
    f.Canvas.PixelsPerInch = 120;
    f.Draw("<IMG src=\"FILE://p\">ab");
    EXPECT_EQ(f.Placed(), (Strings{"ab@31,40"}));  // 24 x 48 become 30 x 60
}

TEST(ImageTag, ShellIconIsDrawnAtTheCurrentPositionAndTakesItsSize)
{
    TMarkupFixture f;
    f.Draw("a<IMG src=\"SSYS:3\">b");
    ASSERT_EQ(f.ShellIcons.Drawn.size(), 1u);  // drawn in the drawing pass only
    EXPECT_EQ(f.ShellIcons.Drawn[0], (TPoint{6, 0}));
    EXPECT_EQ(f.Placed(), (Strings{"a@1,0", "b@22,0"}));
}

namespace {

// Three images of 16 x 12 pixels; records which were drawn where.
class TThreeImages : public TImageList {
public:
    int Count() const override { return 3; }
    int Width() const override { return 16; }
    int Height() const override { return 12; }
    void Draw(TCanvas&, int x, int y, int index) const override { Drawn.push_back({x, y, index}); }
    struct TDrawn {
        int X, Y, Index;
        friend bool operator==(const TDrawn&, const TDrawn&) = default;
    };
    mutable std::vector<TDrawn> Drawn;
};

}  // namespace

TEST(ImageTag, ImageListImagesBelowTheCountTakeTheListsImageSize)
{
    TMarkupFixture f;
    TThreeImages images;
    DrawMarkup(f.Canvas, "a<IMG src=\"IDX:2\">b<IMG src=\"IDX:3\">c", {0, 0, 200, 100}, &images, nullptr, &f.Cache,
               clNone, 0, clNone, true, false);
    EXPECT_EQ(images.Drawn, (std::vector<TThreeImages::TDrawn>{{6, 0, 2}}));
    EXPECT_EQ(f.Placed(), (Strings{"a@1,0", "b@22,0", "c@27,0"}));
}
