#include "markup/GdiCanvas.h"
#include "markup/GdiFonts.h"
#include "markup/Gradient.h"
#include "markup/MarkupEngine.h"
#include "markup/MarkupPictures.h"
#include "markup/Win32PicturePlatform.h"

#include "BitmapSurface.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class GdiCanvas : public ::testing::Test {
protected:
    static void SetUpTestSuite() { UseWin32PicturePlatform(); }
};

TEST_F(GdiCanvas, LeavesTheDeviceContextAsItFoundIt)
{
    TBitmapSurface surface(50, 50);
    HDC dc = surface.DC();
    TGdiObject<HFONT> font(::CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    TGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    ::SelectObject(dc, font.get());
    ::SelectObject(dc, pen.get());
    ::SetTextColor(dc, RGB(4, 5, 6));
    ::SetBkMode(dc, TRANSPARENT);
    std::vector<HGDIOBJ> made;
    {
        TGdiCanvas canvas(dc);
        canvas.SetFont(TFontDesc{"Tahoma", 12, fsBold, RGBColor(255, 0, 0)});
        canvas.SelectRotatedFont(900);
        canvas.SetPenWidth(3);
        canvas.SetBrushColor(clBtnFace);
        canvas.ClipToRect(TRect{5, 5, 20, 20});
        canvas.Rectangle(TRect{0, 0, 50, 50});
        made.push_back(::GetCurrentObject(dc, OBJ_FONT));  // the turned font
        made.push_back(::GetCurrentObject(dc, OBJ_PEN));   // the wide pen
        canvas.SelectRotatedFont(450);                     // replaces the turned font
        canvas.SetPenColor(RGBColor(9, 9, 9));             // and another wide pen
        canvas.Rectangle(TRect{0, 0, 50, 50});
        made.push_back(::GetCurrentObject(dc, OBJ_FONT));
        made.push_back(::GetCurrentObject(dc, OBJ_PEN));
        EXPECT_EQ(::GetObjectType(made[0]), 0u);  // replaced ones are deleted at once
        EXPECT_EQ(::GetObjectType(made[1]), 0u);
        EXPECT_EQ(::GetObjectType(made[2]), static_cast<DWORD>(OBJ_FONT));
        EXPECT_EQ(::GetObjectType(made[3]), static_cast<DWORD>(OBJ_PEN));
    }
    // What the canvas made for itself is gone with it.
    for (HGDIOBJ object : made)
        EXPECT_EQ(::GetObjectType(object), 0u);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font.get());
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen.get());
    EXPECT_EQ(::GetTextColor(dc), RGB(4, 5, 6));
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    TGdiObject<HRGN> clip(::CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(::GetClipRgn(dc, clip.get()), 0);  // no clip left behind
}

TEST_F(GdiCanvas, ClipLimitsDrawingUntilRestored)
{
    TBitmapSurface surface(60, 30);
    TGdiCanvas canvas(surface.DC());
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(clBlack);
    canvas.ClipToRect(TRect{10, 0, 40, 30});
    canvas.ClipToRect(TRect{0, 0, 20, 30});  // within the clip in force: 10..20
    canvas.Rectangle(TRect{0, 0, 60, 10});
    canvas.RestoreClip();
    canvas.Rectangle(TRect{0, 10, 60, 20});
    canvas.RestoreClip();
    canvas.Rectangle(TRect{0, 20, 60, 30});
    const RECT first = surface.BoundsOf([&](TRgb c) { return IsDark(c); });
    EXPECT_EQ(first.top, 0);
    auto rowBounds = [&](int y) {
        int left = -1, right = -1;
        for (int x = 0; x < surface.Width(); ++x)
            if (IsDark(surface.At(x, y))) {
                if (left < 0)
                    left = x;
                right = x + 1;
            }
        return std::pair{left, right};
    };
    EXPECT_EQ(rowBounds(5), (std::pair{10, 20}));
    EXPECT_EQ(rowBounds(15), (std::pair{10, 40}));
    EXPECT_EQ(rowBounds(25), (std::pair{0, 60}));
}

