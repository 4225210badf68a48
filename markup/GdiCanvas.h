// The drawing surface over a device context.
//
// The canvas does not own the DC. It selects its own font, pen and brush into it and puts
// back what was selected before when it is destroyed, together with the clip region, text
// colour, background mode and colour it found.
#pragma once

#include "markup/Canvas.h"

#include "ui/Handles.h"

#include <windows.h>
// The canvas methods share these names; this file and its users call the A functions.
#undef DrawText
#undef DrawTextEx

#include <map>
#include <memory>
#include <tuple>
#include <vector>

// A system colour (0xFF000000 + n) as GetSysColor gives it; any other value as RGB.
COLORREF GdiColor(TColor color);

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
    void SetPenColor(TColor color) override;
    int PenWidth() const override { return penWidth_; }
    void SetPenWidth(int width) override;

    TColor BrushColor() const override { return brushColor_; }
    void SetBrushColor(TColor color) override;
    TBrushStyle BrushStyle() const override { return brushStyle_; }
    void SetBrushStyle(TBrushStyle style) override;
    void SetBkMode(TBkMode mode) override;

    int DrawTextEx(const std::string& text, TRect& rect, unsigned flags) override;
    int DrawText(const std::string& text, TRect& rect, unsigned flags) override;
    int TextHeight(const std::string& text) override;
    int TextWidth(const std::string& text) override;

    void Rectangle(const TRect& rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    TColor Pixel(int x, int y) override;
    void SetPixel(int x, int y, TColor color) override;

    void ClipToRect(const TRect& rect) override;
    void RestoreClip() override;

    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;

    void SelectRotatedFont(int escapement) override;
    void RestoreUnrotatedFont() override;

    void Draw(int x, int y, const TGraphic& graphic) override;
    void StretchDraw(const TRect& rect, const TGraphic& graphic) override;

    TColor ColorToRGB(TColor color) const override;
    std::intptr_t Handle() const override { return reinterpret_cast<std::intptr_t>(dc_); }

private:
    using TFontKey = std::tuple<std::string, int, TFontStyles>;

    HFONT FontFor(const TFontDesc& font);
    void ApplyBrush();
    void ApplyPen();
    void ApplyTextColor();
    int Text(const std::string& text, TRect& rect, unsigned flags, bool ex);

    HDC dc_;  // we don't own it
    TFontDesc font_;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = TBrushStyle::bsSolid;
    COLORREF textColor_ = CLR_INVALID;

    // Fonts made so far, by name, size and style; the colour is the DC's text colour.
    std::map<TFontKey, TGdiObject<HFONT>> fonts_;
    HFONT currentFont_ = nullptr;       // one of fonts_
    TGdiObject<HFONT> rotatedFont_;     // selected while a turned font is in force
    TGdiObject<HPEN> widePen_;          // pens wider than 1; width-1 pens use the DC pen

    // What the DC held when the canvas took it.
    HGDIOBJ entryFont_ = nullptr;
    HGDIOBJ entryPen_ = nullptr;
    HGDIOBJ entryBrush_ = nullptr;
    COLORREF entryTextColor_;
    COLORREF entryBkColor_;
    int entryBkMode_;
    COLORREF entryDCPenColor_;
    COLORREF entryDCBrushColor_;

    // Clip regions in force before each ClipToRect (null: no clip).
    std::vector<TGdiObject<HRGN>> savedClips_;
    TGdiObject<HRGN> entryClip_;
    bool entryHadClip_ = false;
};
