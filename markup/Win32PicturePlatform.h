// The Win32 picture services: OLE decoding, files through CreateFileA, the program's
// RCDATA resources and the shell's system icon lists.
#pragma once

#include "markup/PicturePlatform.h"

// Installs the Win32 services as the ones in force. The GDI canvas does so when the first
// one is made; call it earlier when pictures are loaded before anything is painted.
void UseWin32PicturePlatform();

class TWin32PictureFiles : public TPictureFiles {
public:
    bool ReadFile(const std::string& path, TPictureBytes& bytes) const override;
};

class TWin32PictureResources : public TPictureResources {
public:
    bool FindRCData(const std::string& name, TPictureBytes& bytes) const override;
};

class TWin32ShellIcons : public TShellIcons {
public:
    int IconIndexOf(const std::string& name) const override;
    TIconSize IconSize(bool large) const override;
    void DrawIcon(TCanvas& canvas, int x, int y, bool large, int index) const override;
};
