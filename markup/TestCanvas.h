// A drawing surface with fixed metrics that records what is drawn, so layout can be
// checked to the pixel without fonts.
//
// Metrics:
//   - every character is max(1, |Size| / 2) pixels wide, one pixel more in a bold font
//     (so 5 px at size 10, 6 px bold); with TextFlags::ExpandTabs a tab is 8 characters;
//   - every text, the empty one included, is 2 * |Size| pixels high (20 px at size 10);
//   - without TextFlags::NoPrefix, "&&" shows as "&", "&x" as "x" and a last lone "&"
//     shows nothing;
//   - with TextFlags::EndEllipsis, a text wider than its rectangle is cut from the end
//     until it fits with "..." appended; measuring then gives the width of the cut text;
//   - system colour n resolves to red, green and blue n; 96 pixels per inch unless set.
// Single-line text with TextFlags::Bottom sits on the rectangle's bottom edge, otherwise
// on its top edge; it always starts at the left edge.
#pragma once

#include "markup/Canvas.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

struct TCanvasOp {
    enum TKind { kText, kRect, kLine, kPicture, kClip, kUnclip, kRotate, kUnrotate };
    TKind Kind = kText;
    // Text: the text as shown (after prefix and ellipsis handling), the call (DrawTextEx or
    // DrawText), its flags, the rectangle passed, where the text's top-left landed, the
    // font, whether the background was opaque and the fill colour behind it, the turn.
    std::string Shown;
    bool FromDrawTextEx = true;
    unsigned Flags = 0;
    TRect Rect;  // Text, Rect, Picture (where drawn), Clip
    TPoint At;   // Text: top-left of the text; Line: start
    TPoint To;   // Line: end
    TFontDesc Font;
    bool Opaque = false;
    TColor Fill = clNone;
    int Escapement = 0;  // Text drawn with a turned font; Rotate
    // Rect and Line: pen and brush as used.
    TColor Pen = clBlack;
    int PenWidth = 1;
    bool BrushClear = false;
    // Picture
    const TGraphic* Graphic = nullptr;
    bool Stretched = false;
};

class TTestCanvas : public TCanvas {
public:
    TTestCanvas();

    std::vector<TCanvasOp> Ops;
    // The text operations of Ops in order.
    std::vector<TCanvasOp> Texts() const;
    int PixelsPerInch = 96;

    // Width of text in the font as this surface measures it (no prefix handling).
    static int WidthOf(const std::string& text, const TFontDesc& font, bool expandTabs = false);

    const TFontDesc& Font() const override { return font_; }
    void SetFont(const TFontDesc& font) override;
    TColor PenColor() const override { return penColor_; }
    void SetPenColor(TColor color) override { penColor_ = color; }
    int PenWidth() const override { return penWidth_; }
    void SetPenWidth(int width) override { penWidth_ = width; }
    TColor BrushColor() const override { return brushColor_; }
    void SetBrushColor(TColor color) override;
    TBrushStyle BrushStyle() const override { return brushStyle_; }
    void SetBrushStyle(TBrushStyle style) override;
    void SetBkMode(TBkMode mode) override { opaque_ = mode == TBkMode::bkOpaque; }
    bool OpaqueText() const { return opaque_; }

    int DrawTextRectEx(const std::string& text, TRect& rect, unsigned flags) override;
    int DrawTextRect(const std::string& text, TRect& rect, unsigned flags) override;
    int TextHeight(const std::string& text) override;
    int TextWidth(const std::string& text) override;

    void Rectangle(const TRect& rect) override;
    void MoveTo(int x, int y) override { position_ = {x, y}; }
    void LineTo(int x, int y) override;
    TColor Pixel(int x, int y) override;
    void SetPixel(int x, int y, TColor color) override { pixels_[{x, y}] = color; }

    void ClipToRect(const TRect& rect) override;
    void RestoreClip() override;
    int ClipDepth() const { return static_cast<int>(clips_.size()); }

    int PixelsPerInchX() const override { return PixelsPerInch; }
    int PixelsPerInchY() const override { return PixelsPerInch; }

    void SelectRotatedFont(int escapement) override;
    void RestoreUnrotatedFont() override;
    bool Rotated() const { return rotated_; }
    int Escapement() const { return escapement_; }

    void Draw(int x, int y, const TGraphic& graphic) override;
    void StretchDraw(const TRect& rect, const TGraphic& graphic) override;

    TColor ColorToRGB(TColor color) const override;

private:
    int Text(const std::string& text, TRect& rect, unsigned flags, bool fromDrawTextEx);
    void AddShape(TCanvasOp op);

    TFontDesc font_;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = TBrushStyle::bsSolid;
    bool opaque_ = true;
    TPoint position_;
    bool rotated_ = false;
    int escapement_ = 0;
    std::vector<TRect> clips_;
    std::map<std::pair<int, int>, TColor> pixels_;
};
