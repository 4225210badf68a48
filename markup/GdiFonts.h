// Fonts for the GDI canvas, made from a font description and shared by every canvas.
#pragma once

#include "markup/Canvas.h"

#include "ui/Handles.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

// The logical font of a description at a resolution (pixels per inch).
LOGFONTA LogicalFont(const TFontDesc& font, int pixelsPerInch);

// Fonts made on first use and kept for the program's life: a menu uses a handful of faces
// and sizes, and making a font is far dearer than selecting one. Main thread only, where
// all painting happens. Past a limit, fonts are made into the caller's own store instead.
class TSharedFonts {
public:
    static constexpr std::size_t Limit = 128;
    using TKey = std::tuple<std::string, int, TFontStyles, int>;
    using TOwnFonts = std::map<TKey, TGdiObject<HFONT>>;

    static TSharedFonts& Instance();
    // Never null: a stock font when the system cannot make the font.
    HFONT Get(const TFontDesc& font, int pixelsPerInch, TOwnFonts& overflow);

private:
    // Each shared font stays selected into a memory DC of its own, so the system keeps it
    // realised with its glyphs between paints instead of realising it again (Wine drops
    // the realisation of fonts no DC holds once more than a few are in turn).
    struct THeldFont {
        TGdiObject<HFONT> Font;
        TMemoryDC Holder;
    };
    std::map<TKey, THeldFont> fonts_;
};
