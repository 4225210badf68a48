#include "markup/GdiCanvas.h"
#include "markup/MarkupEngine.h"
#include "markup/MarkupPictures.h"
#include "markup/Win32PicturePlatform.h"

#include "base/Exception.h"
#include "tests/support/WinTestSupport.h"

#include "BitmapSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string fixtures = TAVORIN_SOURCE_DIR "/tests/fixtures/markup/";
const TRect bounds{20, 10, 180, 90};

class GdiPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { UseWin32PicturePlatform(); }

    // Draws caption into a fresh white surface; the line starts one pixel right of bounds.
    TMarkupExtent Paint(TBitmapSurface& surface, const std::string& caption, TMarkupPictureCache& cache)
    {
        TGdiCanvas canvas(surface.DC());
        canvas.SetFont(TFontDesc{"Arial", 10, 0, clBlack});
        return DrawMarkup(canvas, caption, bounds, nullptr, nullptr, &cache, clBlack, 1, clBlack, true, false);
    }
};

std::string Image(const std::string& source, const std::string& size = "")
{
    return "<IMG src=\"" + source + "\"" + size + ">";
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

TEST_F(GdiPictures, FileBitmapAndJpegAtNaturalSizeAndStretched)
{
    struct TCase {
        const char* File;
        const char* Size;
        int Width, Height;
        bool TwoColours;  // red left half, blue right half
    } cases[] = {
        {"picture.bmp", "", 12, 8, true},
        {"picture.bmp", " width=\"24\" height=\"16\"", 24, 16, true},
        {"picture.jpg", "", 16, 12, false},
        {"picture.jpg", " width=\"40\" height=\"30\"", 40, 30, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.File) + c.Size);
        TBitmapSurface surface(200, 100);
        TMarkupPictureCache cache;
        const TMarkupExtent extent = Paint(surface, Image("FILE://" + fixtures + c.File, c.Size), cache);
        const RECT ink = surface.BoundsOf(IsNotWhite);
        EXPECT_EQ(ink.left, bounds.Left + 1);
        EXPECT_EQ(ink.top, bounds.Top);
        EXPECT_EQ(Width(ink), c.Width);
        EXPECT_EQ(Height(ink), c.Height);
        EXPECT_EQ(extent.Width, c.Width + 2);
        if (c.TwoColours) {
            const RECT red = surface.BoundsOf(IsReddish);
            const RECT blue = surface.BoundsOf(IsBluish);
            EXPECT_EQ(red.left, ink.left);
            EXPECT_EQ(Width(red), c.Width / 2);
            EXPECT_EQ(blue.left, red.right);
            EXPECT_EQ(blue.right, ink.right);
        } else {
            EXPECT_EQ(surface.Count(IsGreenish), c.Width * c.Height);
        }
    }
}

TEST_F(GdiPictures, SourceUsedOnEveryPaintIsLoadedOnce)
{
    TTempFolder folder;
    const std::string copy = folder.File("logo.bmp");
    ASSERT_TRUE(::CopyFileA((fixtures + "picture.bmp").c_str(), copy.c_str(), FALSE));
    const std::string caption = "Mail " + Image("FILE://" + copy);
    TMarkupPictureCache cache;
    {
        TBitmapSurface surface(200, 100);
        Paint(surface, caption, cache);
        EXPECT_EQ(surface.Count(IsReddish), 6 * 8);
    }
    ASSERT_TRUE(::DeleteFileA(copy.c_str()));
    for (int paint = 0; paint < 3; ++paint) {
        TBitmapSurface surface(200, 100);
        Paint(surface, caption, cache);
        EXPECT_EQ(surface.Count(IsReddish), 6 * 8) << paint;  // drawn from the cache, file gone
    }
    EXPECT_EQ(cache.Count(), 1);

    TMarkupPictureCache freshCache;  // another button: the file is gone, nothing shows
    TBitmapSurface surface(200, 100);
    Paint(surface, caption, freshCache);
    EXPECT_EQ(surface.Count(IsReddish), 0);
    ASSERT_EQ(freshCache.Count(), 1);
    EXPECT_TRUE(freshCache[0].Empty());
}

TEST_F(GdiPictures, AnimatedGifShowsItsFirstFrameAtItsOffsetAndTakesTheScreenSize)
{
    TBitmapSurface surface(200, 100);
    TMarkupPictureCache cache;
    const TMarkupExtent extent = Paint(surface, Image("FILE://" + fixtures + "animated.gif") + "|", cache);
    const RECT red = surface.BoundsOf(IsReddish);
    EXPECT_EQ(red.left, bounds.Left + 1 + 5);
    EXPECT_EQ(red.top, bounds.Top + 3);
    EXPECT_EQ(Width(red), 6);
    EXPECT_EQ(Height(red), 4);
    EXPECT_EQ(surface.Count(IsBluish), 0);  // the second frame is not shown
    // The 20 x 10 logical screen pushes the following text right by 20 pixels.
    const RECT bar = surface.BoundsOf([&](TRgb c) { return IsDark(c); });
    EXPECT_GE(bar.left, bounds.Left + 1 + 20);
    EXPECT_LE(bar.left, bounds.Left + 1 + 20 + 3);
    EXPECT_GE(extent.Width, 20 + 2);
}

