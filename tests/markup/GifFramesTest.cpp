#include "markup/GifFrames.h"

#include "PictureFakes.h"

#include <gtest/gtest.h>

namespace {

// A graphic control extension followed directly by an image descriptor at (left, top).
void AppendFrame(TPictureBytes& bytes, int left, int top)
{
    const TPictureBytes frame = {0x21, 0xF9, 0x04, 0x04, 0x0A, 0x00, 0x00, 0x00, 0x2C,
                                 static_cast<std::uint8_t>(left), 0x00, static_cast<std::uint8_t>(top), 0x00,
                                 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00};
    bytes.insert(bytes.end(), frame.begin(), frame.end());
}

TPictureBytes GifHeader(int width, int height)
{
    return {'G', 'I', 'F', '8', '9', 'a', static_cast<std::uint8_t>(width), 0x00, static_cast<std::uint8_t>(height), 0x00,
            0x00, 0x00, 0x00};
}

TEST(GifFrames, FixtureHasTwoFramesOnATwentyByTenScreen)
{
    const TPictureBytes data = ReadFixture("animated.gif");
    ASSERT_FALSE(data.empty());
    const TGifFrames frames = ScanGifFrames(data);
    EXPECT_TRUE(frames.IsGif);
    EXPECT_EQ(frames.ScreenWidth, 20);
    EXPECT_EQ(frames.ScreenHeight, 10);
    ASSERT_EQ(frames.Starts.size(), 2u);

    const TGifFrameSelection first = SelectGifFrame(data, frames, 1);
    EXPECT_EQ(first.Bytes, data);
    EXPECT_EQ(first.FrameOffset, (TPoint{5, 3}));

    // The second frame: everything between the two extensions is left out.
    const TGifFrameSelection second = SelectGifFrame(data, frames, 2);
    EXPECT_EQ(second.Bytes.size(), data.size() - (frames.Starts[1] - frames.Starts[0]));
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(frames.Starts[0]), second.Bytes.begin()));
    EXPECT_EQ(second.Bytes[frames.Starts[0]], 0x21);
    EXPECT_EQ(second.Bytes[frames.Starts[0] + 9], 12);  // the second frame's left
    EXPECT_EQ(second.FrameOffset, (TPoint{12, 2}));
}

TEST(GifFrames, FrameNumbersOutsideTheFramesShowTheFirst)
{
    TPictureBytes data = GifHeader(30, 20);
    AppendFrame(data, 7, 8);
    AppendFrame(data, 9, 10);
    const TGifFrames frames = ScanGifFrames(data);
    for (int frame : {0, -1, 3, 100}) {
        const TGifFrameSelection selection = SelectGifFrame(data, frames, frame);
        EXPECT_EQ(selection.Bytes, data) << frame;
        EXPECT_EQ(selection.FrameOffset, (TPoint{7, 8})) << frame;
    }
}

TEST(GifFrames, DataThatIsNoGifWithFramesIsTakenWhole)
{
    TPictureBytes frameOnly;
    AppendFrame(frameOnly, 1, 1);
    TPictureBytes notGif = {'B', 'M'};
    notGif.insert(notGif.end(), frameOnly.begin(), frameOnly.end());
    TPictureBytes noFrame = GifHeader(30, 20);  // a GIF, but no extension before a descriptor
    noFrame.insert(noFrame.end(), {0x2C, 0x01, 0x00, 0x01, 0x00, 0x3B});
    TPictureBytes shortTail = GifHeader(30, 20);  // the extension lacks its ninth byte after 0x21
    shortTail.insert(shortTail.end(), {0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C});

    struct TCase {
        const char* Name;
        TPictureBytes Data;
        bool IsGif;
    } cases[] = {{"bitmap", notGif, false}, {"GIF without frames", noFrame, true}, {"cut extension", shortTail, true},
                 {"four bytes GIF8", {'G', 'I', 'F', '8'}, false}};
    for (const TCase& c : cases) {
        const TGifFrames frames = ScanGifFrames(c.Data);
        EXPECT_EQ(frames.IsGif, c.IsGif) << c.Name;
        EXPECT_TRUE(frames.Starts.empty()) << c.Name;
        EXPECT_EQ(frames.ScreenWidth, 0) << c.Name;
        const TGifFrameSelection selection = SelectGifFrame(c.Data, frames, 2);
        EXPECT_EQ(selection.Bytes, c.Data) << c.Name;
        EXPECT_EQ(selection.FrameOffset, (TPoint{0, 0})) << c.Name;
    }
}

TEST(GifFrames, FrameOffsetCutOffByTheEndOfTheDataReadsAsZero)
{
    // Exactly nine bytes follow the 0x21: the frame counts, but its top lies past the end.
    TPictureBytes data = GifHeader(30, 20);
    data.insert(data.end(), {0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x06});
    const TGifFrames frames = ScanGifFrames(data);
    ASSERT_EQ(frames.Starts.size(), 1u);
    EXPECT_EQ(SelectGifFrame(data, frames, 1).FrameOffset, (TPoint{6, 0}));
}

}  // namespace
