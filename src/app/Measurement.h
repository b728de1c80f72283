// The rectangle between the measuring guides, which stays on the status bar
// after the drag: its width (V1 to V2) and height (H1 to H2) in pixels of the
// captured screen and, on a scaled monitor, in logical pixels, as a web page
// or a layout tool counts them.
#pragma once

#include <optional>
#include <string>

#include "app/Services.h"
#include "guides/GuideMeasure.h"

namespace orvelle {

struct GuideRectangle {
    // Nothing for a pair whose lines lie on top of each other.
    std::optional<ScreenLength> width;
    std::optional<ScreenLength> height;
};

// Nothing while neither pair is apart.
std::optional<GuideRectangle> MeasureGuideRectangle(const MeasuringGuides& guides, int zoom);

// "120 × 36 px", and on a monitor of another DPI than 96 "120 × 36 px (80 ×
// 24 at 150 %)", the numbers written as the frequency panel writes them; a
// pair on top of each other shows "–" for its side.
std::string MeasurementPanelText(const GuideRectangle& rectangle, int monitorDpi, const NumberFormat& format);

// The same for the clipboard, always with "." as the decimal point and
// without grouping, and 0 for a pair on top of each other, so that the first
// two numbers are always the width and the height in screen pixels.
std::string MeasurementCopyText(const GuideRectangle& rectangle, int monitorDpi);

}  // namespace orvelle