TEST_F(GdiPictures, SelectedGifFrameDecodesThatFrameAtItsOffset)
{
    TMarkupPicture picture;
    picture.LoadFromFile(fixtures + "animated.gif");
    picture.SetFrame(2);
    EXPECT_EQ(picture.FrameOffset(), (TPoint{12, 2}));
    EXPECT_EQ(picture.Width(), 20);  // still the logical screen
    TBitmapSurface surface(100, 50);
    {
        TGdiCanvas canvas(surface.DC());
        canvas.Draw(30 + picture.FrameOffset().X, 10 + picture.FrameOffset().Y, picture);
    }
    const RECT blue = surface.BoundsOf(IsBluish);
    EXPECT_EQ(blue.left, 42);
    EXPECT_EQ(blue.top, 12);
    EXPECT_EQ(Width(blue), 4);
    EXPECT_EQ(Height(blue), 4);
    EXPECT_EQ(surface.Count(IsReddish), 0);
}

TEST_F(GdiPictures, PageBackgroundPictureIsTiledWithinTheBounds)
{
    // 12 x 8 tiles, red left half and blue right half, over bounds of 160 x 80.
    TBitmapSurface surface(200, 100);
    TMarkupPictureCache cache;
    Paint(surface, "<BODY background=\"FILE://" + fixtures + "picture.bmp\">", cache);
    const RECT ink = surface.BoundsOf(IsNotWhite);
    EXPECT_EQ(ink.left, bounds.Left);
    EXPECT_EQ(ink.top, bounds.Top);
    EXPECT_EQ(ink.right, bounds.Right);
    EXPECT_EQ(ink.bottom, bounds.Bottom);
    for (int y = bounds.Top; y < bounds.Bottom; y += 7)
        for (int x = bounds.Left; x < bounds.Right; x += 5) {
            const bool leftHalf = (x - bounds.Left) % 12 < 6;
            const TRgb c = surface.At(x, y);
            EXPECT_TRUE(leftHalf ? IsReddish(c) : IsBluish(c)) << x << "," << y;
        }
}

TEST_F(GdiPictures, ResourcePictureLoadsAndAnUndecodableOneReportsOnce)
{
    TMarkupPictureCache cache;
    {
        TBitmapSurface surface(200, 100);
        Paint(surface, Image("RES://LOGO"), cache);
        EXPECT_EQ(surface.Count(IsReddish), 6 * 8);
        EXPECT_EQ(surface.Count(IsBluish), 6 * 8);
    }
    TBitmapSurface surface(200, 100);
    try {
        Paint(surface, Image("RES://BROKEN", " width=\"30\" height=\"30\"") + "Mail", cache);
        ADD_FAILURE() << "no error raised";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Could not load image. Invalid format");
    }
    TBitmapSurface again(200, 100);
    EXPECT_NO_THROW(Paint(again, Image("RES://BROKEN") + "Mail", cache));
    EXPECT_GT(again.Count(IsDark), 0);  // the text still shows; the picture draws nothing
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_FALSE(cache[1].Empty());
    EXPECT_EQ(cache[1].Width(), 0);
}

TEST_F(GdiPictures, ShellIconsOfAFileTypeAndOfAnIndex)
{
    // A folder that exists shows its icon, and the icon's index in the shell's list names
    // the same icon.
    std::string folder = fixtures;
    folder.pop_back();
    std::replace(folder.begin(), folder.end(), '/', '\\');
    const int index = TWin32ShellIcons().IconIndexOf(folder);
    ASSERT_GT(index, 0);
    auto paint = [&](const std::string& source, TBitmapSurface& surface) {
        TMarkupPictureCache cache;
        return Paint(surface, Image(source), cache);
    };
    for (const char* prefix : {"SSYS:", "LSYS:"}) {
        SCOPED_TRACE(prefix);
        const int size = prefix[0] == 'L' ? 32 : 16;
        TBitmapSurface byType(200, 100);
        TBitmapSurface byIndex(200, 100);
        EXPECT_EQ(paint(prefix + folder, byType).Width, size + 2);
        EXPECT_EQ(paint(prefix + std::to_string(index), byIndex).Width, size + 2);
        const RECT ink = byType.BoundsOf(IsNotWhite);
        ASSERT_GT(Width(ink), 0);
        EXPECT_GE(ink.left, bounds.Left + 1);
        EXPECT_GE(ink.top, bounds.Top);
        EXPECT_LE(ink.right, bounds.Left + 1 + size);
        EXPECT_LE(ink.bottom, bounds.Top + size);
        bool same = true;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x) {
                const TRgb a = byType.At(x, y), b = byIndex.At(x, y);
                same = same && a.R == b.R && a.G == b.G && a.B == b.B;
            }
        EXPECT_TRUE(same);
    }

    // A file that does not exist shows the icon of its type.
    TBitmapSurface byType(200, 100);
    EXPECT_EQ(paint("SSYS:readme-that-does-not-exist.txt", byType).Width, 16 + 2);
    const RECT ink = byType.BoundsOf(IsNotWhite);
    EXPECT_GT(Width(ink), 0);
    EXPECT_LE(ink.right, bounds.Left + 1 + 16);
}

}  // namespace
