#include "markup/Gradient.h"
#include "markup/TestCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TCanvasOp> Rects(const TTestCanvas& canvas)
{
    std::vector<TCanvasOp> rects;
    for (const TCanvasOp& op : canvas.Ops) {
        if (op.Kind == TCanvasOp::kRect)
            rects.push_back(op);
    }
    return rects;
}

TEST(Gradient, RoundsHalvesToEven)
{
    struct TCase {
        double Value;
        long long Rounded;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.4999, 2}, {2.5001, 3}, {-0.5, 0}, {-1.5, -2}, {-2.6, -3}};
    for (const TCase& c : cases)
        EXPECT_EQ(RoundHalfEven(c.Value), c.Rounded) << c.Value;
}

TEST(Gradient, SixtyFourStepsOverAHundredPixelsOverlapByOnePixel)
{
    TTestCanvas canvas;
    DrawGradient(canvas, RGBColor(0, 0, 0), RGBColor(252, 126, 63), clNone, 64, TRect{10, 5, 110, 25}, true);
    const std::vector<TCanvasOp> strips = Rects(canvas);
    ASSERT_EQ(strips.size(), 64u);
    for (int i = 0; i < 64; ++i) {
        const TCanvasOp& strip = strips[static_cast<std::size_t>(i)];
        const int left = 10 + static_cast<int>(RoundHalfEven(i * 100.0 / 64));
        EXPECT_EQ(strip.Rect, (TRect{left, 5, std::min(110, left + 2), 25})) << i;
        // Channel deltas 3.9375, 1.96875, 0.984375 per step, rounded halves to even.
        const TColor expected = RGBColor(static_cast<int>(RoundHalfEven(i * 3.9375)),
                                         static_cast<int>(RoundHalfEven(i * 1.96875)),
                                         static_cast<int>(RoundHalfEven(i * 0.984375)));
        EXPECT_EQ(strip.Pen, expected) << i;
        EXPECT_EQ(strip.Fill, expected) << i;
        EXPECT_FALSE(strip.BrushClear) << i;
        if (i > 0) {
            EXPECT_LE(strip.Rect.Left, strips[static_cast<std::size_t>(i - 1)].Rect.Right) << i;  // no gap
        }
    }
    EXPECT_EQ(strips[1].Rect.Left, 12);  // 1.5625 rounds to 2
    EXPECT_EQ(strips[2].Rect.Left, 13);  // 3.125 rounds to 3
    EXPECT_EQ(strips.back().Rect, (TRect{108, 5, 110, 25}));
    EXPECT_EQ(strips.back().Pen, RGBColor(248, 124, 62));
}

TEST(Gradient, StripOffsetsAndColoursRoundHalvesToEven)
{
    // Strips 2.5 pixels apart: offsets 0, 2 (2.5), 5, 8 (7.5); red steps 2.5: 0, 2, 5, 8.
    TTestCanvas canvas;
    DrawGradient(canvas, RGBColor(0, 0, 0), RGBColor(10, 0, 0), clNone, 4, TRect{0, 0, 4, 10}, false);
    const std::vector<TCanvasOp> strips = Rects(canvas);
    ASSERT_EQ(strips.size(), 4u);
    const int tops[] = {0, 2, 5, 8};
    const int reds[] = {0, 2, 5, 8};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(strips[i].Rect, (TRect{0, tops[i], 4, std::min(10, tops[i] + 3)})) << i;
        EXPECT_EQ(strips[i].Fill, RGBColor(reds[i], 0, 0)) << i;
    }
}

TEST(Gradient, ZeroStepsFillOnceAndABorderIsDrawnWithAClearBrush)
{
    TTestCanvas canvas;
    DrawGradient(canvas, clBtnFace, RGBColor(200, 0, 0), RGBColor(1, 2, 3), 0, TRect{0, 0, 50, 20}, true);
    const std::vector<TCanvasOp> rects = Rects(canvas);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].Rect, (TRect{0, 0, 50, 20}));
    EXPECT_EQ(rects[0].Fill, canvas.ColorToRGB(clBtnFace));  // system colours resolved first
    EXPECT_EQ(rects[1].Rect, (TRect{0, 0, 50, 20}));
    EXPECT_EQ(rects[1].Pen, RGBColor(1, 2, 3));
    EXPECT_TRUE(rects[1].BrushClear);
}

TEST(Gradient, StripOffsetsWrapAtSixteenBits)
{
    TTestCanvas canvas;
    DrawGradient(canvas, clBlack, clWhite, clNone, 2, TRect{10, 0, 140010, 5}, true);
    const std::vector<TCanvasOp> strips = Rects(canvas);
    ASSERT_EQ(strips.size(), 2u);
    EXPECT_EQ(strips[1].Rect.Left, 10 + (70000 - 65536));
    EXPECT_EQ(strips[1].Rect.Right, 10 + (70000 - 65536) + 70001);
}

}  // namespace
