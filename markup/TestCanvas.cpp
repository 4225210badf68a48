#include "markup/TestCanvas.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdint>

namespace {

int ClampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN / 2, INT_MAX / 2));
}

int CharWidth(const TFontDesc& font)
{
    return std::max(1, std::abs(font.Size) / 2) + ((font.Style & fsBold) ? 1 : 0);
}

// What the platform shows of a text with prefix handling: "&&" is "&", "&x" is "x".
std::string WithoutPrefixes(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size())
                shown += text[++i];
        } else {
            shown += text[i];
        }
    }
    return shown;
}

}  // namespace

TTestCanvas::TTestCanvas()
{
    font_.Name = "Test Sans";
    font_.Size = 10;
    font_.Color = clBlack;
}

std::vector<TCanvasOp> TTestCanvas::Texts() const
{
    std::vector<TCanvasOp> texts;
    for (const auto& op : Ops)
        if (op.Kind == TCanvasOp::kText)
            texts.push_back(op);
    return texts;
}

int TTestCanvas::WidthOf(const std::string& text, const TFontDesc& font, bool expandTabs)
{
    std::int64_t chars = 0;
    for (char c : text)
        chars += (c == '\t' && expandTabs) ? 8 : 1;
    return ClampToInt(chars * CharWidth(font));
}

void TTestCanvas::SetFont(const TFontDesc& font)
{
    font_ = font;
    rotated_ = false;
    escapement_ = 0;
}

void TTestCanvas::SetBrushColor(TColor color)
{
    brushColor_ = color;
    brushStyle_ = color == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    opaque_ = brushStyle_ == TBrushStyle::bsSolid;
}

void TTestCanvas::SetBrushStyle(TBrushStyle style)
{
    brushStyle_ = style;
    opaque_ = brushStyle_ == TBrushStyle::bsSolid;
}

int TTestCanvas::Text(const std::string& text, TRect& rect, unsigned flags, bool fromDrawTextEx)
{
    std::string shown = (flags & TextFlags::NoPrefix) ? text : WithoutPrefixes(text);
    const bool expandTabs = (flags & TextFlags::ExpandTabs) != 0;
    if ((flags & TextFlags::EndEllipsis) && WidthOf(shown, font_, expandTabs) > rect.Width()) {
        while (!shown.empty() && WidthOf(shown + "...", font_, expandTabs) > rect.Width())
            shown.pop_back();
        shown += "...";
    }
    const int width = WidthOf(shown, font_, expandTabs);
    const int height = TextHeight(shown);
    if (flags & TextFlags::CalcRect) {
        rect.Right = ClampToInt(std::int64_t{rect.Left} + width);
        rect.Bottom = ClampToInt(std::int64_t{rect.Top} + height);
        return height;
    }
    TCanvasOp op;
    op.Kind = TCanvasOp::kText;
    op.Shown = shown;
    op.FromDrawTextEx = fromDrawTextEx;
    op.Flags = flags;
    op.Rect = rect;
    const bool onBottom = (flags & TextFlags::SingleLine) && (flags & TextFlags::Bottom);
    op.At = {rect.Left, onBottom ? ClampToInt(std::int64_t{rect.Bottom} - height) : rect.Top};
    op.Font = font_;
    op.Opaque = opaque_;
    op.Fill = opaque_ ? brushColor_ : clNone;
    op.Escapement = escapement_;
    Ops.push_back(op);
    return height;
}

int TTestCanvas::DrawTextRectEx(const std::string& text, TRect& rect, unsigned flags)
{
    return Text(text, rect, flags, true);
}

int TTestCanvas::DrawTextRect(const std::string& text, TRect& rect, unsigned flags)
{
    return Text(text, rect, flags, false);
}

int TTestCanvas::TextHeight(const std::string&)
{
    return ClampToInt(std::abs(std::int64_t{font_.Size}) * 2);
}

int TTestCanvas::TextWidth(const std::string& text)
{
    return WidthOf(text, font_);
}

void TTestCanvas::AddShape(TCanvasOp op)
{
    op.Pen = penColor_;
    op.PenWidth = penWidth_;
    op.Fill = brushStyle_ == TBrushStyle::bsClear ? clNone : brushColor_;
    op.BrushClear = brushStyle_ == TBrushStyle::bsClear;
    Ops.push_back(op);
}

void TTestCanvas::Rectangle(const TRect& rect)
{
    TCanvasOp op;
    op.Kind = TCanvasOp::kRect;
    op.Rect = rect;
    AddShape(op);
}

void TTestCanvas::LineTo(int x, int y)
{
    TCanvasOp op;
    op.Kind = TCanvasOp::kLine;
    op.At = position_;
    op.To = {x, y};
    AddShape(op);
    position_ = {x, y};
}

TColor TTestCanvas::Pixel(int x, int y)
{
    const auto found = pixels_.find({x, y});
    return found == pixels_.end() ? clWhite : found->second;
}

void TTestCanvas::ClipToRect(const TRect& rect)
{
    clips_.push_back(rect);
    TCanvasOp op;
    op.Kind = TCanvasOp::kClip;
    op.Rect = rect;
    Ops.push_back(op);
}

void TTestCanvas::RestoreClip()
{
    if (!clips_.empty())
        clips_.pop_back();
    TCanvasOp op;
    op.Kind = TCanvasOp::kUnclip;
    Ops.push_back(op);
}

void TTestCanvas::SelectRotatedFont(int escapement)
{
    rotated_ = true;
    escapement_ = escapement;
    TCanvasOp op;
    op.Kind = TCanvasOp::kRotate;
    op.Escapement = escapement;
    Ops.push_back(op);
}

void TTestCanvas::RestoreUnrotatedFont()
{
    if (!rotated_)
        return;
    rotated_ = false;
    escapement_ = 0;
    TCanvasOp op;
    op.Kind = TCanvasOp::kUnrotate;
    Ops.push_back(op);
}

void TTestCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    TCanvasOp op;
    op.Kind = TCanvasOp::kPicture;
    op.Rect = {x, y, ClampToInt(std::int64_t{x} + graphic.Width()), ClampToInt(std::int64_t{y} + graphic.Height())};
    op.Graphic = &graphic;
    Ops.push_back(op);
}

void TTestCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic)
{
    TCanvasOp op;
    op.Kind = TCanvasOp::kPicture;
    op.Rect = rect;
    op.Graphic = &graphic;
    op.Stretched = true;
    Ops.push_back(op);
}

TColor TTestCanvas::ColorToRGB(TColor color) const
{
    if (IsSystemColor(color)) {
        const int n = SystemColorIndex(color);
        return RGBColor(n, n, n);
    }
    return color;
}
