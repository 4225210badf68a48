// A caption drawn on the test canvas (base font "Test Sans" 10: characters 5 px wide, 6 px
// bold, every text 20 px high), with a picture cache whose "FILE://" pictures all decode
// to 24 x 48 pixels.
#pragma once

#include "markup/MarkupEngine.h"
#include "markup/MarkupPictures.h"
#include "markup/TestCanvas.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class TSizedPicture : public TDecodedPicture {
public:
    int HimetricWidth() const override { return 635; }    // 24 px at 96 per inch
    int HimetricHeight() const override { return 1270; }  // 48 px
    void Render(TCanvas&, const TRect&) const override {}
};

class TAnyBytesDecoder : public TPictureDecoder {
public:
    std::unique_ptr<TDecodedPicture> Decode(const TPictureBytes&) const override
    {
        return std::make_unique<TSizedPicture>();
    }
};

// Every path reads as three bytes, except those starting "missing".
class TAnyFiles : public TPictureFiles {
public:
    bool ReadFile(const std::string& path, TPictureBytes& bytes) const override
    {
        if (path.rfind("missing", 0) == 0)
            return false;
        bytes = {1, 2, 3};
        return true;
    }
};

class TNoRCData : public TPictureResources {
public:
    bool FindRCData(const std::string&, TPictureBytes&) const override { return false; }
};

// 16 x 16 small and 32 x 32 large icons; records where icons were drawn.
class TRecordingShellIcons : public TShellIcons {
public:
    int IconIndexOf(const std::string&) const override { return 7; }
    TIconSize IconSize(bool large) const override { return large ? TIconSize{32, 32} : TIconSize{16, 16}; }
    void DrawIcon(TCanvas&, int x, int y, bool, int) const override { Drawn.push_back({x, y}); }
    mutable std::vector<TPoint> Drawn;
};

// Shell icons are drawn through the services in force, so the test's icons stay installed.
inline TRecordingShellIcons& InstalledShellIcons()
{
    static TRecordingShellIcons icons;
    static const bool installed = (SetPicturePlatform({nullptr, nullptr, nullptr, &icons}), true);
    (void)installed;
    return icons;
}

struct TMarkupFixture {
    TMarkupFixture() { ShellIcons.Drawn.clear(); }

    TRecordingShellIcons& ShellIcons = InstalledShellIcons();
    TAnyBytesDecoder Decoder;
    TAnyFiles Files;
    TNoRCData Resources;
    TPicturePlatform Platform{&Decoder, &Files, &Resources, &ShellIcons};
    TMarkupPictureCache Cache{Platform};
    TTestCanvas Canvas;
    TColor ShadowColor = RGBColor(0x80, 0x80, 0x80);
    int ShadowOffset = 1;
    TColor LinkColor = RGBColor(0, 0, 0xFF);

    TMarkupExtent Draw(const std::string& text, const TRect& bounds = {0, 0, 200, 100}, bool wordWrap = true)
    {
        return DrawMarkup(Canvas, text, bounds, nullptr, nullptr, &Cache, ShadowColor, ShadowOffset, LinkColor,
                          wordWrap, false);
    }
    TMarkupExtent Measure(const std::string& text, const TRect& bounds = {0, 0, 200, 100}, bool wordWrap = true)
    {
        return DrawMarkup(Canvas, text, bounds, nullptr, nullptr, &Cache, ShadowColor, ShadowOffset, LinkColor,
                          wordWrap, true);
    }

    std::vector<TCanvasOp> Texts() const { return Canvas.Texts(); }
    std::vector<TCanvasOp> OpsOf(TCanvasOp::TKind kind) const
    {
        std::vector<TCanvasOp> found;
        for (const auto& op : Canvas.Ops)
            if (op.Kind == kind)
                found.push_back(op);
        return found;
    }
    // All shown text, runs joined by "|".
    std::string Shown() const
    {
        std::string shown;
        for (const auto& op : Texts())
            shown += (shown.empty() ? "" : "|") + op.Shown;
        return shown;
    }
    // Each run as "text@x,y".
    std::vector<std::string> Placed() const
    {
        std::vector<std::string> placed;
        for (const auto& op : Texts())
            placed.push_back(op.Shown + "@" + std::to_string(op.At.X) + "," + std::to_string(op.At.Y));
        return placed;
    }
};
