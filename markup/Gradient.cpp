#include "markup/Gradient.h"

#include <algorithm>
#include <cmath>

long long RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    long long result = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2 != 0)))
        ++result;
    return result;
}

namespace {

// A strip's offset from the rectangle's edge: rounded, then wrapped to 16 bits.
int StripOffset(int index, double stripSize)
{
    return static_cast<int>(RoundHalfEven(index * stripSize) & 0xFFFF);
}

}  // namespace

void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, TColor borderColor, int steps,
                  const TRect& rect, bool leftToRight)
{
    if (steps == 0)
        steps = 1;
    const TColor from = canvas.ColorToRGB(fromColor);
    const TColor to = canvas.ColorToRGB(toColor);
    const double deltaRed = static_cast<double>(RedOf(to) - RedOf(from)) / steps;
    const double deltaGreen = static_cast<double>(GreenOf(to) - GreenOf(from)) / steps;
    const double deltaBlue = static_cast<double>(BlueOf(to) - BlueOf(from)) / steps;
    const double stripSize = static_cast<double>(leftToRight ? rect.Width() : rect.Height()) / steps;
    const int stripExtent = static_cast<int>(std::trunc(stripSize)) + 1;

    for (int i = 0; i < steps; ++i) {
        const TColor color = RGBColor(RedOf(from) + static_cast<int>(RoundHalfEven(i * deltaRed)),
                                      GreenOf(from) + static_cast<int>(RoundHalfEven(i * deltaGreen)),
                                      BlueOf(from) + static_cast<int>(RoundHalfEven(i * deltaBlue)));
        canvas.SetPenColor(color);
        canvas.SetBrushColor(color);
        const int offset = StripOffset(i, stripSize);
        if (leftToRight) {
            const int left = rect.Left + offset;
            canvas.Rectangle(TRect{left, rect.Top, std::min(rect.Right, left + stripExtent), rect.Bottom});
        } else {
            const int top = rect.Top + offset;
            canvas.Rectangle(TRect{rect.Left, top, rect.Right, std::min(rect.Bottom, top + stripExtent)});
        }
    }

    if (borderColor != clNone) {
        canvas.SetBrushStyle(TBrushStyle::bsClear);
        canvas.SetPenColor(borderColor);
        canvas.Rectangle(rect);
    }
}
