// Pictures shown by captions: the picture class, the per-button picture cache, the
// container of named pictures, resolving a picture source, shell icons, gradient fills.
#pragma once

#include "markup/Canvas.h"
#include "markup/Gradient.h"
#include "markup/PicturePlatform.h"

#include "base/Types.h"

#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <vector>

// One picture: the undecoded bytes as loaded and the picture decoded from them.
// Width and Height (TGraphic) are the natural size in pixels at 96 per inch.
class TMarkupPicture : public TGraphic {
public:
    static constexpr int PixelsPerInchX = 96;
    static constexpr int PixelsPerInchY = 96;

    // The platform must outlive the picture; by default the services in force.
    explicit TMarkupPicture(const TPicturePlatform& platform = PicturePlatform());
    ~TMarkupPicture() override;
    TMarkupPicture(const TMarkupPicture&) = delete;
    TMarkupPicture& operator=(const TMarkupPicture&) = delete;

    // "RES://name" loads the RCDATA resource of that name (decoding errors are raised);
    // "FILE://path" loads the file (any failure leaves the picture empty, silently); any
    // other URL loads nothing. The source is set before loading, so a cache finds a
    // picture that failed and never loads it again.
    void LoadFromURL(const std::string& url);
    // These raise the decoding errors; LoadFromFile raises EInOutError when the file cannot
    // be read.
    void LoadFromFile(const std::string& path);
    void LoadFromStream(std::istream& stream);
    void LoadFromResourceName(const std::string& name);  // nothing when there is no such resource

    // Draws into rect: stretched over all of it with Stretch, otherwise at its size at the
    // canvas's own resolution with the top-left corner at rect's top-left. Nothing when
    // empty or not decoded.
    void DrawInto(TCanvas& canvas, const TRect& rect) const;

    // TGraphic: true until bytes were taken in (stays false when decoding then failed).
    bool Empty() const override { return empty_; }
    int Width() const override;
    int Height() const override;
    bool Decoded() const { return decoded_ != nullptr; }

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { stretch_ = stretch; }
    // Which frame of an animated GIF is shown, from 1. Selecting decodes again when there
    // is data, then raises OnFrameChange.
    int Frame() const { return frame_; }
    void SetFrame(int frame);
    // Frames of the GIF data; -1 when the data is not a GIF.
    int FrameCount() const { return frameCount_; }
    // Left and top of the shown frame inside the GIF's logical screen; 0 for other formats.
    TPoint FrameOffset() const { return frameOffset_; }
    // The GIF's logical screen size; 0 for other formats.
    int AnimationWidth() const { return animationWidth_; }
    int AnimationHeight() const { return animationHeight_; }

    const TPictureBytes& Data() const { return data_; }
    const std::string& Source() const { return source_; }
    const std::string& URL() const { return url_; }
    // Whether a URL that is neither "RES://" nor "FILE://" is fetched in the background.
    // Such a fetch has nothing to do in this program; the flag only decides whether the
    // source is set.
    bool Asynchronous() const { return asynchronous_; }
    void SetAsynchronous(bool asynchronous) { asynchronous_ = asynchronous; }

    std::function<void(TMarkupPicture&)> OnFrameChange;
    // Never raised: no picture is ever fetched in the background.
    std::function<void(TMarkupPicture&)> OnDownLoadError;
    std::function<void(TMarkupPicture&)> OnDownLoadComplete;
    std::function<void(TMarkupPicture&)> OnDownLoadCancel;
    std::function<void(TMarkupPicture&)> OnDownLoadProgress;

private:
    void TakeIn(TPictureBytes bytes);
    void Decode();

    const TPicturePlatform* platform_;  // we don't own it
    TPictureBytes data_;
    std::unique_ptr<TDecodedPicture> decoded_;
    bool empty_ = true;
    bool stretch_ = false;
    int frame_ = 1;
    int frameCount_ = -1;
    TPoint frameOffset_;
    int animationWidth_ = 0;
    int animationHeight_ = 0;
    std::string source_;
    std::string url_;
    bool asynchronous_ = true;
};

// The pictures one button loaded by URL, in the order they were added. Owns them.
class TMarkupPictureCache {
public:
    explicit TMarkupPictureCache(const TPicturePlatform& platform = PicturePlatform());
    TMarkupPictureCache(const TMarkupPictureCache&) = delete;
    TMarkupPictureCache& operator=(const TMarkupPictureCache&) = delete;

    TMarkupPicture& AddPicture();
    // The first picture whose source equals source exactly; nullptr when none.
    TMarkupPicture* FindPicture(const std::string& source) const;
    void Clear();
    int Count() const { return static_cast<int>(pictures_.size()); }
    TMarkupPicture& operator[](int index) const { return *pictures_.at(static_cast<std::size_t>(index)); }

private:
    const TPicturePlatform* platform_;  // we don't own it
    std::vector<std::unique_ptr<TMarkupPicture>> pictures_;
};

// A named picture of a container. Owns its picture.
class TPictureItem {
public:
    explicit TPictureItem(const TPicturePlatform& platform = PicturePlatform());
    TMarkupPicture& Picture() const { return *picture_; }
    std::string Name;
    int Tag = 0;

private:
    std::unique_ptr<TMarkupPicture> picture_;
};

class TPictureCollection {
public:
    TPictureItem& Add(const TPicturePlatform& platform = PicturePlatform());
    int Count() const { return static_cast<int>(items_.size()); }
    TPictureItem& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TPictureItem>> items_;
};

class TPictureContainer {
public:
    TPictureCollection Items;
    // The picture of the first item whose Name equals name without regard to case.
    TMarkupPicture* FindPicture(const std::string& name) const;
};

// What a picture source names. More than one part can be set for odd sources (such as
// "IDX:2" when a container also holds a picture named "2"); the tags apply each part
// that is set, in the order image-list image, shell icon, picture.
struct TResolvedPicture {
    // An image of the image list given to the engine: its index and the list's image size.
    int ImageIndex = -1;
    int ImageWidth = 0;
    int ImageHeight = 0;
    // A shell icon to draw with DrawSystemIcon(canvas, x, y, LargeIcon, draw, IconName).
    bool SystemIcon = false;
    bool LargeIcon = false;
    std::string IconName;
    // A picture of the container or the cache; set only when it is not empty.
    TMarkupPicture* Picture = nullptr;

    bool HasImage() const { return ImageIndex >= 0; }
};

// Resolves a picture source in the order "IDX:", "SSYS:"/"LSYS:", a container name (no
// ":"), a URL of the cache ("://"), each step working on what the previous one left. A
// URL not yet in the cache is added to it, made synchronous and loaded (which can raise
// the decoding errors for "RES://" resources). images, container and cache may be null.
TResolvedPicture ResolvePicture(const std::string& source, const TImageList* images,
                                const TPictureContainer* container, TMarkupPictureCache* cache);

// Shell icon of a file, folder or file type (a name that is not an integer) or of an
// index into the shell's icon list (a name that is an integer; empty means 0). Returns the
// list's icon size; with draw, the icon is drawn transparently at (x, y).
TIconSize DrawSystemIcon(TCanvas& canvas, int x, int y, bool large, bool draw, const std::string& name);
TIconSize DrawSystemIcon(const TShellIcons& icons, TCanvas& canvas, int x, int y, bool large, bool draw,
                         const std::string& name);
