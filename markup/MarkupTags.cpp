#include "markup/MarkupTags.h"

#include "markup/MarkupPictures.h"
#include "markup/MarkupValues.h"

#include "base/Strings.h"

#include <algorithm>
#include <cstdint>

namespace {

// Numbers in tags are pixels, points or degrees; anything beyond this is no use on a
// screen and would only overflow the layout arithmetic.
constexpr int kTagNumberLimit = 32767;

int TagNumber(const std::string& value)
{
    return std::clamp(LeadingInteger(value), -kTagNumberLimit, kTagNumberLimit);
}

char UpperAt(const std::string& text, std::size_t index)
{
    const char c = index < text.size() ? text[index] : '\0';
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Scales a size given at 96 pixels per inch to the surface, rounding as MulDiv does.
int ScaleToSurface(int size, int pixelsPerInch)
{
    const std::int64_t product = std::int64_t{size} * pixelsPerInch;
    const std::int64_t scaled = product >= 0 ? (product + 48) / 96 : -((-product + 48) / 96);
    return static_cast<int>(std::clamp<std::int64_t>(scaled, -kTagNumberLimit, kTagNumberLimit));
}

int FloorHalf(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

void AddStyle(TCanvas& canvas, TFontStyles style) { canvas.SetFontStyle(canvas.Font().Style | style); }
void RemoveStyle(TCanvas& canvas, TFontStyles style) { canvas.SetFontStyle(canvas.Font().Style & ~style); }

// Puts back a saved fill colour; clNone stands for a clear brush.
void RestoreFill(TCanvas& canvas, TColor fill)
{
    canvas.SetBrushColor(fill);
    if (fill == clNone)
        canvas.SetBrushStyle(TBrushStyle::bsClear);
}

class TTagHandler {
public:
    TTagHandler(TMarkupCall& call, TLinePass& pass, const std::string& markup)
        : call_(call), pass_(pass), canvas_(call.Canvas), markup_(markup)
    {
        const auto gt = markup.find('>');
        hasClose_ = gt != std::string::npos;
        tag_ = hasClose_ ? markup.substr(0, gt + 1) : markup;
    }

    void Handle()
    {
        if (markup_.size() > 3 && markup_[1] == '/')
            Closing(UpperAt(markup_, 2), markup_[3]);
        else
            Opening(UpperAt(markup_, 1), markup_[2]);
    }

private:
    bool Drawing() const { return pass_.Drawing; }
    std::string AttributesAfter(std::ptrdiff_t skipped) const
    {
        return Copy(tag_, skipped + 1, static_cast<std::ptrdiff_t>(tag_.size()));
    }

    void Opening(char kind, char next);
    void Closing(char kind, char next);
    void Font();
    void Paragraph();
    void PageBackground();
    void PageBackgroundPicture(const std::string& source, int where);
    void Image();
    void ListItem();
    void HorizontalRule();

    TMarkupCall& call_;
    TLinePass& pass_;
    TCanvas& canvas_;
    const std::string& markup_;
    std::string tag_;  // from the "<" up to and including the first ">"
    bool hasClose_ = false;
};

void TTagHandler::Opening(char kind, char next)
{
    const char nextUpper = UpperAt(std::string(1, next), 0);
    switch (kind) {
    case 'A':
        if (Drawing())
            AddStyle(canvas_, fsUnderline);
        canvas_.SetFontColor(call_.LinkColor);
        call_.Anchor = true;
        break;
    case 'B':
        if (next == '>')
            AddStyle(canvas_, fsBold);
        else if (nextUpper == 'L')
            canvas_.SetFontColor(call_.EntryFill);
        else if (nextUpper == 'O') {
            if (Drawing())
                PageBackground();
        } else if (nextUpper == 'R')
            pass_.LineEnd = true;
        break;
    case 'E':
        if (Drawing())
            call_.ErrorWave = true;
        break;
    case 'F':
        Font();
        break;
    case 'H':
        if (nextUpper == 'I') {
            if (Drawing()) {
                call_.HighlightSaved = true;
                call_.HighlightFontColor = canvas_.Font().Color;
                call_.HighlightFill = call_.FillForSaving();
                canvas_.SetBrushColor(clHighlight);
                canvas_.SetFontColor(clHighlightText);
            }
        } else if (nextUpper == 'R') {
            HorizontalRule();
        }
        break;
    case 'I':
        if (next == '>') {
            AddStyle(canvas_, fsItalic);
        } else if (nextUpper == 'N') {
            const auto v = ReadLeadingInteger(ValueAfterLetter(tag_, 'X'));
            const int x = std::clamp(v.Value, -kTagNumberLimit, kTagNumberLimit);
            if (v.Valid && pass_.LineWidth < x) {
                pass_.LineWidth = x;
                pass_.Current.Left = call_.Bounds.Left + x;
            }
        } else if (nextUpper == 'M') {
            Image();
        }
        break;
    case 'L':
        ListItem();
        break;
    case 'O':
        if (nextUpper == 'F') {
            const int v = TagNumber(ValueAfterLetter(tag_, 'X'));
            pass_.CarriedIndentLeft = v;
            pass_.Current.Left = v;
            pass_.LineWidth = v;
        }
        break;
    case 'P':
        Paragraph();
        break;
    case 'R':
        canvas_.SelectRotatedFont(TagNumber(ValueAfterLetter(tag_, 'A')) * 10);
        break;
    case 'S':
        if (next == '>')
            AddStyle(canvas_, fsStrikeOut);
        else if (nextUpper == 'H')
            call_.Shadow = true;
        else if (StartsWith(UpperCase(tag_), "<SUB>"))
            call_.Subscript = true;
        else if (StartsWith(UpperCase(tag_), "<SUP>"))
            call_.Superscript = true;
        break;
    case 'U':
        if (next == '>') {
            AddStyle(canvas_, fsUnderline);
        } else {
            ++call_.ListLevel;
            pass_.LineEnd = true;
        }
        break;
    case 'Z':
        call_.Hidden = true;
        break;
    default:
        break;
    }
}

void TTagHandler::Closing(char kind, char next)
{
    const char nextUpper = UpperAt(std::string(1, next), 0);
    const TFontDesc& base = call_.BaseFont;
    switch (kind) {
    case 'A':
        if (Drawing())
            RemoveStyle(canvas_, fsUnderline);
        canvas_.SetFontColor(base.Color);
        call_.Anchor = false;
        break;
    case 'B':
        if (next == '>')
            RemoveStyle(canvas_, fsBold);
        else
            canvas_.SetFontColor(base.Color);
        break;
    case 'E':
        if (Drawing())
            call_.ErrorWave = false;
        break;
    case 'F': {
        TFontDesc font = canvas_.Font();
        font.Name = base.Name;
        font.Size = base.Size;
        if (Drawing())
            font.Color = base.Color;
        canvas_.SetFont(font);
        if (Drawing())
            RestoreFill(canvas_, call_.FontTagFill);
        break;
    }
    case 'H':
        // Before any highlight there is nothing to return to: the colours stay.
        if (Drawing() && call_.HighlightSaved) {
            canvas_.SetFontColor(call_.HighlightFontColor);
            RestoreFill(canvas_, call_.HighlightFill);
        }
        break;
    case 'I':
        RemoveStyle(canvas_, fsItalic);
        break;
    case 'L':
        pass_.LineEnd = true;
        break;
    case 'O':
        pass_.CarriedIndentLeft = 0;
        break;
    case 'P':
        pass_.LineEnd = true;
        if (Drawing()) {
            RestoreFill(canvas_, call_.ParagraphFill);
            call_.ParagraphBackground = false;
        }
        break;
    case 'R':
        canvas_.RestoreUnrotatedFont();
        break;
    case 'S':
        if (nextUpper == 'U')
            call_.Superscript = call_.Subscript = false;
        else if (nextUpper == 'H')
            call_.Shadow = false;
        else
            RemoveStyle(canvas_, fsStrikeOut);
        break;
    case 'U':
        if (next == '>' || call_.ListLevel <= 0)
            RemoveStyle(canvas_, fsUnderline);
        else
            --call_.ListLevel;
        break;
    case 'Z':
        call_.Hidden = false;
        break;
    default:
        break;
    }
}

void TTagHandler::HorizontalRule()
{
    pass_.LineEnd = true;
    if (!Drawing())
        return;
    const TColor pen = canvas_.PenColor();
    canvas_.SetPenColor(clBlack);
    const int y = pass_.Current.Bottom + 1;
    canvas_.MoveTo(pass_.Line.Left, y);
    canvas_.LineTo(pass_.Line.Right, y);
    canvas_.SetPenColor(pen);
}

void TTagHandler::Font()
{
    if (!hasClose_)
        return;
    const std::string attributes = UpperCase(AttributesAfter(5));

    if (HasAttribute(attributes, "FACE"))
        canvas_.SetFontName(AttributeValue(attributes, "FACE"));

    const std::string color = AttributeValue(attributes, " COLOR");
    if (!color.empty())
        canvas_.SetFontColor(ColorValue(color));

    if (Drawing() && HasAttribute(attributes, "BGCOLOR")) {
        call_.FontTagFill = call_.FillForSaving();
        const std::string fill = AttributeValue(attributes, "BGCOLOR");
        if (!fill.empty())
            canvas_.SetBrushColor(ColorValue(fill));
    }

    const auto sizeAt = Pos("SIZE", attributes);
    if (sizeAt > 0) {
        const auto equals = PosFrom("=", attributes, sizeAt + 4);
        std::string value = equals > 0 ? Copy(attributes, static_cast<std::ptrdiff_t>(equals + 1),
                                              static_cast<std::ptrdiff_t>(attributes.size()))
                                       : std::string();
        // An opening quote belongs to this value only when it stands right after the "=";
        // a quote further on belongs to a later attribute.
        value = TrimLeft(value);
        if (StartsWith(value, "\""))
            value.erase(0, 1);
        static constexpr int kSizeSteps[] = {8, 10, 12, 14, 16};
        const int n = TagNumber(value);
        canvas_.SetFontSize(n >= 1 && n <= 5 ? kSizeSteps[n - 1] : n);
    }
}

void TTagHandler::Paragraph()
{
    if (!hasClose_)
        return;
    const std::string attributes = UpperCase(AttributesAfter(2));

    if (HasAttribute(attributes, "ALIGN")) {
        const std::string align = AttributeValue(attributes, "ALIGN");
        if (align.find("RIGHT") != std::string::npos)
            call_.Alignment = TParagraphAlign::Right;
        if (align.find("LEFT") != std::string::npos)
            call_.Alignment = TParagraphAlign::Left;
        if (align.find("CENTER") != std::string::npos)
            call_.Alignment = TParagraphAlign::Center;
    }
    if (HasAttribute(attributes, "INDENT"))
        call_.ParagraphIndent = TagNumber(AttributeValue(attributes, "INDENT"));

    if (!HasAttribute(attributes, "BGCOLOR") || !Drawing())
        return;
    const std::string value = AttributeValue(attributes, "BGCOLOR");
    const TColor color = value.empty() ? clNone : ColorValue(value);
    const TRect& r = pass_.Line;
    call_.ParagraphBackground = true;
    if (HasAttribute(attributes, "BGCOLORTO")) {
        canvas_.SetPenColor(color);
        DrawGradient(canvas_, color, ColorValue(AttributeValue(attributes, "BGCOLORTO")), clNone, 64,
                     {call_.Bounds.Left, r.Top, call_.Bounds.Right, r.Bottom + 2}, true);
        canvas_.SetBrushStyle(TBrushStyle::bsClear);
    } else {
        call_.ParagraphFill = call_.FillForSaving();
        canvas_.SetBrushColor(color);
        canvas_.SetPenColor(color);
        canvas_.Rectangle({call_.Bounds.Left, r.Top, call_.Bounds.Right, r.Bottom});
    }
}

enum { kTiled, kTopLeft, kTopRight };

void TTagHandler::PageBackground()
{
    const std::string attributes = UpperCase(AttributesAfter(5));
    if (HasAttribute(attributes, "BACKGROUND"))
        PageBackgroundPicture(AttributeValue(attributes, "BACKGROUND"), kTiled);
    if (HasAttribute(attributes, "BGTOPLEFT"))
        PageBackgroundPicture(AttributeValue(attributes, "BGTOPLEFT"), kTopLeft);
    if (HasAttribute(attributes, "BGTOPRIGHT"))
        PageBackgroundPicture(AttributeValue(attributes, "BGTOPRIGHT"), kTopRight);

    if (!HasAttribute(attributes, "BGCOLOR"))
        return;
    const TColor color = ColorValue(AttributeValue(attributes, "BGCOLOR"));
    const TRect& bounds = call_.Bounds;
    if (HasAttribute(attributes, "BGCOLORTO")) {
        const std::string direction = HasAttribute(attributes, "DIR") ? AttributeValue(attributes, "DIR") : "H";
        canvas_.SetPenColor(color);
        DrawGradient(canvas_, color, ColorValue(AttributeValue(attributes, "BGCOLORTO")), clNone, 64, bounds,
                     direction == "H");
        canvas_.SetBrushStyle(TBrushStyle::bsClear);
    } else {
        call_.FontTagFill = call_.FillForSaving();
        canvas_.SetBrushColor(color);
        const TColor pen = canvas_.PenColor();
        canvas_.SetPenColor(color);
        canvas_.Rectangle({bounds.Left - 2, bounds.Top, bounds.Right, bounds.Bottom});
        canvas_.SetPenColor(pen);
    }
}

void TTagHandler::PageBackgroundPicture(const std::string& source, int where)
{
    const TResolvedPicture resolved = ResolvePicture(source, call_.Images, call_.Container, call_.Cache);
    const TRect& current = pass_.Current;
    const TRect& bounds = call_.Bounds;

    if (resolved.HasImage() && call_.Images) {
        const int x = where == kTopRight ? current.Right - call_.Images->Width() : current.Left;
        call_.Images->Draw(canvas_, x, current.Top, resolved.ImageIndex);
    }
    if (resolved.SystemIcon) {
        int x = current.Left;
        if (where == kTopRight) {
            // Without an image list the icon's own width places it at the right edge.
            const int width = call_.Images ? call_.Images->Width()
                                           : DrawSystemIcon(canvas_, 0, 0, resolved.LargeIcon, false, resolved.IconName).Width;
            x = current.Right - width;
        }
        DrawSystemIcon(canvas_, x, current.Top, resolved.LargeIcon, true, resolved.IconName);
    }
    const TMarkupPicture* picture = resolved.Picture;
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0)
        return;
    const int w = picture->Width();
    const int h = picture->Height();
    canvas_.ClipToRect(bounds);
    if (where == kTiled) {
        for (std::int64_t dy = 0; dy < bounds.Height(); dy += h)
            for (std::int64_t dx = 0; dx < bounds.Width(); dx += w)
                canvas_.Draw(bounds.Left + static_cast<int>(dx), bounds.Top + static_cast<int>(dy), *picture);
    } else if (where == kTopLeft) {
        canvas_.Draw(bounds.Left, bounds.Top, *picture);
    } else {
        canvas_.Draw(bounds.Right - w, bounds.Top, *picture);
    }
    canvas_.RestoreClip();
}

void TTagHandler::Image()
{
    const std::string attributes = AttributesAfter(2);
    const std::string upper = UpperCase(attributes);
    const auto srcAt = Pos("SRC", upper);
    const std::string source = srcAt > 0 ? QuotedValueFrom(attributes, srcAt + 3) : std::string();
    const int width = TagNumber(AttributeValue(upper, "WIDTH"));
    const int height = TagNumber(AttributeValue(upper, "HEIGHT"));
    const int ppiX = canvas_.PixelsPerInchX();
    const int ppiY = canvas_.PixelsPerInchY();
    const TRect& current = pass_.Current;

    int iw = 0;
    int ih = 0;
    const TResolvedPicture resolved = ResolvePicture(source, call_.Images, call_.Container, call_.Cache);
    if (resolved.HasImage() && call_.Images) {
        iw = ScaleToSurface(resolved.ImageWidth, ppiX);
        ih = ScaleToSurface(resolved.ImageHeight, ppiY);
        if (Drawing())
            call_.Images->Draw(canvas_, current.Left, current.Top, resolved.ImageIndex);
    }
    if (resolved.SystemIcon) {
        const TIconSize size =
            DrawSystemIcon(canvas_, current.Left, current.Top, resolved.LargeIcon, Drawing(), resolved.IconName);
        iw = ScaleToSurface(size.Width, ppiX);
        ih = ScaleToSurface(size.Height, ppiY);
    }
    if (TMarkupPicture* picture = resolved.Picture; picture && !picture->Empty()) {
        const bool natural = width < 1 || height < 1;
        if (Drawing()) {
            if (natural) {
                const TPoint offset = picture->FrameOffset();
                canvas_.Draw(current.Left + offset.X, current.Top + offset.Y, *picture);
            } else {
                picture->SetStretch(true);
                canvas_.StretchDraw({current.Left, current.Top, current.Left + width, current.Top + height}, *picture);
            }
        }
        iw = ScaleToSurface(natural ? picture->Width() : width, ppiX);
        ih = ScaleToSurface(natural ? picture->Height() : height, ppiY);
    }

    const int lineWidth = pass_.Line.Right - pass_.Line.Left;
    if (pass_.LineWidth + iw > lineWidth && iw < lineWidth) {
        pass_.Stop = true;  // the image begins the next line
    } else {
        pass_.LineWidth += iw;
        pass_.Current.Left += iw;
        pass_.LineHeight = std::max(pass_.LineHeight, ih);
    }

    if (HasAttribute(upper, "ALIGN")) {
        const int spare = pass_.LineHeight - call_.TextHeight();
        if (HasAttribute(upper, "\"TOP"))
            pass_.ImageAdjust = spare;
        else if (HasAttribute(upper, "\"MIDDLE"))
            pass_.ImageAdjust = FloorHalf(spare);
    }
    if (HasAttribute(upper, "WRAP")) {
        pass_.LineHeight = call_.TextHeight();
        pass_.ImageAdjust = 0;
    }
}

void TTagHandler::ListItem()
{
    pass_.LineWidth += 12 * call_.ListLevel;
    if (pass_.ListItemSeen) {
        pass_.Stop = true;  // this item begins the next line
        return;
    }
    pass_.ListItemSeen = true;
    pass_.Current.Left += 12 * (call_.ListLevel - 1);
    if (Drawing() && !call_.Hidden) {
        const std::string name = canvas_.Font().Name;
        canvas_.SetFontName("Symbol");
        TRect rect = pass_.Current;
        canvas_.DrawTextRect(call_.ListLevel % 2 != 0 ? "\xB7" : "o", rect, 0);
        canvas_.SetFontName(name);
    }
    pass_.Current.Left += 12;
}

}  // namespace

void HandleMarkupTag(TMarkupCall& call, TLinePass& pass, const std::string& markup)
{
    TTagHandler(call, pass, markup).Handle();
}
