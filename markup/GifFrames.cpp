#include "markup/GifFrames.h"

namespace {

// 16-bit little-endian value at offset; bytes past the end count as 0.
int Word16(const TPictureBytes& data, std::size_t offset)
{
    int low = offset < data.size() ? data[offset] : 0;
    int high = offset + 1 < data.size() ? data[offset + 1] : 0;
    return low | (high << 8);
}

bool IsFrameStart(const TPictureBytes& data, std::size_t i)
{
    return i + 9 < data.size() && data[i] == 0x21 && data[i + 1] == 0xF9 && data[i + 2] == 0x04 &&
           data[i + 8] == 0x2C;
}

}  // namespace

TGifFrames ScanGifFrames(const TPictureBytes& data)
{
    TGifFrames frames;
    frames.IsGif = data.size() >= 5 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F' && data[3] == '8';
    if (!frames.IsGif)
        return frames;
    for (std::size_t i = 0; i + 9 < data.size(); ++i) {
        if (IsFrameStart(data, i))
            frames.Starts.push_back(i);
    }
    if (!frames.Starts.empty()) {
        frames.ScreenWidth = Word16(data, 6);
        frames.ScreenHeight = Word16(data, 8);
    }
    return frames;
}

TGifFrameSelection SelectGifFrame(const TPictureBytes& data, const TGifFrames& frames, int frame)
{
    TGifFrameSelection selection;
    if (!frames.IsGif || frames.Starts.empty()) {
        selection.Bytes = data;
        return selection;
    }
    std::size_t chosen = 0;
    if (frame > 1 && static_cast<std::size_t>(frame) <= frames.Starts.size())
        chosen = static_cast<std::size_t>(frame) - 1;
    const std::size_t first = frames.Starts.front();
    const std::size_t selected = frames.Starts[chosen];
    selection.Bytes.reserve(data.size() - (selected - first));
    selection.Bytes.insert(selection.Bytes.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(first));
    selection.Bytes.insert(selection.Bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(selected), data.end());
    // The image descriptor's left and top follow its 0x2C, eight bytes after the 0x21.
    selection.FrameOffset = TPoint{Word16(data, selected + 9), Word16(data, selected + 11)};
    return selection;
}
