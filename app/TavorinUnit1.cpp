#include "app/TavorinUnit1.h"

#include "markup/GdiFonts.h"
#include "ui/Application.h"

TTavorinForm* TavorinForm = nullptr;

namespace {

HFONT CreateScreenFont(const TFontDesc& font)
{
    TScopedGetDC screen(nullptr);
    const LOGFONTA description = LogicalFont(font, ::GetDeviceCaps(screen.get(), LOGPIXELSY));
    return ::CreateFontIndirectA(&description);
}

}  // namespace

TTavorinForm::TTavorinForm() : font_(CreateScreenFont(TFontDesc{.Name = "MS Sans Serif", .Size = 8}))
{
    SetColor(clBtnFace);
    TWindowCreateArgs args;
    args.text = "TavorinForm";
    args.style = WS_POPUP | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_APPWINDOW;
    args.x = 0;
    args.y = 0;
    args.width = ::GetSystemMetrics(SM_CXSCREEN);
    args.height = ::GetSystemMetrics(SM_CYSCREEN);
    CreateHandle({.className = "TTavorinForm"}, args);
    Guarded([this] { FormCreate(); });
}

void TTavorinForm::FormCreate()
{
    mutex_.reset(::CreateMutexA(nullptr, FALSE, "TavorinMutex"));

    ScreenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    ScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    ::SetWindowPos(Handle(), nullptr, 0, 0, ScreenWidth, ScreenHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TTavorinForm::Show()
{
    ::ShowWindow(Handle(), SW_SHOWMAXIMIZED);
    ::UpdateWindow(Handle());
}

LRESULT TTavorinForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETMINMAXINFO: {
        // Maximized, the borderless window covers the whole screen, not just the work area.
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxPosition = {0, 0};
        info->ptMaxSize = {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        info->ptMaxTrackSize = info->ptMaxSize;
        return 0;
    }
    case WM_DESTROY:
        if (TavorinForm == this)
            Application.Terminate();
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
