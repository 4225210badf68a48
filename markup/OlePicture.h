// Picture decoding by the system's OLE picture loader (bitmaps, JPEG, GIF, icons,
// metafiles). Pictures draw through IPicture::Render into the canvas's device context.
#pragma once

#include "markup/PicturePlatform.h"

class TOlePictureDecoder : public TPictureDecoder {
public:
    std::unique_ptr<TDecodedPicture> Decode(const TPictureBytes& bytes) const override;
};
