#include "markup/GdiCanvas.h"

#include "markup/MarkupPictures.h"
#include "markup/Win32PicturePlatform.h"

TGdiCanvas::TGdiCanvas(HDC dc) : dc_(dc)
{
    // Pictures of captions painted here decode and load through the system.
    static const bool platformInstalled = (UseWin32PicturePlatform(), true);
    (void)platformInstalled;
    ppiX_ = ::GetDeviceCaps(dc_, LOGPIXELSX);
    ppiY_ = ::GetDeviceCaps(dc_, LOGPIXELSY);
    entryTextColor_ = ::GetTextColor(dc_);
    entryBkColor_ = ::GetBkColor(dc_);
    entryBkMode_ = ::GetBkMode(dc_);
    entryDCPenColor_ = ::GetDCPenColor(dc_);
    entryDCBrushColor_ = ::GetDCBrushColor(dc_);
    shareMeasures_ = ::GetMapMode(dc_) == MM_TEXT && ::GetGraphicsMode(dc_) == GM_COMPATIBLE &&
                     ::GetTextCharacterExtra(dc_) == 0 && ::GetDeviceCaps(dc_, TECHNOLOGY) == DT_RASDISPLAY;
    plainLines_ = ::GetMapMode(dc_) == MM_TEXT;
    const TSharedFonts::TFound found = TSharedFonts::Instance().Get(font_, ppiY_, ownFonts_);
    font_handle_ = found.Font;
    fontMeasures_ = found.Measures;
    SetBrushStyle(brushStyle_);
    textColor_ = GdiColor(font_.Color);
    ::SetTextColor(dc_, textColor_);
}

TGdiCanvas::~TGdiCanvas()
{
    while (!savedClips_.empty())
        RestoreClip();
    Release(fontSlot_);
    Release(penSlot_);
    Release(brushSlot_);
    ::SetDCPenColor(dc_, entryDCPenColor_);
    ::SetDCBrushColor(dc_, entryDCBrushColor_);
    ::SetTextColor(dc_, entryTextColor_);
    ::SetBkColor(dc_, entryBkColor_);
    ::SetBkMode(dc_, entryBkMode_);
    // The fonts and pens of this canvas are deleted after this, no longer selected.
}

void TGdiCanvas::Select(TSlot& slot, HGDIOBJ object)
{
    if (slot.Selected == object)
        return;
    HGDIOBJ previous = ::SelectObject(dc_, object);
    if (!slot.Taken) {
        slot.Entry = previous;
        slot.Taken = true;
    }
    slot.Selected = object;
}

void TGdiCanvas::Release(TSlot& slot)
{
    if (slot.Taken)
        ::SelectObject(dc_, slot.Entry);
    slot = TSlot{};
}

// ---- font ------------------------------------------------------------------------------

HFONT TGdiCanvas::FontInForce() const
{
    return rotatedFont_ ? rotatedFont_.get() : font_handle_;
}

void TGdiCanvas::UseFont()
{
    Select(fontSlot_, FontInForce());
}

void TGdiCanvas::SetFont(const TFontDesc& font)
{
    if (rotatedFont_) {
        // Every font change ends a turned font.
        if (fontSlot_.Selected == rotatedFont_.get())
            Select(fontSlot_, font_handle_);
        rotatedFont_.reset();
    }
    if (font.Name != font_.Name || font.Size != font_.Size || font.Style != font_.Style) {
        const TSharedFonts::TFound found = TSharedFonts::Instance().Get(font, ppiY_, ownFonts_);
        font_handle_ = found.Font;
        fontMeasures_ = found.Measures;
    }
    font_ = font;
    const COLORREF color = GdiColor(font_.Color);
    if (color != textColor_) {
        ::SetTextColor(dc_, color);
        textColor_ = color;
    }
}

void TGdiCanvas::SelectRotatedFont(int escapement)
{
    LOGFONTA description{};
    if (::GetObjectA(font_handle_, sizeof description, &description) == 0)
        return;
    description.lfEscapement = escapement;
    description.lfOrientation = escapement;
    TGdiObject<HFONT> turned(::CreateFontIndirectA(&description));
    if (!turned)
        return;
    Select(fontSlot_, turned.get());
    rotatedFont_ = std::move(turned);  // a turned font selected before is no longer selected
}

