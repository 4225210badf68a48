// Platform fakes for the picture classes: a decoder that records what it was given, files
// and resources from maps, shell icons that record what they drew.
#pragma once

#include "markup/MarkupPictures.h"

#include "base/Exception.h"

#include <fstream>
#include <iterator>
#include <map>
#include <new>
#include <string>
#include <vector>

class TFakeDecodedPicture : public TDecodedPicture {
public:
    TFakeDecodedPicture(int himetricWidth, int himetricHeight) : width_(himetricWidth), height_(himetricHeight) {}
    int HimetricWidth() const override { return width_; }
    int HimetricHeight() const override { return height_; }
    void Render(TCanvas&, const TRect& dest) const override { Rendered.push_back(dest); }
    mutable std::vector<TRect> Rendered;

private:
    int width_;
    int height_;
};

// Decodes any bytes to a picture of a fixed HIMETRIC size, or raises Failure when set.
class TFakeDecoder : public TPictureDecoder {
public:
    std::unique_ptr<TDecodedPicture> Decode(const TPictureBytes& bytes) const override
    {
        Decoded.push_back(bytes);
        if (!Failure.empty())
            throw Exception(Failure);
        auto picture = std::make_unique<TFakeDecodedPicture>(HimetricWidth, HimetricHeight);
        Last = picture.get();
        return picture;
    }
    int HimetricWidth = 2540;   // 96 px
    int HimetricHeight = 1270;  // 48 px
    std::string Failure;
    mutable std::vector<TPictureBytes> Decoded;
    mutable const TFakeDecodedPicture* Last = nullptr;
};

class TFakeFiles : public TPictureFiles {
public:
    bool ReadFile(const std::string& path, TPictureBytes& bytes) const override
    {
        Reads.push_back(path);
        if (path == OutOfMemory)
            throw std::bad_alloc();
        auto it = Files.find(path);
        if (it == Files.end())
            return false;
        bytes = it->second;
        return true;
    }
    std::map<std::string, TPictureBytes> Files;
    std::string OutOfMemory;  // reading this file runs out of memory
    mutable std::vector<std::string> Reads;
};

class TFakeResources : public TPictureResources {
public:
    bool FindRCData(const std::string& name, TPictureBytes& bytes) const override
    {
        auto it = Resources.find(name);
        if (it == Resources.end())
            return false;
        bytes = it->second;
        return true;
    }
    std::map<std::string, TPictureBytes> Resources;
};

class TFakeShellIcons : public TShellIcons {
public:
    struct TDrawn {
        int X, Y;
        bool Large;
        int Index;
    };
    int IconIndexOf(const std::string& name) const override
    {
        Asked.push_back(name);
        return 42;
    }
    TIconSize IconSize(bool large) const override { return large ? TIconSize{32, 32} : TIconSize{16, 16}; }
    void DrawIcon(TCanvas&, int x, int y, bool large, int index) const override { Drawn.push_back({x, y, large, index}); }
    mutable std::vector<std::string> Asked;
    mutable std::vector<TDrawn> Drawn;
};

struct TFakePlatform {
    TFakeDecoder Decoder;
    TFakeFiles Files;
    TFakeResources Resources;
    TFakeShellIcons ShellIcons;
    TPicturePlatform Platform{&Decoder, &Files, &Resources, &ShellIcons};
};

inline TPictureBytes ReadFixture(const std::string& name)
{
    std::ifstream file(std::string(TAVORIN_FIXTURE_DIR) + "/" + name, std::ios::binary);
    return TPictureBytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}