TEST_F(GdiCanvas, SolidBrushGivesTextAnOpaqueBackgroundUntilBkModeIsSet)
{
    TBitmapSurface surface(120, 60);
    TGdiCanvas canvas(surface.DC());
    canvas.SetFont(TFontDesc{"Tahoma", 10, 0, clBlack});
    canvas.SetBrushColor(RGBColor(0, 0, 255));
    TRect first{0, 0, 120, 20};
    canvas.DrawTextRectEx("Mail", first, TextFlags::SingleLine);
    canvas.SetBkMode(TBkMode::bkTransparent);
    TRect second{0, 30, 120, 50};
    canvas.DrawTextRectEx("Mail", second, TextFlags::SingleLine);
    EXPECT_GT(surface.Count([](TRgb c) { return IsBluish(c); }), 20);
    const RECT blue = surface.BoundsOf([](TRgb c) { return IsBluish(c); });
    EXPECT_LT(blue.bottom, 30);  // only the first text has a background
}

// Draws and measures text on a canvas and with the system's DrawTextExA on two surfaces
// prepared alike, and expects the same pixels, heights and measured rectangle.
void ExpectLaidOutAsDrawTextEx(const TFontDesc& font, const std::string& text, unsigned flags, const TRect& rect,
                               bool opaque, const std::function<void(HDC)>& prepare = [](HDC) {})
{
    using namespace TextFlags;
    TBitmapSurface mine(160, 50), system(160, 50);
    prepare(mine.DC());
    prepare(system.DC());
    const TRect moved{rect.Left + 3, rect.Top + 2, rect.Right + 3, rect.Bottom + 2};
    TRect drawn = rect, measured = rect, measuredMoved = moved;
    int drawnHeight = 0, measuredHeight = 0;
    {
        TGdiCanvas canvas(mine.DC());
        canvas.SetFont(font);
        canvas.SetBrushColor(opaque ? RGBColor(0, 200, 0) : clNone);
        drawnHeight = canvas.DrawTextRectEx(text, drawn, flags);
        measuredHeight = canvas.DrawTextRectEx(text, measured, flags | ExternalLeading | CalcRect);
        canvas.DrawTextRectEx(text, measuredMoved, flags | ExternalLeading | CalcRect);  // measured before
    }
    const LOGFONTA logical = LogicalFont(font, ::GetDeviceCaps(system.DC(), LOGPIXELSY));
    TGdiObject<HFONT> made(::CreateFontIndirectA(&logical));
    TScopedSelectObject selected(system.DC(), made.get());
    ::SetTextColor(system.DC(), GdiColor(font.Color));
    ::SetBkColor(system.DC(), RGB(0, 200, 0));
    ::SetBkMode(system.DC(), opaque ? OPAQUE : TRANSPARENT);
    std::string buffer = text;
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    const int expectedDrawn = ::DrawTextExA(system.DC(), buffer.data(), static_cast<int>(buffer.size()), &r, flags, nullptr);
    RECT m{rect.Left, rect.Top, rect.Right, rect.Bottom};
    const int expectedMeasured = ::DrawTextExA(system.DC(), buffer.data(), static_cast<int>(buffer.size()), &m,
                                               flags | ExternalLeading | CalcRect, nullptr);
    EXPECT_EQ(drawnHeight, expectedDrawn);
    EXPECT_EQ(measuredHeight, expectedMeasured);
    EXPECT_EQ(measured, (TRect{m.left, m.top, m.right, m.bottom}));
    RECT mm{moved.Left, moved.Top, moved.Right, moved.Bottom};
    ::DrawTextExA(system.DC(), buffer.data(), static_cast<int>(buffer.size()), &mm, flags | ExternalLeading | CalcRect,
                  nullptr);
    EXPECT_EQ(measuredMoved, (TRect{mm.left, mm.top, mm.right, mm.bottom}));
    int differing = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 160; ++x) {
            const TRgb a = mine.At(x, y), b = system.At(x, y);
            differing += (a.R != b.R || a.G != b.G || a.B != b.B) ? 1 : 0;
        }
    EXPECT_EQ(differing, 0);
}

