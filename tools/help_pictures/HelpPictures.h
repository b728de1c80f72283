// The pictures of the help file that are made from the program itself: the
// examples of the magnification filters, and the toolbar buttons.
//
// The filter examples are one small test patch, as it might lie on the
// screen, enlarged with each filter by the same drawing that paints the view
// and exports the picture. The toolbar buttons are cut from the program's own
// toolbar strip. The help_pictures tool writes them as BMP files into
// help/images, and a unit test checks that the files there still match.
#pragma once

#include <array>
#include <string_view>

#include "engine/Bitmap32.h"
#include "engine/StretchFilter.h"

namespace orvelle::help {

// The test patch is this many screen pixels wide and high, and each example
// shows it this many times enlarged.
inline constexpr int kPatchSize = 12;
inline constexpr int kPictureZoom = 8;

struct FilterPicture {
    std::string_view fileName;
    TStretchFilter filter;
};

// Precise first, then the smoothing types in the order of their menu.
inline constexpr std::array<FilterPicture, 7> kFilterPictures{{
    {"precise.bmp", TStretchFilter::sfNearest},
    {"simple.bmp", TStretchFilter::sfDraft},
    {"linear.bmp", TStretchFilter::sfLinear},
    {"cosine.bmp", TStretchFilter::sfCosine},
    {"bicubic.bmp", TStretchFilter::sfSpline},
    {"lanczos.bmp", TStretchFilter::sfLanczos},
    {"mitchell.bmp", TStretchFilter::sfMitchell},
}};

// A black letter on white, a few single coloured pixels and a smooth
// (anti-aliased) diagonal edge: kPatchSize x kPatchSize opaque pixels.
TBitmap32 DrawTestPatch();

// The patch enlarged kPictureZoom times with `filter`, exactly as the view
// shows it without grid, marker or guides; every pixel opaque.
TBitmap32 RenderFilterPicture(TStretchFilter filter);

struct ToolbarPicture {
    std::string_view fileName;
    int imageIndex;  // position of the button's image in the toolbar strip
};

// The toolbar buttons in the order the toolbars show them.
inline constexpr std::array<ToolbarPicture, 8> kToolbarPictures{{
    {"tb_precise.bmp", 0},
    {"tb_smooth.bmp", 1},
    {"tb_cursor.bmp", 3},
    {"tb_grid.bmp", 2},
    {"tb_rastered.bmp", 4},
    {"tb_ontop.bmp", 5},
    {"tb_ruler.bmp", 6},
    {"tb_help.bmp", 8},
}};

// The page colour the button pictures are laid on, since the help viewer
// ignores a BMP file's alpha.
inline constexpr Pixel kToolbarPictureBackground = 0xFFFFFFFFu;

// Image `imageIndex` of the toolbar strip at 100 % (images of 24 x 20 side by
// side, straight alpha), laid on kToolbarPictureBackground; every pixel
// opaque. An index outside the strip gives an empty picture.
TBitmap32 CutToolbarPicture(const TBitmap32& strip, int imageIndex);

}  // namespace orvelle::help
