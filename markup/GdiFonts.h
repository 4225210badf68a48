// Fonts for the GDI canvas, made from a font description and shared by every canvas.
#pragma once

#include "markup/Canvas.h"

#include "ui/Handles.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

// What has been measured of a font: its line metrics, the height and the widths of texts.
// Text metrics depend only on the font and the text (on devices without scaling).
struct TFontMeasures {
    static constexpr std::size_t WidthLimit = 512;  // texts remembered before starting afresh
    bool HasLine = false;
    int LineHeight = 0;       // tmHeight
    int ExternalLeading = 0;  // tmExternalLeading
    bool HasTextHeight = false;
    int TextHeight = 0;       // of any text that is not empty
    std::map<std::string, int> Widths;
};

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

    struct TFound {
        HFONT Font;                // never null: a stock font when the system cannot make it
        TFontMeasures* Measures;   // of a shared font; null for fonts in the caller's store
    };

    static TSharedFonts& Instance();
    TFound Get(const TFontDesc& font, int pixelsPerInch, TOwnFonts& overflow);

private:
    // Each shared font stays selected into a memory DC of its own, so the system keeps it
    // realised with its glyphs between paints instead of realising it again (Wine drops
    // the realisation of fonts no DC holds once more than a few are in turn).
    struct THeldFont {
        TGdiObject<HFONT> Font;
        TMemoryDC Holder;
        TFontMeasures Measures;
    };
    std::map<TKey, THeldFont> fonts_;
};
