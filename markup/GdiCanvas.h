// The drawing surface over a device context.
//
// The canvas does not own the DC. It selects its own font, pen and brush into the DC when
// a drawing call needs them, and puts back what was selected before when it is destroyed,
// together with the clip region, text colour, background mode and colour it found.
#pragma once

#include "markup/Canvas.h"
#include "markup/GdiFonts.h"

#include "ui/Colors.h"
#include "ui/Handles.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>


class TGdiCanvas : public TCanvas {
public:
    explicit TGdiCanvas(HDC dc);
    ~TGdiCanvas() override;
    TGdiCanvas(const TGdiCanvas&) = delete;
    TGdiCanvas& operator=(const TGdiCanvas&) = delete;

    HDC DC() const { return dc_; }

    const TFontDesc& Font() const override { return font_; }
    void SetFont(const TFontDesc& font) override;

    TColor PenColor() const override { return penColor_; }
    void SetPenColor(TColor color) override { penColor_ = color; }
    int PenWidth() const override { return penWidth_; }
    void SetPenWidth(int width) override;

    TColor BrushColor() const override { return brushColor_; }
    void SetBrushColor(TColor color) override;
    TBrushStyle BrushStyle() const override { return brushStyle_; }
    void SetBrushStyle(TBrushStyle style) override;
    void SetBkMode(TBkMode mode) override;

    int DrawTextRectEx(const std::string& text, TRect& rect, unsigned flags) override;
    int DrawTextRect(const std::string& text, TRect& rect, unsigned flags) override;
    int TextHeight(const std::string& text) override;
    int TextWidth(const std::string& text) override;

    void Rectangle(const TRect& rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    TColor Pixel(int x, int y) override;
    void SetPixel(int x, int y, TColor color) override;

    void ClipToRect(const TRect& rect) override;
    void RestoreClip() override;

    int PixelsPerInchX() const override { return ppiX_; }
    int PixelsPerInchY() const override { return ppiY_; }

    void SelectRotatedFont(int escapement) override;
    void RestoreUnrotatedFont() override;

    void Draw(int x, int y, const TGraphic& graphic) override;
    void StretchDraw(const TRect& rect, const TGraphic& graphic) override;

    TColor ColorToRGB(TColor color) const override;
    std::intptr_t Handle() const override { return reinterpret_cast<std::intptr_t>(dc_); }

private:
    // One kind of object selected into the DC, and what the DC held before the first one.
    struct TSlot {
        HGDIOBJ Selected = nullptr;
        HGDIOBJ Entry = nullptr;
        bool Taken = false;
    };
    // A measured text: its rectangle's edges relative to the rectangle given, and the height
    // the call returned.
    struct TExtent {
        int Left, Top, Right, Bottom, Height;
    };
    using TExtentKey = std::tuple<HFONT, unsigned, std::string, int, int>;

    void Select(TSlot& slot, HGDIOBJ object);
    void Release(TSlot& slot);
    HFONT FontInForce() const;  // the turned font while one is in force
    void UseFont();
    void UsePen();
    void UseBrush();
    TFontMeasures& Measures();  // of the font in force, which must not be turned
    int PlainLine(const std::string& text, TRect& rect, unsigned flags);
    int Text(const std::string& text, TRect& rect, unsigned flags, bool ex);

    HDC dc_;  // we don't own it
    int ppiX_ = 96;
    int ppiY_ = 96;

    TFontDesc font_;
    HFONT font_handle_ = nullptr;        // shared, or one of ownFonts_
    TFontMeasures* fontMeasures_ = nullptr;  // of a shared font; null for one of ownFonts_
    TGdiObject<HFONT> rotatedFont_;      // in force while a turned font is selected
    TSharedFonts::TOwnFonts ownFonts_;   // fonts past the shared limit
    COLORREF textColor_ = CLR_INVALID;

    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    TGdiObject<HPEN> widePen_;  // pens wider than 1; width-1 pens are the DC pen

    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = TBrushStyle::bsSolid;

    TSlot fontSlot_;
    TSlot penSlot_;
    TSlot brushSlot_;
    COLORREF entryTextColor_;
    COLORREF entryBkColor_;
    int entryBkMode_;
    COLORREF entryDCPenColor_;
    COLORREF entryDCBrushColor_;

    // Measurements of fonts (never of turned fonts): kept with a shared font for every
    // canvas when the DC does not scale text, otherwise for this canvas alone. So a caption
    // measured and then drawn, and painted again, is measured once.
    bool shareMeasures_ = false;
    std::map<HFONT, TFontMeasures> ownMeasures_;
    // Plain lines are laid out here only where logical units run as device pixels do;
    // other mapping modes (such as an upward y axis) leave them to DrawTextEx.
    bool plainLines_ = false;
    std::map<TExtentKey, TExtent> extents_;

    // Clip regions in force before each ClipToRect (null: no clip).
    std::vector<TGdiObject<HRGN>> savedClips_;
};
