// Picture data and picture sources from any bytes: GIF frame scanning and selection, and
// resolving a source text against an image list, a container and a cache.
#include "markup/GifFrames.h"
#include "markup/MarkupPictures.h"
#include "markup/TestCanvas.h"

#include "base/Exception.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

class TSizedPicture : public TDecodedPicture {
public:
    int HimetricWidth() const override { return 2540; }
    int HimetricHeight() const override { return 1270; }
    void Render(TCanvas&, const TRect&) const override {}
};

class TAnyDecoder : public TPictureDecoder {
public:
    std::unique_ptr<TDecodedPicture> Decode(const TPictureBytes& bytes) const override
    {
        if (!bytes.empty() && bytes.back() == 0)
            throw Exception("Could not load image. Invalid format");
        return std::make_unique<TSizedPicture>();
    }
};

class TOneFile : public TPictureFiles {
public:
    bool ReadFile(const std::string&, TPictureBytes& bytes) const override
    {
        bytes = Bytes;
        return true;
    }
    TPictureBytes Bytes;
};

class TOneResource : public TPictureResources {
public:
    bool FindRCData(const std::string&, TPictureBytes& bytes) const override
    {
        bytes = {'G', 'I', 'F', '8'};
        return true;
    }
};

class TTwoImages : public TImageList {
public:
    int Count() const override { return 2; }
    int Width() const override { return 16; }
    int Height() const override { return 16; }
    void Draw(TCanvas&, int, int, int) const override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int frame = static_cast<std::int8_t>(data[0]);
    const TPictureBytes bytes(data + 1, data + size);

    const TGifFrames frames = ScanGifFrames(bytes);
    const TGifFrameSelection selection = SelectGifFrame(bytes, frames, frame);
    if (selection.Bytes.size() > bytes.size())
        __builtin_trap();

    static const TAnyDecoder decoder;
    static TOneFile files;
    static const TOneResource resources;
    files.Bytes = bytes;
    const TPicturePlatform platform{&decoder, &files, &resources, PicturePlatform().ShellIcons};
    TMarkupPicture picture(platform);
    try {
        std::istringstream stream(std::string(bytes.begin(), bytes.end()));
        picture.LoadFromStream(stream);
        picture.SetFrame(frame);
    } catch (const Exception&) {
    }
    TTestCanvas canvas;
    picture.DrawInto(canvas, TRect{0, 0, 10, 10});
    (void)picture.Width();

    const std::string source(bytes.begin(), bytes.end());
    TTwoImages images;
    TPictureContainer container;
    container.Items.Add(platform).Name = source;
    TMarkupPictureCache cache(platform);
    try {
        ResolvePicture(source, &images, &container, &cache);
        ResolvePicture(source, &images, &container, &cache);
    } catch (const Exception&) {
    }
    if (cache.Count() > 1)
        __builtin_trap();  // a source is loaded once per cache
    DrawSystemIcon(canvas, 0, 0, frame < 0, true, source);
    return 0;
}
