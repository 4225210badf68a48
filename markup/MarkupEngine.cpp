#include "markup/MarkupEngine.h"

#include "markup/MarkupState.h"
#include "markup/MarkupTags.h"

#include "base/Strings.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

// Decoded when the caption is prepared; "&nbsp;", "&lt;" and "&gt;" wait for the runs.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kEntities{{
    {"&AMP;", "&&"},
    {"&QUOT;", "\""},
    {"&SECT;", "\xA7"},
    {"&PERMIL;", "\x89"},
    {"&REG;", "\xAE"},
    {"&COPY;", "\xA9"},
    {"&PARA;", "\xB6"},
    {"&TRADE;", "\x99"},
    {"&EURO;", "\x80"},
}};

// Each sweep replaces the first occurrence of every entity, in table order; sweeps repeat
// until one changes nothing. Every replacement is shorter than its entity, so this ends.
void DecodeEntities(std::string& text)
{
    bool changed = true;
    while (changed) {
        changed = false;
        for (const auto& [entity, replacement] : kEntities) {
            const auto at = Pos(entity, UpperCase(text));
            if (at == 0)
                continue;
            text.replace(at - 1, entity.size(), replacement);
            changed = true;
        }
    }
}

// "&nbsp;", "&lt;" and "&gt;", in lower case only. None of the replacements can form a
// further entity, so one scan does what replacing each kind in turn would.
std::string DecodeRun(const std::string& run)
{
    if (run.find('&') == std::string::npos)
        return run;
    static constexpr std::pair<std::string_view, char> kRunEntities[] = {{"&nbsp;", ' '}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string decoded;
    decoded.reserve(run.size());
    const std::string_view text(run);
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, replacement] : kRunEntities) {
                if (text.substr(i, entity.size()) == entity) {
                    decoded += replacement;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            decoded += text[i++];
    }
    return decoded;
}

// The next text run at the front of markup: up to a "<", or up to and including a space
// (with word wrap) when that comes first, or everything.
std::size_t RunLength(const std::string& markup, bool wordWrap)
{
    const auto lt = Pos("<", markup);
    const auto sp = wordWrap ? Pos(" ", markup) : 0;
    if (lt > 0 && (sp == 0 || sp > lt))
        return lt - 1;
    if (sp > 0)
        return sp;
    return markup.size();
}

// A zig-zag of 2-pixel steps along the bottom of the line, under a run from left to right.
void DrawErrorWave(TCanvas& canvas, int left, int right, int bottom)
{
    canvas.SetPenColor(RGBColor(0xFF, 0, 0));
    canvas.SetPenWidth(1);
    // No surface is wider than this; a run of absurd width must not stall the painting.
    constexpr int kLongestWave = 65536;
    if (right - left > kLongestWave)
        right = left + kLongestWave;
    int x = left / 2 * 2;
    int d = x % 4 == 0 ? 2 : 0;
    canvas.MoveTo(x, bottom + d - 1);
    while (x < right) {
        d = d == 2 ? 0 : 2;
        canvas.LineTo(x + 2, bottom + d - 1);
        x += 2;
    }
}

class TLineRunner {
public:
    TLineRunner(TMarkupCall& call, TLinePass& pass) : call_(call), pass_(pass), canvas_(call.Canvas) {}

    // Reads markup (the rest of the text when measuring, the line source when drawing);
    // what the line takes is removed from it.
    void Run(std::string& markup);

private:
    std::size_t WordsLength(const std::string& markup, std::size_t run) const;
    static std::size_t LastWordLength(const std::string& markup, std::size_t words);
    int Avail() const;
    void TextRun(std::string& markup, std::size_t n, std::size_t lastWordAt, int measured);
    void DrawRun(const std::string& decoded);
    int MeasureRun(const std::string& decoded);

    TMarkupCall& call_;
    TLinePass& pass_;
    TCanvas& canvas_;
};

