// The tooltip beside a dragged guide: how far it is from the other guide of
// its pair, and from the picture's edge, in pixels of the captured picture.
#pragma once

#include <string>

#include "app/CaptionTable.h"
#include "app/Services.h"
#include "guides/GuideMeasure.h"

namespace orvelle {

// The texts of the tooltip's two lines.
inline constexpr int kTextGuideDistance = 302;
inline constexpr int kTextFromLeftEdge = 303;
inline constexpr int kTextFromTopEdge = 304;

// A whole number of pixels as it is ("12"), any other to one decimal ("12.5").
std::string ScreenLengthText(const ScreenLength& length, const NumberFormat& format);

// "Distance: 12.5 px" and "From left edge: 30 px" on two lines, in the chosen language.
std::string GuideTipText(const GuideMeasure& measure, const TextLookup& text, const NumberFormat& format);

}  // namespace orvelle
