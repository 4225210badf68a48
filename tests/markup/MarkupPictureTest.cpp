#include "markup/MarkupPictures.h"
#include "markup/TestCanvas.h"

#include "PictureFakes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const TPictureBytes someBytes = {'B', 'M', 1, 2, 3};

void LoadBytes(TMarkupPicture& picture, const TPictureBytes& bytes)
{
    std::istringstream stream(std::string(bytes.begin(), bytes.end()));
    picture.LoadFromStream(stream);
}

TEST(MarkupPicture, NaturalSizeIsHimetricAtNinetySixPerInchRounded)
{
    struct TCase {
        int Himetric;
        int Pixels;
    } cases[] = {{2540, 96}, {1000, 38}, {1284, 49}, {1283, 48}, {26, 1}, {13, 0}, {0, 0}};
    for (const TCase& c : cases) {
        TFakePlatform fake;
        fake.Decoder.HimetricWidth = c.Himetric;
        fake.Decoder.HimetricHeight = c.Himetric * 2;
        TMarkupPicture picture(fake.Platform);
        LoadBytes(picture, someBytes);
        EXPECT_EQ(picture.Width(), c.Pixels) << c.Himetric;
        EXPECT_EQ(picture.Height(), (c.Himetric * 2 * 96 + 1270) / 2540) << c.Himetric;
    }
}

TEST(MarkupPicture, DrawsAtTheSurfaceResolutionOrStretched)
{
    TFakePlatform fake;  // 2540 x 1270 hundredths of a millimetre: one inch by half an inch
    TMarkupPicture picture(fake.Platform);
    LoadBytes(picture, someBytes);
    ASSERT_NE(fake.Decoder.Last, nullptr);
    TTestCanvas canvas;
    canvas.PixelsPerInch = 120;

    picture.DrawInto(canvas, TRect{10, 20, 30, 40});
    picture.SetStretch(true);
    picture.DrawInto(canvas, TRect{10, 20, 30, 40});
    ASSERT_EQ(fake.Decoder.Last->Rendered.size(), 2u);
    EXPECT_EQ(fake.Decoder.Last->Rendered[0], (TRect{10, 20, 130, 80}));
    EXPECT_EQ(fake.Decoder.Last->Rendered[1], (TRect{10, 20, 30, 40}));
    EXPECT_EQ(picture.Width(), 96);  // the natural size stays at 96 per inch
}

TEST(MarkupPicture, AnimatedGifTakesTheLogicalScreenAndItsFirstFrameOffset)
{
    TFakePlatform fake;
    const TPictureBytes gif = ReadFixture("animated.gif");
    TMarkupPicture picture(fake.Platform);
    int changes = 0;
    picture.OnFrameChange = [&](TMarkupPicture&) { ++changes; };
    LoadBytes(picture, gif);
    EXPECT_EQ(picture.FrameCount(), 2);
    EXPECT_EQ(picture.Width(), 20);
    EXPECT_EQ(picture.Height(), 10);
    EXPECT_EQ(picture.FrameOffset(), (TPoint{5, 3}));
    EXPECT_EQ(fake.Decoder.Decoded.back(), gif);

    picture.SetFrame(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fake.Decoder.Decoded.size(), 2u);
    EXPECT_LT(fake.Decoder.Decoded.back().size(), gif.size());
    EXPECT_EQ(picture.FrameOffset(), (TPoint{12, 2}));
    EXPECT_EQ(picture.Data(), gif);

    TMarkupPicture bitmap(fake.Platform);
    LoadBytes(bitmap, someBytes);
    EXPECT_EQ(bitmap.FrameCount(), -1);
    EXPECT_EQ(bitmap.FrameOffset(), (TPoint{0, 0}));
    EXPECT_EQ(bitmap.Width(), 96);
}

TEST(MarkupPicture, FrameSelectedBeforeLoadingIsUsedWhenTheDataArrives)
{
    TFakePlatform fake;
    TMarkupPicture picture(fake.Platform);
    picture.SetFrame(2);
    EXPECT_TRUE(fake.Decoder.Decoded.empty());
    LoadBytes(picture, ReadFixture("animated.gif"));
    EXPECT_EQ(picture.FrameOffset(), (TPoint{12, 2}));
}