void TLineRunner::Run(std::string& markup)
{
    pass_.Line.Bottom -= pass_.Drop;
    pass_.LineWidth = 0;
    pass_.TrailingSpace = 0;
    pass_.LineEnd = pass_.Stop = pass_.ListItemSeen = false;
    pass_.LineTextEmpty = true;
    pass_.LineSource.clear();
    pass_.Current = pass_.Line;
    pass_.CarriedIndentLeft = call_.CarriedIndent;

    if (pass_.Drawing) {
        pass_.Current.Left += call_.CarriedIndent;
        if (call_.ParagraphBackground) {
            canvas_.SetPenColor(canvas_.BrushColor());
            canvas_.Rectangle({call_.Bounds.Left, pass_.Line.Top, call_.Bounds.Right, pass_.Line.Top + pass_.LineHeight});
        }
    }

    while (!markup.empty() && !pass_.LineEnd && !pass_.Stop) {
        const auto n = RunLength(markup, call_.WordWrap);
        auto words = WordsLength(markup, n);
        int wordsWidth = -1;
        if (words > n && !pass_.Drawing && !call_.Hidden) {
            // Measuring: the words go in together only when all of them fit, which is
            // when taking them one by one would have placed every one on this line.
            wordsWidth = MeasureRun(DecodeRun(markup.substr(0, words)));
            if (pass_.LineWidth + wordsWidth >= Avail()) {
                words = n;
                wordsWidth = -1;
            }
        } else if (words > n && pass_.Drawing && pass_.LineWidth >= Avail() && Avail() > 0) {
            // Drawing: a drawn run adds no width, so either every word fits or the first
            // one drawn ends the line (tags may have taken the line width past what is
            // left of an indented or aligned line).
            words = n;
        }
        if (words > n)
            TextRun(markup, words, words - LastWordLength(markup, words), wordsWidth);
        else if (n > 0)
            TextRun(markup, n, 0, -1);

        if (markup.size() <= 2 && StartsWith(markup, "<"))
            markup.clear();
        if (pass_.LineEnd || !StartsWith(markup, "<") || markup.size() < 3)
            continue;

        HandleMarkupTag(call_, pass_, markup);

        if (pass_.Stop)
            break;
        const auto gt = Pos(">", markup);
        if (gt > 0) {
            pass_.LineSource += markup.substr(0, gt);
            markup.erase(0, gt);
        } else {
            markup.clear();  // a "<" that is never closed swallows the rest
        }
    }

    pass_.LineWidth -= pass_.TrailingSpace;
    if (pass_.LineWidth > call_.ResultWidth)
        call_.ResultWidth = pass_.LineWidth + 2;
}

// The words up to the next tag are taken as one run where that changes nothing: widths of
// words add up, so drawing them together puts every glyph where drawing them one by one
// does, and measuring them together gives the sum of their widths. Not so for a wave, which
// starts afresh under each run, nor for tabs, which are expanded from the start of a run.
// (In the drawing pass the line source holds only what the measuring pass placed.)
std::size_t TLineRunner::WordsLength(const std::string& markup, std::size_t run) const
{
    if (!call_.WordWrap || call_.ErrorWave || run == 0 || markup[run - 1] != ' ')
        return run;
    const auto tag = markup.find('<', run);
    const auto end = tag == std::string::npos ? markup.size() : tag;
    if (markup.find('\t') < end)
        return run;
    return end;
}

// Length of the last run that the words would have been cut into.
std::size_t TLineRunner::LastWordLength(const std::string& markup, std::size_t words)
{
    if (words < 2)
        return words;
    const auto space = markup.rfind(' ', words - 2);
    return space == std::string::npos ? words : words - space - 1;
}

int TLineRunner::Avail() const
{
    return pass_.Line.Right - pass_.Line.Left - call_.CarriedIndent;
}

