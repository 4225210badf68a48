#include "ui/Application.h"

#include "base/Exception.h"
#include "ui/MessageBoxes.h"

TApplication Application;

void TApplication::HandleException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown error");
    }
}

void TApplication::ShowException(const std::string& message)
{
    ShowMessageBox(ErrorBoxText(message), MB_OK | MB_ICONERROR);
}

int TApplication::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void TApplication::Terminate()
{
    ::PostQuitMessage(0);
}
