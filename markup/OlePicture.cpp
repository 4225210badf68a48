#include "markup/OlePicture.h"

#include "markup/Canvas.h"

#include "base/Exception.h"
#include "ui/Handles.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace {

// Owns one reference to a COM object.
template <typename T>
class TComRef {
public:
    TComRef() = default;
    TComRef(const TComRef&) = delete;
    TComRef& operator=(const TComRef&) = delete;
    ~TComRef()
    {
        if (object_)
            object_->Release();
    }
    T* get() const { return object_; }
    T** out() { return &object_; }
    T* operator->() const { return object_; }

private:
    T* object_ = nullptr;
};

class TOlePicture : public TDecodedPicture {
public:
    explicit TOlePicture(IPicture* picture) : picture_(picture)
    {
        picture_->get_Width(&width_);
        picture_->get_Height(&height_);
    }
    TOlePicture(const TOlePicture&) = delete;
    TOlePicture& operator=(const TOlePicture&) = delete;
    ~TOlePicture() override { picture_->Release(); }

    int HimetricWidth() const override { return static_cast<int>(width_); }
    int HimetricHeight() const override { return static_cast<int>(height_); }

    void Render(TCanvas& canvas, const TRect& dest) const override
    {
        HDC dc = reinterpret_cast<HDC>(canvas.Handle());
        if (!dc)
            return;
        // The source rectangle runs bottom-up in HIMETRIC.
        picture_->Render(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), 0, height_, width_, -height_, nullptr);
    }

private:
    IPicture* picture_;  // one reference, ours
    OLE_XSIZE_HIMETRIC width_ = 0;
    OLE_YSIZE_HIMETRIC height_ = 0;
};

}  // namespace

std::unique_ptr<TDecodedPicture> TOlePictureDecoder::Decode(const TPictureBytes& bytes) const
{
    TGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!memory)
        throw Exception("Could not allocate memory for image");
    if (!bytes.empty()) {
        void* target = ::GlobalLock(memory.get());
        if (!target)
            throw Exception("Could not allocate memory for image");
        std::memcpy(target, bytes.data(), bytes.size());
        ::GlobalUnlock(memory.get());
    }

    // Declared after the memory, so the stream is released before the memory is freed.
    TComRef<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(memory.get(), FALSE, stream.out())))
        throw Exception("Could not create image stream");
    if (!stream.get())
        throw Exception("Empty image stream created");

    IPicture* picture = nullptr;
    if (FAILED(::OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                reinterpret_cast<void**>(&picture))))
        throw Exception("Could not load image. Invalid format");
    if (!picture)
        throw Exception("Could not load image");
    return std::make_unique<TOlePicture>(picture);
}
