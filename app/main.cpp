// Program entry: the data directory first, then the windows, then the message loop.
// No command line and no environment variable is read.
#include <windows.h>

#include "app/DataDirectorySystem.h"
#include "app/TavorinUnit1.h"
#include "ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    Application.Title = "Tavorin";
    ResolveDataDirectory();

    TTavorinForm menu;
    TavorinForm = &menu;
    // The settings dialog (which reads the configuration and applies it to the menu) and
    // the About box are created here, in this order, once they exist.

    menu.Show();
    Application.Run();
    TavorinForm = nullptr;
    return 0;
}
