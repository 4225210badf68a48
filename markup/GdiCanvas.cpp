#include "markup/GdiCanvas.h"

#include "markup/MarkupPictures.h"

#include <cstring>

COLORREF GdiColor(TColor color)
{
    if (IsSystemColor(color))
        return ::GetSysColor(SystemColorIndex(color));
    return static_cast<COLORREF>(color) & 0x00FFFFFF;
}

TGdiCanvas::TGdiCanvas(HDC dc) : dc_(dc)
{
    entryTextColor_ = ::GetTextColor(dc_);
    entryBkColor_ = ::GetBkColor(dc_);
    entryBkMode_ = ::GetBkMode(dc_);
    entryDCPenColor_ = ::GetDCPenColor(dc_);
    entryDCBrushColor_ = ::GetDCBrushColor(dc_);
    entryClip_.reset(::CreateRectRgn(0, 0, 0, 0));
    entryHadClip_ = entryClip_ && ::GetClipRgn(dc_, entryClip_.get()) == 1;

    currentFont_ = FontFor(font_);
    entryFont_ = ::SelectObject(dc_, currentFont_);
    entryPen_ = ::SelectObject(dc_, ::GetStockObject(DC_PEN));
    entryBrush_ = ::SelectObject(dc_, ::GetStockObject(DC_BRUSH));
    ApplyPen();
    ApplyBrush();
    ApplyTextColor();
}

TGdiCanvas::~TGdiCanvas()
{
    ::SelectClipRgn(dc_, entryHadClip_ ? entryClip_.get() : nullptr);
    ::SelectObject(dc_, entryFont_);
    ::SelectObject(dc_, entryPen_);
    ::SelectObject(dc_, entryBrush_);
    ::SetDCPenColor(dc_, entryDCPenColor_);
    ::SetDCBrushColor(dc_, entryDCBrushColor_);
    ::SetTextColor(dc_, entryTextColor_);
    ::SetBkColor(dc_, entryBkColor_);
    ::SetBkMode(dc_, entryBkMode_);
    // fonts_, rotatedFont_ and widePen_ are deleted after this, no longer selected.
}

// ---- font ------------------------------------------------------------------------------

HFONT TGdiCanvas::FontFor(const TFontDesc& font)
{
    TFontKey key{font.Name, font.Size, font.Style};
    auto found = fonts_.find(key);
    if (found != fonts_.end())
        return found->second.get();
    LOGFONTA description{};
    description.lfHeight = -::MulDiv(font.Size, ::GetDeviceCaps(dc_, LOGPIXELSY), 72);
    description.lfWeight = (font.Style & fsBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = (font.Style & fsItalic) ? TRUE : FALSE;
    description.lfUnderline = (font.Style & fsUnderline) ? TRUE : FALSE;
    description.lfStrikeOut = (font.Style & fsStrikeOut) ? TRUE : FALSE;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(description.lfFaceName, font.Name.c_str(), LF_FACESIZE - 1);
    TGdiObject<HFONT> made(::CreateFontIndirectA(&description));
    if (!made)
        return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));  // a stock font, never deleted
    HFONT handle = made.get();
    fonts_.emplace(std::move(key), std::move(made));
    return handle;
}

void TGdiCanvas::SetFont(const TFontDesc& font)
{
    if (font == font_ && !rotatedFont_)
        return;
    const bool faceChanged = font.Name != font_.Name || font.Size != font_.Size || font.Style != font_.Style;
    font_ = font;
    if (faceChanged || rotatedFont_) {
        currentFont_ = FontFor(font_);
        ::SelectObject(dc_, currentFont_);
        rotatedFont_.reset();
    }
    ApplyTextColor();
}

void TGdiCanvas::ApplyTextColor()
{
    const COLORREF color = GdiColor(font_.Color);
    if (color != textColor_) {
        ::SetTextColor(dc_, color);
        textColor_ = color;
    }
}

void TGdiCanvas::SelectRotatedFont(int escapement)
{
    LOGFONTA description{};
    if (::GetObjectA(currentFont_, sizeof description, &description) == 0)
        return;
    description.lfEscapement = escapement;
    description.lfOrientation = escapement;
    TGdiObject<HFONT> turned(::CreateFontIndirectA(&description));
    if (!turned)
        return;
    ::SelectObject(dc_, turned.get());
    rotatedFont_ = std::move(turned);  // the previous turned font is deselected, then deleted
}

void TGdiCanvas::RestoreUnrotatedFont()
{
    if (!rotatedFont_)
        return;
    ::SelectObject(dc_, currentFont_);
    rotatedFont_.reset();
}

// ---- pen and brush ---------------------------------------------------------------------

void TGdiCanvas::ApplyPen()
{
    const COLORREF color = GdiColor(penColor_);
    if (penWidth_ == 1) {
        ::SelectObject(dc_, ::GetStockObject(DC_PEN));
        ::SetDCPenColor(dc_, color);
        widePen_.reset();
        return;
    }
    TGdiObject<HPEN> pen(::CreatePen(PS_SOLID, penWidth_, color));
    if (!pen)
        return;
    ::SelectObject(dc_, pen.get());
    widePen_ = std::move(pen);
}

