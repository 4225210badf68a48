#include "app/TavorinUnit1.h"

#include "ui/Application.h"

TTavorinForm* TavorinForm = nullptr;

namespace {

HFONT CreatePointFont(const char* face, int points)
{
    TScopedGetDC screen(nullptr);
    LOGFONTA description{};
    description.lfHeight = -::MulDiv(points, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(description.lfFaceName, face, LF_FACESIZE);
    return ::CreateFontIndirectA(&description);
}

}  // namespace

TTavorinForm::TTavorinForm() : font_(CreatePointFont("MS Sans Serif", 8))
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