// The canvas lays out plain single lines itself; they must come out exactly as the
// system's DrawTextExA lays them out, drawn and measured.
TEST_F(GdiCanvas, LinesComeOutAsDrawTextExLaysThemOut)
{
    using namespace TextFlags;
    const TFontDesc fonts[] = {{"Arial", 12, 0, clBlack},
                               {"Arial", 12, fsBold | fsItalic | fsUnderline, RGBColor(200, 0, 0)},
                               {"MS Sans Serif", 8, 0, clBlack},
                               {"Times New Roman", 14, fsStrikeOut, RGBColor(0, 0, 160)}};
    const char* texts[] = {"Mail", "Mail ", " ", "Outlook Express", "\xA7 \x89 \xAE \x80", "Notes & Tasks", "A&B"};
    const unsigned flagSets[] = {Bottom | SingleLine | ExpandTabs, Bottom | SingleLine | ExpandTabs | NoPrefix,
                                 SingleLine, Bottom | SingleLine | ExpandTabs | EndEllipsis};
    const TRect rects[] = {{5, 7, 150, 40}, {5, 7, 30, 30}};
    for (const TFontDesc& font : fonts)
        for (const char* text : texts)
            for (unsigned flags : flagSets)
                for (const TRect& rect : rects)
                    for (bool opaque : {false, true}) {
                        SCOPED_TRACE(font.Name + " '" + text + "' flags " + std::to_string(flags) + " width " +
                                     std::to_string(rect.Width()) + (opaque ? " opaque" : ""));
                        ExpectLaidOutAsDrawTextEx(font, text, flags, rect, opaque);
                    }
}

// Lines on device contexts that someone else set up: other text alignments, mapping modes
// and origins, and rectangles with no room.
TEST_F(GdiCanvas, LinesFollowTheDeviceContextAsDrawTextExDoes)
{
    using namespace TextFlags;
    struct TSetup {
        const char* Name;
        std::function<void(HDC)> Prepare;
    };
    const TSetup setups[] = {
        {"baseline alignment", [](HDC dc) { ::SetTextAlign(dc, TA_BASELINE); }},
        {"right alignment", [](HDC dc) { ::SetTextAlign(dc, TA_RIGHT); }},
        {"current position", [](HDC dc) { ::SetTextAlign(dc, TA_UPDATECP); ::MoveToEx(dc, 3, 4, nullptr); }},
        {"viewport origin", [](HDC dc) { ::SetViewportOrgEx(dc, 4, 3, nullptr); }},
        {"upward y axis",
         [](HDC dc) {
             ::SetMapMode(dc, MM_ANISOTROPIC);
             ::SetWindowExtEx(dc, 1, 1, nullptr);
             ::SetViewportExtEx(dc, 1, -1, nullptr);
             ::SetViewportOrgEx(dc, 0, 50, nullptr);
         }},
        {"character spacing", [](HDC dc) { ::SetTextCharacterExtra(dc, 2); }},
        {"world transform",
         [](HDC dc) {
             ::SetGraphicsMode(dc, GM_ADVANCED);
             const XFORM flipped{1.0f, 0.0f, 0.0f, -1.0f, 0.0f, 48.0f};
             ::SetWorldTransform(dc, &flipped);
         }},
        {"scaled", [](HDC dc) {
             ::SetMapMode(dc, MM_ANISOTROPIC);
             ::SetWindowExtEx(dc, 2, 2, nullptr);
             ::SetViewportExtEx(dc, 3, 3, nullptr);
         }},
    };
    const TFontDesc font{"Arial", 12, 0, clBlack};
    for (const TSetup& setup : setups)
        for (unsigned flags : {Bottom | SingleLine | ExpandTabs | NoPrefix, SingleLine})
            for (const TRect& rect : {TRect{5, 7, 150, 40}, TRect{5, 40, 150, 7}})
                for (bool opaque : {false, true}) {
                    SCOPED_TRACE(std::string(setup.Name) + " flags " + std::to_string(flags) + " rect top " +
                                 std::to_string(rect.Top) + (opaque ? " opaque" : ""));
                    ExpectLaidOutAsDrawTextEx(font, "Outlook Express", flags, rect, opaque, setup.Prepare);
                }
}

TEST_F(GdiCanvas, TurnedFontDrawsUpwardsUntilTurnedBack)
{
    TBitmapSurface turned(200, 200), plain(200, 200);
    for (TBitmapSurface* surface : {&turned, &plain}) {
        TGdiCanvas canvas(surface->DC());
        canvas.SetFont(TFontDesc{"Arial", 12, 0, clBlack});
        if (surface == &turned)
            canvas.SelectRotatedFont(900);
        TRect rect{20, 20, 180, 180};
        canvas.DrawTextRectEx("Outlook", rect, TextFlags::Bottom | TextFlags::SingleLine);
        canvas.RestoreUnrotatedFont();
        TRect after{20, 20, 180, 180};
        canvas.SetFontColor(RGBColor(255, 0, 0));
        canvas.DrawTextRectEx("Mail", after, TextFlags::SingleLine);
    }
    const RECT up = turned.BoundsOf(IsDark);
    const RECT across = plain.BoundsOf(IsDark);
    EXPECT_GT(up.bottom - up.top, up.right - up.left);
    EXPECT_GT(across.right - across.left, across.bottom - across.top);
    const RECT red = turned.BoundsOf(IsReddish);  // drawn after turning back: across again
    EXPECT_GT(red.right - red.left, red.bottom - red.top);
}

