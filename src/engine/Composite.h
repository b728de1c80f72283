// Source-over blending of an overlay layer onto the picture beneath it.
//
// Layer pixels carry straight (not premultiplied) alpha. With a = the layer
// pixel's alpha, each colour channel becomes
//     out = (layer * a + picture * (255 - a) + 127) / 255
// which is the exact quotient rounded to nearest (255 is odd, so there are no
// ties), and the alpha byte becomes
//     out = a + (pictureAlpha * (255 - a) + 127) / 255.
// So a = 255 copies the layer pixel exactly and a = 0 leaves the picture pixel
// exactly as it was.
#pragma once

#include "engine/Image.h"

namespace orvelle {

Pixel BlendOver(Pixel layer, Pixel picture);

// Blends `layer`, its top-left corner placed at `origin` in `picture`, over
// the picture pixels inside `area`. Parts outside the layer, the picture or
// the area are left alone.
void CompositeOver(ConstImageRef layer, Point origin, ImageRef picture, Rect area);

}  // namespace orvelle
