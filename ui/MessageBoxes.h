// Message boxes captioned with the application title.
#pragma once

#include <windows.h>

#include <string>

// A plain notice with one OK button.
void ShowNotice(const std::string& text);

// Any message box; returns the button chosen.
int ShowMessageBox(const std::string& text, UINT flags);
