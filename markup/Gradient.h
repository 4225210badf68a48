// Gradient fills of caption backgrounds.
#pragma once

#include "markup/Canvas.h"

#include "base/Types.h"

// Fills rect with `steps` strips from fromColor to toColor, left to right or top to
// bottom; each strip is drawn with pen and brush in its colour and reaches one pixel into
// the next. Then, unless borderColor is clNone, the outline is drawn in borderColor with a
// clear brush. Pen and brush are left as the last step set them.
void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, TColor borderColor, int steps,
                  const TRect& rect, bool leftToRight);

// Rounds to the nearest integer, halves to even.
long long RoundHalfEven(double value);
