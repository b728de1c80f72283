#include "guides/GuideMeasure.h"

#include <cstdlib>

namespace orvelle {

namespace {

// Twice the line's centre, along the axis the guide moves on: whole numbers even for odd thicknesses.
std::int64_t DoubleCentre(const MeasuringGuides& guides, Guide guide) {
    const Rect& line = guides.Bounds(LineOf(guide));
    return IsVertical(guide) ? std::int64_t{line.left} + line.right : std::int64_t{line.top} + line.bottom;
}

}  // namespace

ScreenLength PairDistance(const MeasuringGuides& guides, Guide guide, int zoom) {
    return ScreenLength{std::llabs(DoubleCentre(guides, guide) - DoubleCentre(guides, PartnerOf(guide))),
                        2 * std::int64_t{zoom}};
}

std::optional<GuideMeasure> MeasureDraggedGuide(const MeasuringGuides& guides, int zoom) {
    const Guide guide = guides.GuideDrag() != Guide::None ? guides.GuideDrag() : guides.HandleDrag();
    if (guide == Guide::None || zoom <= 0) return std::nullopt;
    const std::int64_t own = DoubleCentre(guides, guide);
    GuideMeasure measure;
    measure.guide = guide;
    measure.distance = PairDistance(guides, guide, zoom);
    measure.position = ScreenLength{own, 2 * std::int64_t{zoom}};
    return measure;
}

}  // namespace orvelle