void TGdiCanvas::SetPenColor(TColor color)
{
    if (color == penColor_)
        return;
    penColor_ = color;
    ApplyPen();
}

void TGdiCanvas::SetPenWidth(int width)
{
    if (width == penWidth_)
        return;
    penWidth_ = width;
    ApplyPen();
}

void TGdiCanvas::ApplyBrush()
{
    const bool solid = brushStyle_ == TBrushStyle::bsSolid;
    if (solid) {
        const COLORREF color = GdiColor(brushColor_);
        ::SelectObject(dc_, ::GetStockObject(DC_BRUSH));
        ::SetDCBrushColor(dc_, color);
        ::SetBkColor(dc_, color);
        ::SetBkMode(dc_, OPAQUE);
    } else {
        ::SelectObject(dc_, ::GetStockObject(NULL_BRUSH));
        ::SetBkMode(dc_, TRANSPARENT);
    }
}

void TGdiCanvas::SetBrushColor(TColor color)
{
    brushColor_ = color;
    brushStyle_ = color == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    ApplyBrush();
}

void TGdiCanvas::SetBrushStyle(TBrushStyle style)
{
    brushStyle_ = style;
    ApplyBrush();
}

void TGdiCanvas::SetBkMode(TBkMode mode)
{
    ::SetBkMode(dc_, mode == TBkMode::bkOpaque ? OPAQUE : TRANSPARENT);
}

// ---- text ------------------------------------------------------------------------------

int TGdiCanvas::Text(const std::string& text, TRect& rect, unsigned flags, bool ex)
{
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    // The calls may write into the text with some flags; hand them a copy.
    std::string buffer = text;
    const int height = ex ? ::DrawTextExA(dc_, buffer.data(), static_cast<int>(buffer.size()), &r, flags, nullptr)
                          : ::DrawTextA(dc_, buffer.data(), static_cast<int>(buffer.size()), &r, flags);
    if (flags & TextFlags::CalcRect)
        rect = TRect{r.left, r.top, r.right, r.bottom};
    return height;
}

int TGdiCanvas::DrawTextEx(const std::string& text, TRect& rect, unsigned flags)
{
    return Text(text, rect, flags, true);
}

int TGdiCanvas::DrawText(const std::string& text, TRect& rect, unsigned flags)
{
    return Text(text, rect, flags, false);
}

int TGdiCanvas::TextHeight(const std::string& text)
{
    SIZE size{};
    ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cy;
}

int TGdiCanvas::TextWidth(const std::string& text)
{
    SIZE size{};
    ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// ---- shapes and pixels -----------------------------------------------------------------

void TGdiCanvas::Rectangle(const TRect& rect)
{
    ::Rectangle(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TGdiCanvas::MoveTo(int x, int y)
{
    ::MoveToEx(dc_, x, y, nullptr);
}

void TGdiCanvas::LineTo(int x, int y)
{
    ::LineTo(dc_, x, y);
}

TColor TGdiCanvas::Pixel(int x, int y)
{
    return static_cast<TColor>(::GetPixel(dc_, x, y));
}

void TGdiCanvas::SetPixel(int x, int y, TColor color)
{
    ::SetPixelV(dc_, x, y, GdiColor(color));
}

// ---- clipping --------------------------------------------------------------------------

void TGdiCanvas::ClipToRect(const TRect& rect)
{
    TGdiObject<HRGN> saved(::CreateRectRgn(0, 0, 0, 0));
    if (saved && ::GetClipRgn(dc_, saved.get()) != 1)
        saved.reset();  // no clip in force
    savedClips_.push_back(std::move(saved));
    ::IntersectClipRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TGdiCanvas::RestoreClip()
{
    if (savedClips_.empty())
        return;
    ::SelectClipRgn(dc_, savedClips_.back().get());  // copies the region; null removes the clip
    savedClips_.pop_back();
}

int TGdiCanvas::PixelsPerInchX() const
{
    return ::GetDeviceCaps(dc_, LOGPIXELSX);
}

int TGdiCanvas::PixelsPerInchY() const
{
    return ::GetDeviceCaps(dc_, LOGPIXELSY);
}

// ---- pictures --------------------------------------------------------------------------

void TGdiCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    if (const auto* picture = dynamic_cast<const TMarkupPicture*>(&graphic))
        picture->DrawInto(*this, TRect{x, y, x + picture->Width(), y + picture->Height()});
}

void TGdiCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic)
{
    if (const auto* picture = dynamic_cast<const TMarkupPicture*>(&graphic))
        picture->DrawInto(*this, rect);
}

TColor TGdiCanvas::ColorToRGB(TColor color) const
{
    return static_cast<TColor>(GdiColor(color));
}
