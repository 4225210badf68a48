// The menu window: one borderless window covering the whole screen.
#pragma once

#include "ui/Handles.h"
#include "ui/Window.h"

class TTavorinForm : public TWindow {
public:
    TTavorinForm();

    // Shows the window maximized; done when the message loop starts.
    void Show();

    HFONT Font() const { return font_.get(); }

    int ScreenWidth = 0;
    int ScreenHeight = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();

    THandle mutex_;  // held for the life of the process, never examined
    TGdiObject<HFONT> font_;
};

// The menu window of the running program (the application's main window).
extern TTavorinForm* TavorinForm;
