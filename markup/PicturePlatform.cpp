#include "markup/PicturePlatform.h"

#include "base/Exception.h"

#include <fstream>
#include <iterator>

namespace {

class TNoDecoder : public TPictureDecoder {
public:
    std::unique_ptr<TDecodedPicture> Decode(const TPictureBytes&) const override
    {
        throw Exception("Could not load image. Invalid format");
    }
};

class TNoResources : public TPictureResources {
public:
    bool FindRCData(const std::string&, TPictureBytes&) const override { return false; }
};

class TNoShellIcons : public TShellIcons {
public:
    int IconIndexOf(const std::string&) const override { return 0; }
    TIconSize IconSize(bool) const override { return {}; }
    void DrawIcon(TCanvas&, int, int, bool, int) const override {}
};

const TNoDecoder noDecoder;
const TStdPictureFiles stdFiles;
const TNoResources noResources;
const TNoShellIcons noShellIcons;

TPicturePlatform& Current()
{
    static TPicturePlatform platform{&noDecoder, &stdFiles, &noResources, &noShellIcons};
    return platform;
}

}  // namespace

const TPicturePlatform& PicturePlatform()
{
    return Current();
}

void SetPicturePlatform(const TPicturePlatform& platform)
{
    TPicturePlatform& current = Current();
    if (platform.Decoder)
        current.Decoder = platform.Decoder;
    if (platform.Files)
        current.Files = platform.Files;
    if (platform.Resources)
        current.Resources = platform.Resources;
    if (platform.ShellIcons)
        current.ShellIcons = platform.ShellIcons;
}

bool TStdPictureFiles::ReadFile(const std::string& path, TPictureBytes& bytes) const
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    TPictureBytes content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return false;
    bytes = std::move(content);
    return true;
}
