// Benchmark: captions measured and drawn with DrawMarkup on the GDI canvas into a memory
// bitmap, against plain DrawTextExA of the same words. Prints the times and their ratio.
//
//   markup_bench [rounds]
#include "markup/GdiCanvas.h"
#include "markup/MarkupEngine.h"
#include "markup/MarkupPictures.h"
#include "markup/Win32PicturePlatform.h"

#include "ui/Handles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TCaption {
    const char* Markup;
    const char* Words;  // the same words without markup
};

const TCaption captions[] = {
    {"Mail", "Mail"},
    {"<B>Mail</B><BR><FONT color=\"clRed\">Outlook</FONT>", "Mail Outlook"},
    {"Internet Explorer", "Internet Explorer"},
    {"<FONT size=\"4\">Word</FONT> processor", "Word processor"},
    {"<I>Calculator</I>", "Calculator"},
    {"Remote <B>Desktop</B> connection to the office server", "Remote Desktop connection to the office server"},
    {"<P align=\"center\">Notes &amp; Tasks</P>", "Notes & Tasks"},
    {"<U>Paint</U><BR>Pictures and photos", "Paint Pictures and photos"},
    {"<FONT face=\"Tahoma\" color=\"#0000FF\">Point of sale</FONT>", "Point of sale"},
    {"Help <FONT size=\"2\">desk</FONT>", "Help desk"},
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

const TRect bounds{4, 4, 184, 84};  // about the caption area of a menu button
const TFontDesc baseFont{"Arial", 12, 0, clBlack};

// As a button paints: a canvas over the DC for each paint, the caption measured, then drawn.
double TimeMarkup(HDC dc, int rounds)
{
    TMarkupPictureCache cache;
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    for (int round = 0; round < rounds; ++round)
        for (const TCaption& caption : captions) {
            TGdiCanvas canvas(dc);
            canvas.SetFont(baseFont);
            DrawMarkup(canvas, caption.Markup, bounds, nullptr, nullptr, &cache, clBlack, 1, RGBColor(0, 0, 255), true, true);
            DrawMarkup(canvas, caption.Markup, bounds, nullptr, nullptr, &cache, clBlack, 1, RGBColor(0, 0, 255), true, false);
        }
    ::QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

// What a plain button does: select its font, measure the words, then draw them.
double TimePlain(HDC dc, int rounds, bool measureToo)
{
    TGdiObject<HFONT> font(::CreateFontA(-::MulDiv(baseFont.Size, ::GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0,
                                         FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, baseFont.Name.c_str()));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    const UINT flags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    for (int round = 0; round < rounds; ++round)
        for (const TCaption& caption : captions) {
            TScopedSelectObject selected(dc, font.get());
            std::string words = caption.Words;
            RECT r{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
            if (measureToo) {
                RECT measured = r;
                ::DrawTextExA(dc, words.data(), static_cast<int>(words.size()), &measured, flags | DT_CALCRECT, nullptr);
            }
            ::DrawTextExA(dc, words.data(), static_cast<int>(words.size()), &r, flags, nullptr);
        }
    ::QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    UseWin32PicturePlatform();

    TMemoryDC dc(::CreateCompatibleDC(nullptr));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 200;
    info.bmiHeader.biHeight = -100;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    TGdiObject<HBITMAP> bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    TScopedSelectObject selected(dc.get(), bitmap.get());

    TimeMarkup(dc.get(), rounds / 10 + 1);  // warm the font caches of both sides
    TimePlain(dc.get(), rounds / 10 + 1, true);
    // The machine is shared: the best of several alternating runs is the figure.
    double markup = 1e9, plainDraw = 1e9, plainMeasureDraw = 1e9;
    for (int repeat = 0; repeat < 7; ++repeat) {
        markup = std::min(markup, TimeMarkup(dc.get(), rounds));
        plainDraw = std::min(plainDraw, TimePlain(dc.get(), rounds, false));
        plainMeasureDraw = std::min(plainMeasureDraw, TimePlain(dc.get(), rounds, true));
    }
    const double perCaption = 1e6 / (rounds * static_cast<double>(std::size(captions)));
    std::printf("best of 7 runs of %d rounds of %d captions\n", rounds, static_cast<int>(std::size(captions)));
    std::printf("DrawMarkup, measure + draw:      %8.2f us per caption\n", markup * perCaption);
    std::printf("DrawTextExA, draw:               %8.2f us per caption\n", plainDraw * perCaption);
    std::printf("DrawTextExA, measure + draw:     %8.2f us per caption\n", plainMeasureDraw * perCaption);
    std::printf("ratio against plain draw:        %8.2f\n", markup / plainDraw);
    std::printf("ratio against plain measure+draw:%8.2f\n", markup / plainMeasureDraw);
    return 0;
}
