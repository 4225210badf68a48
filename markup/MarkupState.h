// State shared by the markup line loop and the tag handling during one DrawMarkup call.
#pragma once

#include "markup/Canvas.h"

#include "base/Types.h"

#include <string>

class TPictureContainer;
class TMarkupPictureCache;

enum class TParagraphAlign { Left, Right, Center };

// Everything that lives for one call.
struct TMarkupCall {
    TMarkupCall(TCanvas& canvas, const TRect& bounds) : Canvas(canvas), Bounds(bounds) {}

    TCanvas& Canvas;
    TRect Bounds;
    const TImageList* Images = nullptr;
    const TPictureContainer* Container = nullptr;
    TMarkupPictureCache* Cache = nullptr;
    TColor ShadowColor = clNone;
    int ShadowOffset = 0;
    TColor LinkColor = clNone;
    bool WordWrap = true;
    bool MeasureOnly = false;

    unsigned TextFlags = 0;  // for every run; drawn without ExternalLeading, measured with CalcRect
    TFontDesc BaseFont;
    TColor EntryFill = clNone;

    bool Anchor = false;
    bool Superscript = false;
    bool Subscript = false;
    bool Shadow = false;
    bool Hidden = false;
    bool ErrorWave = false;
    bool ParagraphBackground = false;

    int ListLevel = 0;
    TParagraphAlign Alignment = TParagraphAlign::Left;
    int ParagraphIndent = 0;
    int CarriedIndent = 0;  // in force for the lines being laid out

    // Saved colours; clNone stands for a clear brush.
    TColor FontTagFill = clNone;
    bool HighlightSaved = false;
    TColor HighlightFontColor = clNone;
    TColor HighlightFill = clNone;
    TColor ParagraphFill = clNone;

    int ResultWidth = 0;

    // Width of a space in the canvas font, measured once per font.
    int SpaceWidth()
    {
        if (spaceWidth_ < 0 || !SameFace(spaceFont_, Canvas.Font())) {
            spaceFont_ = Canvas.Font();
            spaceWidth_ = Canvas.TextWidth(" ");
        }
        return spaceWidth_;
    }
    // Text height in the canvas font; it depends on the font alone (see TCanvas), so it is
    // asked once per font.
    int TextHeight()
    {
        if (textHeight_ < 0 || !SameFace(heightFont_, Canvas.Font())) {
            heightFont_ = Canvas.Font();
            textHeight_ = Canvas.TextHeight("gh");
        }
        return textHeight_;
    }

    // The fill colour as the saved-colour slots keep it.
    TColor FillForSaving() const
    {
        return Canvas.BrushStyle() == TBrushStyle::bsClear ? clNone : Canvas.BrushColor();
    }

private:
    // Colour plays no part in measuring.
    static bool SameFace(const TFontDesc& a, const TFontDesc& b)
    {
        return a.Size == b.Size && a.Style == b.Style && a.Name == b.Name;
    }

    TFontDesc spaceFont_;
    int spaceWidth_ = -1;
    TFontDesc heightFont_;
    int textHeight_ = -1;
};

// One measuring or drawing pass over a line.
struct TLinePass {
    bool Drawing = false;
    TRect Line;     // the pass's line rectangle r
    TRect Current;  // where the next run goes; its left edge is the current x position
    int LineWidth = 0;
    int LineHeight = 0;
    int Rise = 0;
    int Drop = 0;
    int ImageAdjust = 0;
    bool LineEnd = false;
    bool Stop = false;
    bool ListItemSeen = false;
    int TrailingSpace = 0;
    int CarriedIndentLeft = 0;  // the carried indent this pass leaves for the next lines
    // Of the decoded runs so far on this line only the last character matters: whether
    // the line ends inside a word.
    bool LineTextEmpty = true;
    char LineTextLast = '\0';
    std::string LineSource;
};
