// Colours for GDI calls.
#pragma once

#include <windows.h>

#include "base/Types.h"

// A system colour (0xFF000000 + n) as GetSysColor gives it; any other value as RGB.
COLORREF GdiColor(TColor color);