// lastWordAt: where, within the run, the last of the words it joins begins (0 for a run of
// one word); the trailing space is that word's. measured: the run's width when the caller
// has measured it already, else -1.
void TLineRunner::TextRun(std::string& markup, std::size_t n, std::size_t lastWordAt, int measured)
{
    const std::string decoded = DecodeRun(markup.substr(0, n));

    const int h = call_.TextHeight();
    if (call_.Subscript && h / 4 > pass_.Drop)
        pass_.Drop = h / 4;
    if (call_.Superscript && h / 4 > pass_.Rise)
        pass_.Rise = h / 4;
    if (h > pass_.LineHeight)
        pass_.LineHeight = h;

    if (call_.Hidden) {
        markup.erase(0, n);
        return;
    }

    int w = 0;
    if (pass_.Drawing) {
        DrawRun(decoded);
    } else {
        w = measured >= 0 ? measured : MeasureRun(decoded);
        pass_.LineWidth += w;
    }

    const int avail = Avail();
    bool fits = pass_.LineWidth < avail || w >= avail;
    // A word that a tag splits is never broken at the tag.
    if (!fits && !pass_.LineTextEmpty && pass_.LineTextLast != ' ')
        fits = true;
    pass_.LineTextEmpty = false;
    pass_.LineTextLast = decoded.back();

    if (fits || !call_.WordWrap) {
        pass_.LineSource += markup.substr(0, n);
        markup.erase(0, n);
        if (lastWordAt == 0) {
            pass_.TrailingSpace = decoded.size() >= n && decoded[n - 1] == ' ' ? call_.SpaceWidth() : 0;
        } else {
            const std::string lastRaw = pass_.LineSource.substr(pass_.LineSource.size() - (n - lastWordAt));
            const std::string last = DecodeRun(lastRaw);
            pass_.TrailingSpace = last.size() >= lastRaw.size() && last.back() == ' ' ? call_.SpaceWidth() : 0;
        }
    } else {
        pass_.LineEnd = true;
        pass_.LineWidth -= w;
    }
}

void TLineRunner::DrawRun(const std::string& decoded)
{
    TRect rect = pass_.Current;
    if (call_.Superscript)
        rect.Bottom -= pass_.Rise;
    if (call_.Subscript)
        rect.Bottom += pass_.Drop;
    rect.Bottom -= pass_.ImageAdjust;

    const unsigned drawFlags = call_.TextFlags & ~TextFlags::ExternalLeading;
    if (call_.Shadow) {
        const TColor color = canvas_.Font().Color;
        canvas_.SetFontColor(call_.ShadowColor);
        TRect shadow{rect.Left + call_.ShadowOffset, rect.Top + call_.ShadowOffset,
                     rect.Right + call_.ShadowOffset, rect.Bottom + call_.ShadowOffset};
        canvas_.DrawTextRectEx(decoded, shadow, drawFlags);
        canvas_.SetFontColor(color);
    }
    TRect drawn = rect;
    canvas_.DrawTextRectEx(decoded, drawn, drawFlags);
    TRect measured = rect;
    canvas_.DrawTextRectEx(decoded, measured, call_.TextFlags | TextFlags::CalcRect);
    const int right = measured.Right;
    if (call_.ErrorWave)
        DrawErrorWave(canvas_, rect.Left, right, pass_.Line.Bottom);
    pass_.Current = {right, pass_.Line.Top, pass_.Line.Right, pass_.Line.Bottom};
}

int TLineRunner::MeasureRun(const std::string& decoded)
{
    TRect measured = pass_.Line;
    canvas_.DrawTextRectEx(decoded, measured, call_.TextFlags | TextFlags::CalcRect);
    return measured.Right - measured.Left;
}

unsigned TextFlagsFor(const std::string& text, bool wordWrap)
{
    unsigned flags = TextFlags::Bottom | TextFlags::SingleLine | TextFlags::ExpandTabs | TextFlags::ExternalLeading;
    if (text.find(" & ") != std::string::npos)
        flags |= TextFlags::NoPrefix;
    if (!wordWrap)
        flags |= TextFlags::EndEllipsis;
    return flags;
}

}  // namespace

