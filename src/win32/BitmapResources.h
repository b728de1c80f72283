// The pictures in the program's resources (toolbar and menu images, logo) are
// 32-bit BMPs with straight alpha. Image lists take straight alpha; menus and
// AlphaBlend want it premultiplied, so each bitmap is made for its consumer.
#pragma once

#include <windows.h>

#include "Owned.h"
#include "engine/Bitmap32.h"
#include "engine/StandardColors.h"

namespace orvelle::win32 {

// Top-down pixels of a BITMAP resource; empty when it is missing or cannot be read.
TBitmap32 LoadBitmapResource(const wchar_t* name);
// The picture `name` as drawn at `percent` (100, 125, 150 or 200): the resource "name_percent".
TBitmap32 LoadScaledPicture(const wchar_t* name, int percent);

enum class AlphaMode { Straight, Premultiplied };

// A new DIB section holding the part (left, top, width x height) of `picture`.
OwnedBitmap CreateBitmapFrom(const TBitmap32& picture, const Rect& part, AlphaMode mode);

// An opaque size x size square of one colour, for the colour menu.
OwnedBitmap CreateSwatchBitmap(TColor color, int size);
// A square of `color` (0xAARRGGBB) in a dark frame, so that white shows on a light bar.
OwnedIcon CreateSwatchIcon(Pixel color, int size);

}  // namespace orvelle::win32