void TGdiCanvas::RestoreUnrotatedFont()
{
    if (!rotatedFont_)
        return;
    if (fontSlot_.Selected == rotatedFont_.get())
        Select(fontSlot_, font_handle_);
    rotatedFont_.reset();
}

// ---- pen and brush ---------------------------------------------------------------------

void TGdiCanvas::SetPenWidth(int width)
{
    if (width == penWidth_)
        return;
    penWidth_ = width;
    if (widePen_) {
        if (penSlot_.Selected == widePen_.get())
            Select(penSlot_, ::GetStockObject(DC_PEN));
        widePen_.reset();
    }
}

void TGdiCanvas::UsePen()
{
    const COLORREF color = GdiColor(penColor_);
    if (penWidth_ == 1) {
        Select(penSlot_, ::GetStockObject(DC_PEN));
        ::SetDCPenColor(dc_, color);
        return;
    }
    LOGPEN current{};
    if (widePen_ && ::GetObjectA(widePen_.get(), sizeof current, &current) && current.lopnColor == color)
        return Select(penSlot_, widePen_.get());
    TGdiObject<HPEN> pen(::CreatePen(PS_SOLID, penWidth_, color));
    if (!pen)
        return;
    Select(penSlot_, pen.get());
    widePen_ = std::move(pen);
}

void TGdiCanvas::SetBrushColor(TColor color)
{
    brushColor_ = color;
    SetBrushStyle(color == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
}

void TGdiCanvas::SetBrushStyle(TBrushStyle style)
{
    // Text takes the brush as its background until the mode is set explicitly.
    brushStyle_ = style;
    if (brushStyle_ == TBrushStyle::bsSolid) {
        ::SetBkColor(dc_, GdiColor(brushColor_));
        ::SetBkMode(dc_, OPAQUE);
    } else {
        ::SetBkMode(dc_, TRANSPARENT);
    }
}

void TGdiCanvas::UseBrush()
{
    if (brushStyle_ == TBrushStyle::bsSolid) {
        Select(brushSlot_, ::GetStockObject(DC_BRUSH));
        ::SetDCBrushColor(dc_, GdiColor(brushColor_));
    } else {
        Select(brushSlot_, ::GetStockObject(NULL_BRUSH));
    }
}

void TGdiCanvas::SetBkMode(TBkMode mode)
{
    ::SetBkMode(dc_, mode == TBkMode::bkOpaque ? OPAQUE : TRANSPARENT);
}

// ---- text ------------------------------------------------------------------------------

namespace {

// One line of text that DrawTextEx would lay out without any processing of its own: no
// prefix characters, no tabs, no line breaks, no ellipsis, aligned to the top or bottom.
bool IsPlainLine(const std::string& text, unsigned flags)
{
    constexpr unsigned handled = TextFlags::Bottom | TextFlags::SingleLine | TextFlags::ExpandTabs |
                                 TextFlags::ExternalLeading | TextFlags::NoPrefix | TextFlags::CalcRect;
    if ((flags & ~handled) != 0 || !(flags & TextFlags::SingleLine) || text.empty())
        return false;
    const bool prefixes = !(flags & TextFlags::NoPrefix);
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || (prefixes && c == '&'))
            return false;
    }
    return true;
}

}  // namespace

TFontMeasures& TGdiCanvas::Measures()
{
    // Never asked with a turned font, so the font in force lives at least as long as the
    // canvas and its handle cannot pass to another font meanwhile.
    if (fontMeasures_ && shareMeasures_)
        return *fontMeasures_;
    return ownMeasures_[font_handle_];
}

