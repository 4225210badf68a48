// Measuring and drawing a caption written in the caption markup.
#pragma once

#include "markup/Canvas.h"

#include "base/Types.h"

#include <string>

class TPictureContainer;
class TMarkupPictureCache;

struct TMarkupExtent {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TMarkupExtent&, const TMarkupExtent&) = default;
};

// Lays text out line by line inside bounds on canvas, whose font at entry is the base
// font, and draws it unless measureOnly. Pictures named by the caption come from images,
// pictureContainer and pictureCache (each may be null; pictures loaded by URL stay in the
// cache). On return the canvas font is the base font again and the brush colour the one at
// entry. Raises nothing of its own; malformed markup is drawn as far as it can be read.
TMarkupExtent DrawMarkup(TCanvas& canvas, const std::string& text, const TRect& bounds,
                         const TImageList* images, const TPictureContainer* pictureContainer,
                         TMarkupPictureCache* pictureCache, TColor shadowColor, int shadowOffset,
                         TColor linkColor, bool wordWrap, bool measureOnly);

// The caption text as the line loop reads it: entities decoded, the first "<#name>" shown
// as "#name", carriage returns turned into "<BR>", line feeds removed.
std::string PrepareMarkupText(const std::string& text);