TEST(MarkupPicture, LoadingFromUrls)
{
    struct TCase {
        const char* Url;
        bool Empty;
        int Reads;         // files read
        bool SourceIsUrl;  // the cache would find the picture by this URL
    } cases[] = {
        {"FILE://C:\\pics\\logo.bmp", false, 1, true},
        {"file://C:\\pics\\logo.bmp", false, 1, true},
        {"FILE://C:\\pics\\missing.bmp", true, 1, true},
        {"FILE://C:\\pics\\huge.bmp", true, 1, true},  // too large to read into memory
        {"FILE://", true, 0, true},
        {"RES://LOGO", false, 0, true},
        {"Res://logo2", true, 0, true},  // no such resource
        {"RES://", true, 0, true},
        {"http://example.com/logo.gif", true, 0, true},
    };
    for (const TCase& c : cases) {
        TFakePlatform fake;
        fake.Files.Files["C:\\pics\\logo.bmp"] = someBytes;
        fake.Files.OutOfMemory = "C:\\pics\\huge.bmp";
        fake.Resources.Resources["LOGO"] = someBytes;
        TMarkupPicture picture(fake.Platform);
        picture.SetAsynchronous(false);
        picture.LoadFromURL(c.Url);
        EXPECT_EQ(picture.Empty(), c.Empty) << c.Url;
        EXPECT_EQ(static_cast<int>(fake.Files.Reads.size()), c.Reads) << c.Url;
        EXPECT_EQ(picture.Source() == c.Url, c.SourceIsUrl) << c.Url;
        EXPECT_EQ(picture.URL(), c.Url);
        EXPECT_EQ(picture.Decoded(), !c.Empty) << c.Url;
    }
}

TEST(MarkupPicture, AsynchronousPictureOfAnotherSchemeGetsNoSource)
{
    TFakePlatform fake;
    TMarkupPicture picture(fake.Platform);
    picture.LoadFromURL("http://example.com/logo.gif");
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.URL(), "http://example.com/logo.gif");
    EXPECT_EQ(picture.Source(), "");
}

TEST(MarkupPicture, UndecodableFileStaysEmptyButUndecodableResourceRaises)
{
    TFakePlatform fake;
    fake.Files.Files["C:\\bad.bmp"] = someBytes;
    fake.Resources.Resources["BAD"] = someBytes;
    fake.Decoder.Failure = "Could not load image. Invalid format";

    TMarkupPicture file(fake.Platform);
    EXPECT_NO_THROW(file.LoadFromURL("FILE://C:\\bad.bmp"));
    EXPECT_TRUE(file.Empty());
    EXPECT_TRUE(file.Data().empty());

    TMarkupPicture resource(fake.Platform);
    try {
        resource.LoadFromURL("RES://BAD");
        ADD_FAILURE() << "no error raised";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Could not load image. Invalid format");
    }
    EXPECT_FALSE(resource.Empty());
    EXPECT_FALSE(resource.Decoded());
    EXPECT_EQ(resource.Source(), "RES://BAD");
    EXPECT_EQ(resource.Width(), 0);
    EXPECT_EQ(resource.Height(), 0);
    TTestCanvas canvas;
    resource.DrawInto(canvas, TRect{0, 0, 10, 10});  // nothing to render, and no crash
}

TEST(MarkupPicture, UnreadableFileRaisesWhenLoadedDirectly)
{
    TFakePlatform fake;
    TMarkupPicture picture(fake.Platform);
    EXPECT_THROW(picture.LoadFromFile("C:\\missing.bmp"), EInOutError);
    EXPECT_TRUE(picture.Empty());
}

// ---- cache, container, resolving ------------------------------------------------------

class TThreeImages : public TImageList {
public:
    int Count() const override { return 3; }
    int Width() const override { return 24; }
    int Height() const override { return 18; }
    void Draw(TCanvas&, int, int, int) const override {}
};

TEST(ResolvePicture, SourceForms)
{
    TFakePlatform fake;
    fake.Files.Files["C:\\logo.bmp"] = someBytes;
    TThreeImages images;
    TPictureContainer container;
    TPictureItem& logo = container.Items.Add(fake.Platform);
    logo.Name = "Logo";
    LoadBytes(logo.Picture(), someBytes);
    container.Items.Add(fake.Platform).Name = "Blank";  // never loaded: empty

    struct TCase {
        const char* Source;
        bool WithLists;  // image list and container given
        int ImageIndex;
        bool Icon;
        bool Large;
        const char* IconName;
        bool Picture;
    } cases[] = {
        {"IDX:2", true, 2, false, false, "", false},
        {"idx:0", true, 0, false, false, "", false},
        {"IDX:3", true, -1, false, false, "", false},
        {"IDX:-1", true, -1, false, false, "", false},
        {"IDX:2", false, -1, false, false, "", false},
        {"SSYS:notes.txt", true, -1, true, false, "notes.txt", false},
        {"ssys:3", true, -1, true, false, "3", false},
        {"LSYS:C:\\Windows", true, -1, true, true, "C:\\Windows", false},
        {"LOGO", true, -1, false, false, "", true},
        {"Logo", false, -1, false, false, "", false},
        {"Blank", true, -1, false, false, "", false},
        {"Other", true, -1, false, false, "", false},
        {"FILE://C:\\logo.bmp", true, -1, false, false, "", true},
        {"FILE://C:\\missing.bmp", true, -1, false, false, "", false},
        {"http://example.com/a.gif", true, -1, false, false, "", false},
    };
    for (const TCase& c : cases) {
        TMarkupPictureCache cache(fake.Platform);
        const TResolvedPicture r =
            ResolvePicture(c.Source, c.WithLists ? &images : nullptr, c.WithLists ? &container : nullptr, &cache);
        EXPECT_EQ(r.ImageIndex, c.ImageIndex) << c.Source;
        if (r.HasImage()) {
            EXPECT_EQ(r.ImageWidth, 24);
            EXPECT_EQ(r.ImageHeight, 18);
        }
        EXPECT_EQ(r.SystemIcon, c.Icon) << c.Source;
        EXPECT_EQ(r.LargeIcon, c.Large) << c.Source;
        EXPECT_EQ(r.IconName, c.IconName) << c.Source;
        EXPECT_EQ(r.Picture != nullptr, c.Picture) << c.Source;
    }
}