TEST_F(GdiCanvas, SixtyFourGradientStripsCoverAHundredPixelsExactly)
{
    TBitmapSurface surface(110, 10);
    TGdiCanvas canvas(surface.DC());
    const TColor from = RGBColor(0, 0, 0);
    const TColor to = RGBColor(252, 126, 63);
    DrawGradient(canvas, from, to, clNone, 64, TRect{0, 0, 100, 10}, true);

    // Every column shows the last strip that covers it; strips are 2 pixels wide.
    std::vector<int> strip(100, -1);
    for (int i = 0; i < 64; ++i) {
        const int left = static_cast<int>(RoundHalfEven(i * 100.0 / 64));
        for (int x = left; x < std::min(100, left + 2); ++x)
            strip[static_cast<std::size_t>(x)] = i;
    }
    for (int x = 0; x < 100; ++x) {
        const int i = strip[static_cast<std::size_t>(x)];
        ASSERT_GE(i, 0) << x;
        const TRgb c = surface.At(x, 5);
        EXPECT_EQ(c.R, static_cast<int>(RoundHalfEven(i * 3.9375))) << x;
        EXPECT_EQ(c.G, static_cast<int>(RoundHalfEven(i * 1.96875))) << x;
        EXPECT_EQ(c.B, static_cast<int>(RoundHalfEven(i * 0.984375))) << x;
        EXPECT_FALSE(surface.IsWhite(x, 0)) << x;
        EXPECT_FALSE(surface.IsWhite(x, 9)) << x;
    }
    for (int x = 100; x < 110; ++x)
        EXPECT_TRUE(surface.IsWhite(x, 5)) << x;
}

TEST_F(GdiCanvas, CaptionWithBoldColourAndLineBreak)
{
    const TRect bounds{10, 10, 190, 90};
    auto paint = [&](TBitmapSurface& surface, const std::string& caption) {
        TGdiCanvas canvas(surface.DC());
        // Arial (Liberation Sans under Wine) has a bold face that renders visibly bolder.
        canvas.SetFont(TFontDesc{"Arial", 12, 0, clBlack});
        TMarkupPictureCache cache;
        const TMarkupExtent measured =
            DrawMarkup(canvas, caption, bounds, nullptr, nullptr, &cache, RGBColor(128, 128, 128), 1, RGBColor(0, 0, 255), true, true);
        const TMarkupExtent drawn =
            DrawMarkup(canvas, caption, bounds, nullptr, nullptr, &cache, RGBColor(128, 128, 128), 1, RGBColor(0, 0, 255), true, false);
        EXPECT_EQ(measured, drawn);
        return drawn;
    };

    TBitmapSurface marked(200, 100);
    const TMarkupExtent extent = paint(marked, "<B>Mail</B><BR><FONT color=\"clRed\">Outlook</FONT>");
    TBitmapSurface plain(200, 100);
    paint(plain, "Mail<BR>Outlook");

    const RECT ink = marked.BoundsOf(IsNotWhite);
    const RECT dark = marked.BoundsOf(IsDark);
    const RECT red = marked.BoundsOf(IsReddish);
    ASSERT_GT(marked.Count(IsReddish), 10);
    ASSERT_GT(marked.Count(IsDark), 10);
    // Nothing outside the bounds, nor outside the measured extent.
    EXPECT_GE(ink.left, bounds.Left);
    EXPECT_GE(ink.top, bounds.Top);
    EXPECT_LE(ink.right, bounds.Left + extent.Width);
    EXPECT_LE(ink.bottom, bounds.Top + extent.Height);
    // "Mail" in black on the first line, "Outlook" in red on the second.
    EXPECT_LE(dark.bottom, red.top);
    EXPECT_GT(red.right - red.left, dark.right - dark.left);
    // The bold first line is wider than the plain one.
    auto firstLineWidth = [&](const TBitmapSurface& surface) {
        int left = surface.Width(), right = 0;
        for (int y = bounds.Top; y < red.top; ++y)
            for (int x = 0; x < surface.Width(); ++x)
                if (IsDark(surface.At(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        return right - left;
    };
    EXPECT_GT(firstLineWidth(marked), firstLineWidth(plain));
    EXPECT_EQ(plain.Count(IsReddish), 0);
}

}  // namespace
