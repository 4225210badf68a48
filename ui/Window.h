// The window base every form and control of the program derives from. One window
// procedure serves all of them: it finds the object of the window and runs its
// HandleMessage under the general error handler.
#pragma once

#include <windows.h>

#include <string>

#include "base/Types.h"

struct TWindowClassArgs {
    const char* className = nullptr;
    UINT style = CS_DBLCLKS;
    HCURSOR cursor = nullptr;  // nullptr: the arrow
    HICON icon = nullptr;
};

struct TWindowCreateArgs {
    std::string text;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;
};

class TWindow {
public:
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    virtual ~TWindow();

    HWND Handle() const { return handle_; }

    // The system colour or RGB value the background is erased with; clNone leaves the
    // background alone.
    TColor Color() const { return color_; }
    void SetColor(TColor color);

protected:
    // Registers the class on first use (always with our window procedure) and creates the
    // window. An exception in a creation handler is reported and the window still exists.
    void CreateHandle(const TWindowClassArgs& windowClass, const TWindowCreateArgs& args);

    // Called for every message; the default passes it to DefWindowProcA.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool EraseBackground(HDC dc);

    HWND handle_ = nullptr;
    TColor color_ = clBtnFace;
};
