#include "markup/MarkupPictures.h"

#include "markup/GifFrames.h"
#include "markup/MarkupValues.h"

#include "base/Convert.h"
#include "base/Exception.h"
#include "base/Strings.h"

#include <exception>
#include <iterator>
#include <optional>

namespace {

// Hundredths of a millimetre to pixels at ppi, rounded.
int HimetricToPixels(int himetric, int ppi)
{
    const long long scaled = static_cast<long long>(himetric) * ppi;
    const long long half = 1270;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / 2540 : (scaled - half) / 2540);
}

}  // namespace

// ---- TMarkupPicture -------------------------------------------------------------------

TMarkupPicture::TMarkupPicture(const TPicturePlatform& platform) : platform_(&platform) {}

TMarkupPicture::~TMarkupPicture() = default;

void TMarkupPicture::LoadFromURL(const std::string& url)
{
    url_ = url;
    const std::string upper = UpperCase(url);
    if (StartsWith(upper, "RES://")) {
        source_ = url;
        const std::string name = Copy(url, 7, static_cast<std::ptrdiff_t>(url.size()));
        if (!name.empty())
            LoadFromResourceName(name);
    } else if (StartsWith(upper, "FILE://")) {
        source_ = url;
        const std::string path = Copy(url, 8, static_cast<std::ptrdiff_t>(url.size()));
        if (path.empty())
            return;
        try {
            LoadFromFile(path);
        } catch (const std::exception&) {
            // A picture file that cannot be read or decoded shows nothing and takes no room;
            // so does one too large to hold in memory.
            data_.clear();
            decoded_.reset();
            empty_ = true;
        }
    } else if (!asynchronous_) {
        source_ = url;
    }
    // An asynchronous picture of another scheme would be fetched in the background; there
    // is nothing to fetch it with, so it simply stays empty.
}

void TMarkupPicture::LoadFromFile(const std::string& path)
{
    TPictureBytes bytes;
    if (!platform_->Files->ReadFile(path, bytes))
        throw EInOutError("Cannot open file " + path);
    TakeIn(std::move(bytes));
}

void TMarkupPicture::LoadFromStream(std::istream& stream)
{
    TakeIn(TPictureBytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>()));
}

void TMarkupPicture::LoadFromResourceName(const std::string& name)
{
    TPictureBytes bytes;
    if (platform_->Resources->FindRCData(name, bytes))
        TakeIn(std::move(bytes));
}

void TMarkupPicture::TakeIn(TPictureBytes bytes)
{
    data_ = std::move(bytes);
    empty_ = false;
    Decode();
}

void TMarkupPicture::Decode()
{
    decoded_.reset();
    const TGifFrames frames = ScanGifFrames(data_);
    frameCount_ = frames.IsGif ? static_cast<int>(frames.Starts.size()) : -1;
    animationWidth_ = frames.ScreenWidth;
    animationHeight_ = frames.ScreenHeight;
    TGifFrameSelection selection = SelectGifFrame(data_, frames, frame_);
    frameOffset_ = selection.FrameOffset;
    decoded_ = platform_->Decoder->Decode(selection.Bytes);
    if (!decoded_)
        throw Exception("Could not load image");
}

void TMarkupPicture::SetFrame(int frame)
{
    frame_ = frame;
    if (!data_.empty())
        Decode();
    if (OnFrameChange)
        OnFrameChange(*this);
}

int TMarkupPicture::Width() const
{
    if (!decoded_)
        return 0;
    if (animationWidth_ != 0)
        return animationWidth_;
    return HimetricToPixels(decoded_->HimetricWidth(), PixelsPerInchX);
}

int TMarkupPicture::Height() const
{
    if (!decoded_)
        return 0;
    if (animationHeight_ != 0)
        return animationHeight_;
    return HimetricToPixels(decoded_->HimetricHeight(), PixelsPerInchY);
}

