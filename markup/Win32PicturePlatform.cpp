#include "markup/Win32PicturePlatform.h"

#include "markup/Canvas.h"
#include "markup/OlePicture.h"

#include "ui/Handles.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

void UseWin32PicturePlatform()
{
    static const TOlePictureDecoder decoder;
    static const TWin32PictureFiles files;
    static const TWin32PictureResources resources;
    static const TWin32ShellIcons shellIcons;
    SetPicturePlatform(TPicturePlatform{&decoder, &files, &resources, &shellIcons});
}

bool TWin32PictureFiles::ReadFile(const std::string& path, TPictureBytes& bytes) const
{
    TFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    TPictureBytes content(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!content.empty() &&
        (!::ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr) ||
         read != content.size()))
        return false;
    bytes = std::move(content);
    return true;
}

bool TWin32PictureResources::FindRCData(const std::string& name, TPictureBytes& bytes) const
{
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!resource)
        return false;
    HGLOBAL loaded = ::LoadResource(module, resource);  // not freed: resources stay mapped
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data)
        return false;
    const DWORD size = ::SizeofResource(module, resource);
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes.assign(first, first + size);
    return true;
}

namespace {

// The shell's system image list; owned by the shell, never destroyed.
HIMAGELIST SystemImageList(bool large)
{
    SHFILEINFOA info{};
    return reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | (large ? 0 : SHGFI_SMALLICON)));
}

}  // namespace

int TWin32ShellIcons::IconIndexOf(const std::string& name) const
{
    SHFILEINFOA info{};
    if (::GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES)
        ::SHGetFileInfoA(name.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX);
    else
        ::SHGetFileInfoA(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                         SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES);
    return info.iIcon;
}

TIconSize TWin32ShellIcons::IconSize(bool large) const
{
    int width = 0;
    int height = 0;
    if (HIMAGELIST list = SystemImageList(large))
        ::ImageList_GetIconSize(list, &width, &height);
    return {width, height};
}

void TWin32ShellIcons::DrawIcon(TCanvas& canvas, int x, int y, bool large, int index) const
{
    HDC dc = reinterpret_cast<HDC>(canvas.Handle());
    HIMAGELIST list = SystemImageList(large);
    if (dc && list)
        ::ImageList_Draw(list, index, dc, x, y, ILD_TRANSPARENT);
}