std::string PrepareMarkupText(const std::string& text)
{
    std::string prepared = text;
    if (prepared.find('&') != std::string::npos)
        DecodeEntities(prepared);

    const auto hash = Pos("<#", prepared);
    if (hash > 0) {
        Delete(prepared, static_cast<std::ptrdiff_t>(hash), 1);
        const auto gt = PosFrom(">", prepared, hash);
        if (gt > 0)
            Delete(prepared, static_cast<std::ptrdiff_t>(gt), 1);
    }

    std::string result;
    result.reserve(prepared.size());
    for (char c : prepared) {
        if (c == '\r')
            result += "<BR>";
        else if (c != '\n')
            result += c;
    }
    return result;
}

TMarkupExtent DrawMarkup(TCanvas& canvas, const std::string& text, const TRect& bounds,
                         const TImageList* images, const TPictureContainer* pictureContainer,
                         TMarkupPictureCache* pictureCache, TColor shadowColor, int shadowOffset,
                         TColor linkColor, bool wordWrap, bool measureOnly)
{
    TMarkupCall call(canvas, bounds);
    call.Images = images;
    call.Container = pictureContainer;
    call.Cache = pictureCache;
    call.ShadowColor = shadowColor;
    call.ShadowOffset = shadowOffset;
    call.LinkColor = linkColor;
    call.WordWrap = wordWrap;
    call.MeasureOnly = measureOnly;
    call.TextFlags = TextFlagsFor(text, wordWrap);

    std::string rest = PrepareMarkupText(text);

    call.BaseFont = canvas.Font();
    TFontDesc measuringFont = call.BaseFont;
    TFontDesc drawingFont = call.BaseFont;
    call.EntryFill = canvas.BrushColor();
    canvas.SetBrushColor(clNone);
    canvas.SetBkMode(TBkMode::bkTransparent);

    TRect line = bounds;
    line.Left += 1;
    int height = 0;

    while (!rest.empty()) {
        canvas.SetFont(measuringFont);
        const bool anchor = call.Anchor;
        // The list level is a counter: the drawing pass must count the line's list tags
        // from where the line started, or every list tag would count twice when drawing
        // (and a drawn caption would lay out unlike its measurement).
        const int listLevel = call.ListLevel;
        call.Superscript = call.Subscript = false;
        const int h0 = call.TextHeight();

        TLinePass measuring;
        measuring.Line = line;
        measuring.LineHeight = h0;
        TLineRunner(call, measuring).Run(rest);
        measuringFont = canvas.Font();
        call.Anchor = anchor;
        if (!measureOnly)
            call.ListLevel = listLevel;

        const int lineHeight = measuring.LineHeight + measuring.Drop + measuring.Rise;
        TRect drawRect = line;
        if (call.Alignment == TParagraphAlign::Right) {
            if (line.Right - measuring.LineWidth > line.Left)
                drawRect.Left = line.Right - measuring.LineWidth;
        } else if (call.Alignment == TParagraphAlign::Center) {
            const int spare = line.Right - line.Left - measuring.LineWidth;
            if (spare > 0)
                drawRect.Left = line.Left + spare / 2;
        }
        drawRect.Left += call.ParagraphIndent;
        drawRect.Bottom = line.Top + lineHeight;

        if (!measureOnly) {
            canvas.SetFont(drawingFont);
            TLinePass drawing;
            drawing.Drawing = true;
            drawing.Line = drawRect;
            drawing.LineHeight = measuring.LineHeight;
            drawing.Rise = measuring.Rise;
            drawing.Drop = measuring.Drop;
            drawing.ImageAdjust = measuring.ImageAdjust;
            std::string source = measuring.LineSource;
            TLineRunner(call, drawing).Run(source);
            drawingFont = canvas.Font();
            call.CarriedIndent = drawing.CarriedIndentLeft;
        }

        line.Top += lineHeight;
        height += lineHeight;

        // No line is started that would not have room for a line of "gh" height.
        if (!measureOnly && h0 + line.Top > bounds.Bottom)
            break;
    }

    if (height == 0)
        height = call.TextHeight();
    height += 2;
    canvas.SetBrushColor(call.EntryFill);
    canvas.SetFont(call.BaseFont);
    return {call.ResultWidth, height};
}
