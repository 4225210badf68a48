#include "ui/MessageBoxes.h"

#include "ui/Application.h"

void ShowNotice(const std::string& text)
{
    ShowMessageBox(text, MB_OK);
}

int ShowMessageBox(const std::string& text, UINT flags)
{
    return ::MessageBoxA(::GetActiveWindow(), text.c_str(), Application.Title.c_str(), flags | MB_TASKMODAL);
}
