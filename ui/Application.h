// The application object: its title, the general error handler and the message loop.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

class TApplication {
public:
    std::string Title;

    // Shows the exception that is being handled in an error box captioned with the title;
    // call it only from inside a catch block.
    void HandleException();
    void ShowException(const std::string& message);

    // Pumps messages until WM_QUIT; returns its exit code.
    int Run();
    void Terminate();
};

extern TApplication Application;

// Runs f; an exception that escapes it goes to the general error handler. Every window
// procedure and every callback from the system runs through here. Returns whether f
// completed.
template <typename F>
bool Guarded(F&& f) noexcept
{
    try {
        f();
        return true;
    } catch (...) {
        Application.HandleException();
        return false;
    }
}