TEST(ResolvePicture, UrlIsLoadedOncePerCacheAndFailuresAreRemembered)
{
    TFakePlatform fake;
    fake.Files.Files["C:\\logo.bmp"] = someBytes;
    TMarkupPictureCache cache(fake.Platform);
    for (int paint = 0; paint < 3; ++paint) {
        EXPECT_NE(ResolvePicture("FILE://C:\\logo.bmp", nullptr, nullptr, &cache).Picture, nullptr);
        EXPECT_EQ(ResolvePicture("FILE://C:\\missing.bmp", nullptr, nullptr, &cache).Picture, nullptr);
        EXPECT_EQ(ResolvePicture("http://example.com/a.gif", nullptr, nullptr, &cache).Picture, nullptr);
    }
    EXPECT_EQ(cache.Count(), 3);
    EXPECT_EQ(fake.Files.Reads, (std::vector<std::string>{"C:\\logo.bmp", "C:\\missing.bmp"}));
    EXPECT_EQ(fake.Decoder.Decoded.size(), 1u);

    // The source is compared exactly: another spelling is another picture.
    ResolvePicture("file://C:\\logo.bmp", nullptr, nullptr, &cache);
    EXPECT_EQ(cache.Count(), 4);
    EXPECT_EQ(fake.Files.Reads.size(), 3u);

    cache.Clear();
    EXPECT_EQ(cache.Count(), 0);
    EXPECT_EQ(cache.FindPicture("FILE://C:\\logo.bmp"), nullptr);
}

TEST(ResolvePicture, UndecodableResourceRaisesOnceThenDrawsNothing)
{
    TFakePlatform fake;
    fake.Resources.Resources["BAD"] = someBytes;
    fake.Decoder.Failure = "Could not load image";
    TMarkupPictureCache cache(fake.Platform);
    EXPECT_THROW(ResolvePicture("RES://BAD", nullptr, nullptr, &cache), Exception);
    const TResolvedPicture again = ResolvePicture("RES://BAD", nullptr, nullptr, &cache);
    ASSERT_NE(again.Picture, nullptr);  // not empty: it holds the bytes
    EXPECT_EQ(again.Picture->Width(), 0);
    EXPECT_EQ(fake.Decoder.Decoded.size(), 1u);
}

TEST(ResolvePicture, CachePictureReplacesAContainerPicture)
{
    // A name without ":" is looked up in the container; a "://" source then goes to the cache.
    TFakePlatform fake;
    fake.Files.Files["x"] = someBytes;
    TPictureContainer container;
    TPictureItem& item = container.Items.Add(fake.Platform);
    item.Name = "FILE://x";
    LoadBytes(item.Picture(), someBytes);
    TMarkupPictureCache cache(fake.Platform);
    const TResolvedPicture r = ResolvePicture("FILE://x", nullptr, &container, &cache);
    EXPECT_EQ(r.Picture, cache.FindPicture("FILE://x"));
    EXPECT_NE(r.Picture, &item.Picture());
}

TEST(DrawSystemIcon, IntegersAreIndexesAndOtherNamesAskTheShell)
{
    struct TCase {
        const char* Name;
        bool AsksShell;
        int Index;
    } cases[] = {{"", false, 0}, {"3", false, 3}, {" 7", false, 7}, {"$10", false, 16}, {"-2", false, -2},
                 {"notes.txt", true, 42}, {"3 ", true, 42}, {"C:\\Windows", true, 42}};
    for (const TCase& c : cases) {
        TFakeShellIcons icons;
        TTestCanvas canvas;
        const TIconSize size = DrawSystemIcon(icons, canvas, 5, 6, false, true, c.Name);
        EXPECT_EQ(size, (TIconSize{16, 16})) << c.Name;
        EXPECT_EQ(icons.Asked.size(), c.AsksShell ? 1u : 0u) << c.Name;
        ASSERT_EQ(icons.Drawn.size(), 1u) << c.Name;
        EXPECT_EQ(icons.Drawn[0].Index, c.Index) << c.Name;
        EXPECT_EQ(icons.Drawn[0].X, 5);
        EXPECT_EQ(icons.Drawn[0].Y, 6);
        EXPECT_FALSE(icons.Drawn[0].Large);
    }
    TFakeShellIcons icons;
    TTestCanvas canvas;
    EXPECT_EQ(DrawSystemIcon(icons, canvas, 0, 0, true, false, "3"), (TIconSize{32, 32}));
    EXPECT_TRUE(icons.Drawn.empty());
}

}  // namespace
