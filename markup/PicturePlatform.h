// What the picture classes need from the platform: decoding bytes into a drawable picture,
// reading files, finding the program's RCDATA resources and the shell's icon lists.
//
// The portable picture classes reach the platform only through these interfaces. The Win32
// shell installs its implementations once at start-up (UseWin32PicturePlatform in
// markup/Win32PicturePlatform.h); tests hand fakes to the classes directly.
#pragma once

#include "base/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCanvas;

using TPictureBytes = std::vector<std::uint8_t>;

// A decoded picture. Its size is in hundredths of a millimetre (HIMETRIC).
class TDecodedPicture {
public:
    virtual ~TDecodedPicture() = default;
    virtual int HimetricWidth() const = 0;
    virtual int HimetricHeight() const = 0;
    // Renders the whole picture into dest (device pixels of the canvas).
    virtual void Render(TCanvas& canvas, const TRect& dest) const = 0;
};

// Turns undecoded bytes into a picture. Failures raise Exception with one of the texts
// "Could not allocate memory for image", "Could not create image stream",
// "Empty image stream created", "Could not load image. Invalid format",
// "Could not load image".
class TPictureDecoder {
public:
    virtual ~TPictureDecoder() = default;
    virtual std::unique_ptr<TDecodedPicture> Decode(const TPictureBytes& bytes) const = 0;
};

class TPictureFiles {
public:
    virtual ~TPictureFiles() = default;
    // False when the file cannot be read.
    virtual bool ReadFile(const std::string& path, TPictureBytes& bytes) const = 0;
};

class TPictureResources {
public:
    virtual ~TPictureResources() = default;
    // False when the program has no RCDATA resource of that name.
    virtual bool FindRCData(const std::string& name, TPictureBytes& bytes) const = 0;
};

struct TIconSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TIconSize&, const TIconSize&) = default;
};

// The shell's system icon lists.
class TShellIcons {
public:
    virtual ~TShellIcons() = default;
    // Icon index of the file or folder of that name when it exists, otherwise of a file of
    // that name judged by its type alone.
    virtual int IconIndexOf(const std::string& name) const = 0;
    virtual TIconSize IconSize(bool large) const = 0;
    // Draws icon `index` of the large or small list transparently at (x, y).
    virtual void DrawIcon(TCanvas& canvas, int x, int y, bool large, int index) const = 0;
};

// One set of platform services. Members are never null once installed.
struct TPicturePlatform {
    const TPictureDecoder* Decoder = nullptr;
    const TPictureFiles* Files = nullptr;
    const TPictureResources* Resources = nullptr;
    const TShellIcons* ShellIcons = nullptr;
};

// The services in force. Until the shell installs its own, files are read with the
// standard library, there are no resources and no shell icons, and every decode fails
// with "Could not load image. Invalid format".
const TPicturePlatform& PicturePlatform();
// Replaces the members that are not null; the objects must outlive every picture.
void SetPicturePlatform(const TPicturePlatform& platform);

// Reads a whole file with the standard library.
class TStdPictureFiles : public TPictureFiles {
public:
    bool ReadFile(const std::string& path, TPictureBytes& bytes) const override;
};