void TMarkupPicture::DrawInto(TCanvas& canvas, const TRect& rect) const
{
    if (empty_ || !decoded_)
        return;
    if (stretch_) {
        decoded_->Render(canvas, rect);
        return;
    }
    const int width = HimetricToPixels(decoded_->HimetricWidth(), canvas.PixelsPerInchX());
    const int height = HimetricToPixels(decoded_->HimetricHeight(), canvas.PixelsPerInchY());
    decoded_->Render(canvas, TRect{rect.Left, rect.Top, rect.Left + width, rect.Top + height});
}

// ---- TMarkupPictureCache ---------------------------------------------------------------

TMarkupPictureCache::TMarkupPictureCache(const TPicturePlatform& platform) : platform_(&platform) {}

TMarkupPicture& TMarkupPictureCache::AddPicture()
{
    pictures_.push_back(std::make_unique<TMarkupPicture>(*platform_));
    return *pictures_.back();
}

TMarkupPicture* TMarkupPictureCache::FindPicture(const std::string& source) const
{
    for (const auto& picture : pictures_) {
        if (picture->Source() == source)
            return picture.get();
    }
    return nullptr;
}

void TMarkupPictureCache::Clear()
{
    pictures_.clear();
}

// ---- TPictureContainer -----------------------------------------------------------------

TPictureItem::TPictureItem(const TPicturePlatform& platform) : picture_(std::make_unique<TMarkupPicture>(platform)) {}

TPictureItem& TPictureCollection::Add(const TPicturePlatform& platform)
{
    items_.push_back(std::make_unique<TPictureItem>(platform));
    return *items_.back();
}

TMarkupPicture* TPictureContainer::FindPicture(const std::string& name) const
{
    const std::string wanted = UpperCase(name);
    for (int i = 0; i < Items.Count(); ++i) {
        if (UpperCase(Items[i].Name) == wanted)
            return &Items[i].Picture();
    }
    return nullptr;
}

// ---- Resolving a picture source --------------------------------------------------------

TResolvedPicture ResolvePicture(const std::string& source, const TImageList* images,
                                const TPictureContainer* container, TMarkupPictureCache* cache)
{
    TResolvedPicture resolved;
    std::string work = source;

    if (Pos("IDX:", UpperCase(work)) > 0) {
        Delete(work, 1, 4);
        if (images) {
            const int index = LeadingInteger(work);
            if (index >= 0 && index < images->Count()) {
                resolved.ImageIndex = index;
                resolved.ImageWidth = images->Width();
                resolved.ImageHeight = images->Height();
            }
        }
    }
    if (Pos("SSYS:", UpperCase(work)) > 0) {
        Delete(work, 1, 5);
        resolved.SystemIcon = true;
        resolved.LargeIcon = false;
        resolved.IconName = work;
    }
    if (Pos("LSYS:", UpperCase(work)) > 0) {
        Delete(work, 1, 5);
        resolved.SystemIcon = true;
        resolved.LargeIcon = true;
        resolved.IconName = work;
    }

    TMarkupPicture* picture = nullptr;
    if (Pos(":", work) == 0 && container)
        picture = container->FindPicture(work);
    if (Pos("://", work) > 0 && cache) {
        if (!cache->FindPicture(work)) {
            TMarkupPicture& added = cache->AddPicture();
            added.SetAsynchronous(false);
            added.LoadFromURL(work);
        }
        picture = cache->FindPicture(work);
    }
    if (picture && !picture->Empty())
        resolved.Picture = picture;
    return resolved;
}

// ---- Shell icons -----------------------------------------------------------------------

TIconSize DrawSystemIcon(const TShellIcons& icons, TCanvas& canvas, int x, int y, bool large, bool draw,
                         const std::string& name)
{
    int index = 0;
    if (!name.empty()) {
        const std::optional<std::int32_t> number = TryStrToInt(name);
        index = number ? *number : icons.IconIndexOf(name);
    }
    const TIconSize size = icons.IconSize(large);
    if (draw)
        icons.DrawIcon(canvas, x, y, large, index);
    return size;
}

TIconSize DrawSystemIcon(TCanvas& canvas, int x, int y, bool large, bool draw, const std::string& name)
{
    return DrawSystemIcon(*PicturePlatform().ShellIcons, canvas, x, y, large, draw, name);
}
