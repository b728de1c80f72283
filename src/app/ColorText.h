// The pointer pixel's colour as people write it in style sheets and paint programs.
#pragma once

#include <string>

#include "engine/Image.h"

namespace orvelle {

// "#RRGGBB" in capitals; the alpha byte is not part of it.
std::string HexColorText(Pixel color);

}  // namespace orvelle