// DrawTextEx's own layout of a plain line: the text at the left edge, on the top or the
// bottom edge, clipped to the rectangle; measured, the line is as high as the font, plus
// its external leading when asked. Laying it out here spares the call's general text
// processing for every run of a caption.
int TGdiCanvas::PlainLine(const std::string& text, TRect& rect, unsigned flags)
{
    TFontMeasures& measures = Measures();
    if (!measures.HasLine) {
        UseFont();
        TEXTMETRICA tm{};
        ::GetTextMetricsA(dc_, &tm);
        measures.LineHeight = tm.tmHeight;
        measures.ExternalLeading = tm.tmExternalLeading;
        measures.HasLine = true;
    }
    const int lineHeight =
        measures.LineHeight + ((flags & TextFlags::ExternalLeading) ? measures.ExternalLeading : 0);
    const int y = (flags & TextFlags::Bottom) ? rect.Bottom - measures.LineHeight : rect.Top;
    if (flags & TextFlags::CalcRect) {
        rect.Right = rect.Left + TextWidth(text);
        rect.Bottom = y + lineHeight;
        return rect.Bottom - rect.Top;
    }
    UseFont();
    const RECT clip{rect.Left, rect.Top, rect.Right, rect.Bottom};
    ::ExtTextOutA(dc_, rect.Left, y, ETO_CLIPPED, &clip, text.data(), static_cast<UINT>(text.size()), nullptr);
    return y + lineHeight - rect.Top;
}

int TGdiCanvas::Text(const std::string& text, TRect& rect, unsigned flags, bool ex)
{
    if (plainLines_ && !rotatedFont_ && IsPlainLine(text, flags))
        return PlainLine(text, rect, flags);

    const bool measuring = (flags & TextFlags::CalcRect) != 0;
    const bool remember = measuring && !rotatedFont_;
    const TExtentKey key{font_handle_, flags, text, rect.Width(), rect.Height()};
    if (remember) {
        if (auto found = extents_.find(key); found != extents_.end()) {
            const TExtent& e = found->second;
            rect = TRect{rect.Left + e.Left, rect.Top + e.Top, rect.Left + e.Right, rect.Top + e.Bottom};
            return e.Height;
        }
    }
    UseFont();
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    // The calls may write into the text with some flags; hand them a copy.
    std::string buffer = text;
    const int height = ex ? ::DrawTextExA(dc_, buffer.data(), static_cast<int>(buffer.size()), &r, flags, nullptr)
                          : ::DrawTextA(dc_, buffer.data(), static_cast<int>(buffer.size()), &r, flags);
    if (measuring) {
        if (remember)
            extents_[key] = TExtent{r.left - rect.Left, r.top - rect.Top, r.right - rect.Left, r.bottom - rect.Top, height};
        rect = TRect{r.left, r.top, r.right, r.bottom};
    }
    return height;
}

int TGdiCanvas::DrawTextRectEx(const std::string& text, TRect& rect, unsigned flags)
{
    return Text(text, rect, flags, true);
}

int TGdiCanvas::DrawTextRect(const std::string& text, TRect& rect, unsigned flags)
{
    return Text(text, rect, flags, false);
}

int TGdiCanvas::TextHeight(const std::string& text)
{
    // A line's height does not depend on its characters: measured once per font.
    TFontMeasures* measures = !rotatedFont_ && !text.empty() ? &Measures() : nullptr;
    if (measures && measures->HasTextHeight)
        return measures->TextHeight;
    UseFont();
    SIZE size{};
    ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    if (measures) {
        measures->TextHeight = size.cy;
        measures->HasTextHeight = true;
    }
    return size.cy;
}

int TGdiCanvas::TextWidth(const std::string& text)
{
    TFontMeasures* measures = !rotatedFont_ ? &Measures() : nullptr;
    if (measures) {
        if (auto found = measures->Widths.find(text); found != measures->Widths.end())
            return found->second;
    }
    UseFont();
    SIZE size{};
    ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    if (measures) {
        if (measures->Widths.size() >= TFontMeasures::WidthLimit)
            measures->Widths.clear();
        measures->Widths.emplace(text, size.cx);
    }
    return size.cx;
}

// ---- shapes and pixels -----------------------------------------------------------------

void TGdiCanvas::Rectangle(const TRect& rect)
{
    UsePen();
    UseBrush();
    ::Rectangle(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TGdiCanvas::MoveTo(int x, int y)
{
    ::MoveToEx(dc_, x, y, nullptr);
}

void TGdiCanvas::LineTo(int x, int y)
{
    UsePen();
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
