// Frames of animated GIF data, found by scanning for a graphic control extension that
// stands directly before an image descriptor.
#pragma once

#include "markup/PicturePlatform.h"

#include "base/Types.h"

#include <cstddef>
#include <vector>

struct TGifFrames {
    bool IsGif = false;  // at least 5 bytes beginning "GIF8"
    int ScreenWidth = 0;   // logical screen size; 0 unless the data holds a frame
    int ScreenHeight = 0;
    std::vector<std::size_t> Starts;  // offset of each frame's 0x21, in order
};

TGifFrames ScanGifFrames(const TPictureBytes& data);

// The bytes handed to the decoder so that it shows frame `frame` (from 1): the bytes from
// the first frame's extension up to the selected frame's are left out. A frame number
// outside the frames present shows the first frame; data that is not a GIF with frames is
// taken whole.
struct TGifFrameSelection {
    TPictureBytes Bytes;
    TPoint FrameOffset;  // left and top of the shown frame in the logical screen
};

TGifFrameSelection SelectGifFrame(const TPictureBytes& data, const TGifFrames& frames, int frame);
