#include "ui/Window.h"

#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/Handles.h"

TWindow::~TWindow()
{
    if (handle_) {
        ::SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        ::DestroyWindow(handle_);
    }
}

void TWindow::SetColor(TColor color)
{
    color_ = color;
    if (handle_)
        ::InvalidateRect(handle_, nullptr, TRUE);
}

void TWindow::CreateHandle(const TWindowClassArgs& windowClass, const TWindowCreateArgs& args)
{
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (!::GetClassInfoExA(instance, windowClass.className, &existing)) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = windowClass.style;
        wc.lpfnWndProc = &TWindow::WindowProc;
        wc.hInstance = instance;
        wc.hCursor = windowClass.cursor ? windowClass.cursor : ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hIcon = windowClass.icon;
        wc.lpszClassName = windowClass.className;
        ::RegisterClassExA(&wc);
    }
    ::CreateWindowExA(args.exStyle, windowClass.className, args.text.c_str(), args.style, args.x, args.y,
                      args.width, args.height, args.parent, args.menuOrId, instance, this);
}

LRESULT TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND && EraseBackground(reinterpret_cast<HDC>(wParam)))
        return 1;
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWindow::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(handle_, message, wParam, lParam);
}

bool TWindow::EraseBackground(HDC dc)
{
    if (color_ == clNone)
        return false;
    RECT client;
    ::GetClientRect(handle_, &client);
    TGdiObject<HBRUSH> brush(::CreateSolidBrush(GdiColor(color_)));
    ::FillRect(dc, &client, brush.get());
    return true;
}

LRESULT CALLBACK TWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->handle_ = window;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (!Guarded([&] { result = self->HandleMessage(message, wParam, lParam); }) && message == WM_NCCREATE)
        return TRUE;  // the error was reported; the window is still created
    return result;
}
