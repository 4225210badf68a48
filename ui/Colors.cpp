#include "ui/Colors.h"

COLORREF GdiColor(TColor color)
{
    if (IsSystemColor(color))
        return ::GetSysColor(SystemColorIndex(color));
    return static_cast<COLORREF>(color) & 0x00FFFFFF;
}
