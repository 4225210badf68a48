// Shared value types: colours and rectangles.
#pragma once

#include <cstdint>

// A 24-bit RGB value, red in the lowest byte, green in the next, blue in the third.
// 0xFF000000 + n stands for the platform's system colour n, turned into RGB only when
// drawing; clNone means no colour.
using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u + static_cast<std::uint32_t>(index)); }
constexpr bool IsSystemColor(TColor color) { return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColorIndex(TColor color) { return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFFu); }
constexpr TColor RGBColor(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }
constexpr int RedOf(TColor color) { return color & 0xFF; }
constexpr int GreenOf(TColor color) { return (color >> 8) & 0xFF; }
constexpr int BlueOf(TColor color) { return (color >> 16) & 0xFF; }

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left/top inclusive, right/bottom exclusive, as the platform's RECT.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};
