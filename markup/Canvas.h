// The drawing surface the caption markup engine measures and draws on.
//
// Two implementations: the GDI canvas over an HDC (Win32 side) and the test canvas of the
// core (markup/TestCanvas.h), which has fixed metrics and records what was drawn.
//
// Change policy: this header is shared; change it only by adding, and leave a note here
// when something existing has to change.
#pragma once

#include "base/Types.h"

#include <cstdint>
#include <string>

// Text flags of DrawText/DrawTextEx. The values are the platform's DT_* values, so the GDI
// canvas passes them through unchanged.
namespace TextFlags {
constexpr unsigned Top = 0x0000;             // DT_TOP (and DT_LEFT)
constexpr unsigned Bottom = 0x0008;          // DT_BOTTOM: single line sits on the bottom edge
constexpr unsigned SingleLine = 0x0020;      // DT_SINGLELINE
constexpr unsigned ExpandTabs = 0x0040;      // DT_EXPANDTABS
constexpr unsigned ExternalLeading = 0x0200; // DT_EXTERNALLEADING
constexpr unsigned CalcRect = 0x0400;        // DT_CALCRECT: measure only, rect receives the extent
constexpr unsigned NoPrefix = 0x0800;        // DT_NOPREFIX: "&" is an ordinary character
constexpr unsigned EndEllipsis = 0x8000;     // DT_END_ELLIPSIS
}  // namespace TextFlags

// Font style set.
using TFontStyles = unsigned;
constexpr TFontStyles fsBold = 1;
constexpr TFontStyles fsItalic = 2;
constexpr TFontStyles fsUnderline = 4;
constexpr TFontStyles fsStrikeOut = 8;

// A whole font as the canvas holds it. Size is in points.
struct TFontDesc {
    std::string Name = "MS Sans Serif";
    int Size = 8;
    TFontStyles Style = 0;
    TColor Color = clWindowText;
    friend bool operator==(const TFontDesc&, const TFontDesc&) = default;
};

enum class TBrushStyle { bsSolid, bsClear };
enum class TBkMode { bkTransparent, bkOpaque };

// Something a canvas can draw: a picture. Width and Height are the natural size in pixels
// at 96 pixels per inch (0 by 0 when there is nothing to draw). The GDI canvas draws the
// Win32 picture types of the shell by downcasting; other graphics draw nothing there.
class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

class TCanvas;

// A list of equally sized images addressed by index ("IDX:" picture sources).
class TImageList {
public:
    virtual ~TImageList() = default;
    virtual int Count() const = 0;
    virtual int Width() const = 0;   // pixels of one image
    virtual int Height() const = 0;
    virtual void Draw(TCanvas& canvas, int x, int y, int index) const = 0;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    // Font. SetFont replaces the whole font (a copy); any rotated font selected with
    // SelectRotatedFont is dropped (deselected and deleted) by every SetFont call, even one
    // with an equal font. Setting a font equal to the current one must be cheap.
    // TextHeight depends on the font alone (the platform reports the font's cell height
    // for any single-line text), so callers may ask it once per font.
    virtual const TFontDesc& Font() const = 0;
    virtual void SetFont(const TFontDesc& font) = 0;

    void SetFontName(const std::string& name) { TFontDesc f = Font(); f.Name = name; SetFont(f); }
    void SetFontSize(int size) { TFontDesc f = Font(); f.Size = size; SetFont(f); }
    void SetFontStyle(TFontStyles style) { TFontDesc f = Font(); f.Style = style; SetFont(f); }
    void SetFontColor(TColor color) { TFontDesc f = Font(); f.Color = color; SetFont(f); }

    // Pen used by Rectangle and LineTo.
    virtual TColor PenColor() const = 0;
    virtual void SetPenColor(TColor color) = 0;
    virtual int PenWidth() const = 0;
    virtual void SetPenWidth(int width) = 0;

    // Brush used by Rectangle. SetBrushColor(clNone) makes the brush clear, any other
    // colour makes it solid. After every brush change (colour or style) text is drawn on an
    // opaque background of the brush colour while the brush is solid and transparently
    // while it is clear; SetBkMode overrides that until the brush next changes.
    virtual TColor BrushColor() const = 0;
    virtual void SetBrushColor(TColor color) = 0;
    virtual TBrushStyle BrushStyle() const = 0;
    virtual void SetBrushStyle(TBrushStyle style) = 0;
    virtual void SetBkMode(TBkMode mode) = 0;

    // Text in the current font colour. DrawTextRectEx draws (or, with TextFlags::CalcRect,
    // measures: rect.Right and rect.Bottom become left/top plus the text's extent, nothing
    // is drawn) and returns the text height. DrawTextRect is the same call without margins
    // (used for bullets).
    virtual int DrawTextRectEx(const std::string& text, TRect& rect, unsigned flags) = 0;
    virtual int DrawTextRect(const std::string& text, TRect& rect, unsigned flags) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;

    // Outline with the pen, filled with the brush (unless clear); right/bottom exclusive.
    virtual void Rectangle(const TRect& rect) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual TColor Pixel(int x, int y) = 0;
    virtual void SetPixel(int x, int y, TColor color) = 0;

    // Clips further drawing to rect (within any clip already in force); RestoreClip puts
    // back the clip that was in force before the matching ClipToRect.
    virtual void ClipToRect(const TRect& rect) = 0;
    virtual void RestoreClip() = 0;

    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;

    // Turns the current font: a font made from its description with escapement and
    // orientation set to `escapement` (tenths of a degree) is selected until
    // RestoreUnrotatedFont or the next font change. Selecting again replaces the turned
    // font; restoring when nothing is turned does nothing.
    virtual void SelectRotatedFont(int escapement) = 0;
    virtual void RestoreUnrotatedFont() = 0;

    // Pictures: Draw at natural size with the top-left corner at (x, y); StretchDraw into
    // rect (a picture that is not set to stretch draws at natural size at rect's top-left).
    virtual void Draw(int x, int y, const TGraphic& graphic) = 0;
    virtual void StretchDraw(const TRect& rect, const TGraphic& graphic) = 0;

    // The colour as red, green and blue: system colours resolved by the platform.
    virtual TColor ColorToRGB(TColor color) const = 0;

    // The platform device context (an HDC) for code that must call the system directly,
    // such as drawing shell icons; 0 for surfaces without one.
    virtual std::intptr_t Handle() const { return 0; }
};
