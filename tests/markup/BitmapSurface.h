// A white 32-bit memory bitmap with its own DC, for reading back what a canvas drew.
#pragma once

#include "ui/Handles.h"

#include <windows.h>

#include <algorithm>
#include <functional>

struct TRgb {
    int R = 0, G = 0, B = 0;
};

class TBitmapSurface {
public:
    TBitmapSurface(int width, int height) : width_(width), height_(height), dc_(::CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const DWORD*>(bits);
        selected_ = ::SelectObject(dc_.get(), bitmap_.get());
        ::PatBlt(dc_.get(), 0, 0, width, height, WHITENESS);
    }
    ~TBitmapSurface() { ::SelectObject(dc_.get(), selected_); }
    TBitmapSurface(const TBitmapSurface&) = delete;
    TBitmapSurface& operator=(const TBitmapSurface&) = delete;

    HDC DC() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    TRgb At(int x, int y) const
    {
        ::GdiFlush();
        const DWORD v = bits_[y * width_ + x];
        return {static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF)};
    }
    bool IsWhite(int x, int y) const
    {
        const TRgb c = At(x, y);
        return c.R == 255 && c.G == 255 && c.B == 255;
    }

    // The smallest rectangle holding every pixel that matches; empty when none does.
    RECT BoundsOf(const std::function<bool(TRgb)>& match) const
    {
        RECT box{width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (match(At(x, y))) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        if (box.right == 0)
            box = RECT{0, 0, 0, 0};
        return box;
    }
    int Count(const std::function<bool(TRgb)>& match) const
    {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += match(At(x, y)) ? 1 : 0;
        return n;
    }

private:
    int width_;
    int height_;
    TMemoryDC dc_;
    TGdiObject<HBITMAP> bitmap_;
    const DWORD* bits_ = nullptr;
    HGDIOBJ selected_ = nullptr;
};

inline bool IsNotWhite(TRgb c) { return c.R != 255 || c.G != 255 || c.B != 255; }
inline bool IsReddish(TRgb c) { return c.R > 150 && c.G < 100 && c.B < 100; }
inline bool IsBluish(TRgb c) { return c.B > 150 && c.R < 100 && c.G < 100; }
inline bool IsGreenish(TRgb c) { return c.G > 130 && c.R < 80 && c.B < 80; }
inline bool IsDark(TRgb c) { return c.R < 80 && c.G < 80 && c.B < 80; }
