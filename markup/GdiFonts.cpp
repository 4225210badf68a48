#include "markup/GdiFonts.h"

#include <cstring>

LOGFONTA LogicalFont(const TFontDesc& font, int pixelsPerInch)
{
    LOGFONTA description{};
    description.lfHeight = -::MulDiv(font.Size, pixelsPerInch, 72);
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
    return description;
}

TSharedFonts& TSharedFonts::Instance()
{
    static TSharedFonts fonts;
    return fonts;
}

TSharedFonts::TFound TSharedFonts::Get(const TFontDesc& font, int pixelsPerInch, TOwnFonts& overflow)
{
    TKey key{font.Name, font.Size, font.Style, pixelsPerInch};
    if (auto found = fonts_.find(key); found != fonts_.end())
        return {found->second.Font.get(), &found->second.Measures};
    if (auto found = overflow.find(key); found != overflow.end())
        return {found->second.get(), nullptr};
    const LOGFONTA description = LogicalFont(font, pixelsPerInch);
    TGdiObject<HFONT> made(::CreateFontIndirectA(&description));
    if (!made)
        return {static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), nullptr};  // stock, never deleted
    HFONT handle = made.get();
    if (fonts_.size() >= Limit) {
        overflow.emplace(std::move(key), std::move(made));
        return {handle, nullptr};
    }
    THeldFont held{std::move(made), TMemoryDC(::CreateCompatibleDC(nullptr)), {}};
    if (held.Holder)
        ::SelectObject(held.Holder.get(), handle);  // never deselected: the DC goes before the font
    auto placed = fonts_.emplace(std::move(key), std::move(held)).first;
    return {handle, &placed->second.Measures};
}
