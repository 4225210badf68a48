// Any caption through DrawMarkup on the test canvas, with bounds, base font size, word wrap
// and measure-only taken from the first bytes: no crash, no hang, the canvas font and fill
// colour back as they were, and a height of at least one empty line.
#include "markup/MarkupEngine.h"
#include "markup/MarkupPictures.h"
#include "markup/TestCanvas.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "failed: %s\n", what);
        std::abort();
    }
}
#define CHECK(condition) Check(condition, #condition)

// Pictures named "FILE://..." decode to 8 x 8 pixels unless the name has a "0" in it; no
// file is ever read.
class TTinyPicture : public TDecodedPicture {
public:
    int HimetricWidth() const override { return 212; }
    int HimetricHeight() const override { return 212; }
    void Render(TCanvas&, const TRect&) const override {}
};

class TTinyDecoder : public TPictureDecoder {
public:
    std::unique_ptr<TDecodedPicture> Decode(const TPictureBytes&) const override
    {
        return std::make_unique<TTinyPicture>();
    }
};

class TNameFiles : public TPictureFiles {
public:
    bool ReadFile(const std::string& path, TPictureBytes& bytes) const override
    {
        if (path.find('0') != std::string::npos)
            return false;
        bytes = {1};
        return true;
    }
};

class TNoRCData : public TPictureResources {
public:
    bool FindRCData(const std::string&, TPictureBytes&) const override { return false; }
};

class TFixedIcons : public TShellIcons {
public:
    int IconIndexOf(const std::string&) const override { return 1; }
    TIconSize IconSize(bool large) const override { return large ? TIconSize{32, 32} : TIconSize{16, 16}; }
    void DrawIcon(TCanvas&, int, int, bool, int) const override {}
};

class TFourImages : public TImageList {
public:
    int Count() const override { return 4; }
    int Width() const override { return 16; }
    int Height() const override { return 12; }
    void Draw(TCanvas&, int, int, int index) const override { CHECK(index >= 0 && index < 4); }
};

const TTinyDecoder decoder;
const TNameFiles files;
const TNoRCData resources;
const TFixedIcons icons;
const TFourImages images;
const TPicturePlatform platform{&decoder, &files, &resources, &icons};

int Between(std::uint8_t byte, int low, int high)
{
    return low + byte % (high - low + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    static const bool installed = (SetPicturePlatform({nullptr, nullptr, nullptr, &icons}), true);
    (void)installed;

    const TRect bounds{Between(data[0], -100, 100), Between(data[1], -100, 100), 0, 0};
    const TRect area{bounds.Left, bounds.Top, bounds.Left + Between(data[2], -20, 400),
                     bounds.Top + Between(data[3], -20, 300)};
    const int fontSize = Between(data[4], 0, 40);
    const bool wordWrap = data[5] & 1;
    const bool measureOnly = data[5] & 2;
    const bool withImages = data[5] & 4;
    const std::string text(reinterpret_cast<const char*>(data + 6), size - 6);

    TTestCanvas canvas;
    canvas.SetFontSize(fontSize);
    canvas.SetBrushColor(RGBColor(10, 20, 30));
    const TFontDesc base = canvas.Font();
    TMarkupPictureCache cache(platform);

    const TMarkupExtent extent = DrawMarkup(canvas, text, area, withImages ? &images : nullptr, nullptr, &cache,
                                            clGrayText, 1, RGBColor(0, 0, 255), wordWrap, measureOnly);

    CHECK(canvas.Font() == base);
    CHECK(canvas.BrushColor() == RGBColor(10, 20, 30));
    CHECK(canvas.ClipDepth() == 0);
    CHECK(extent.Width >= 0);
    CHECK(extent.Height >= 2);
    if (measureOnly)
        for (const TCanvasOp& op : canvas.Ops)
            CHECK(op.Kind != TCanvasOp::kText && op.Kind != TCanvasOp::kRect && op.Kind != TCanvasOp::kLine &&
                  op.Kind != TCanvasOp::kPicture);
    return 0;
}
