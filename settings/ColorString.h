// The text form of a colour: "$" followed by two hexadecimal digits each for red, green
// and blue, as in "$ECE9D8". The settings file stores the background colour this way, and
// a button's parameter text may begin with one.
#pragma once

#include <string>
#include <string_view>

#include "base/Types.h"

// "$RRGGBB" in upper-case digits, from the three low bytes of color.
std::string ColorToHex(TColor color);

// Parses an optional "$" and then three pairs of hexadecimal digits (red, green, blue);
// characters after the sixth are ignored, and the last pair may be a single digit. A pair
// that is empty or not hexadecimal raises EConvertError "'$<pair>' is not a valid integer
// value".
TColor HexToColor(std::string_view text);
