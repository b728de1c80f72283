// What a dragged guide measures, in pixels of the captured picture: the
// distance to the other guide of its pair, and its own place from the
// picture's left edge (vertical guides) or top edge (horizontal ones).
#pragma once

#include <cstdint>
#include <optional>

#include "guides/MeasuringGuides.h"

namespace orvelle {

// numerator / denominator screen pixels, kept exact for the display to round.
struct ScreenLength {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    friend bool operator==(const ScreenLength&, const ScreenLength&) = default;
};

struct GuideMeasure {
    Guide guide = Guide::None;
    ScreenLength distance;  // between the two lines' centres
    ScreenLength position;  // of the line's centre
};

constexpr Guide PartnerOf(Guide guide) {
    switch (guide) {
        case Guide::V1: return Guide::V2;
        case Guide::V2: return Guide::V1;
        case Guide::H1: return Guide::H2;
        case Guide::H2: return Guide::H1;
        case Guide::None: break;
    }
    return Guide::None;
}

// How far apart the centres of `guide`'s line and its partner's are, at
// `zoom` view pixels per screen pixel (zoom > 0).
ScreenLength PairDistance(const MeasuringGuides& guides, Guide guide, int zoom);

// The guide whose line or handle is being dragged, measured at `zoom` view
// pixels per screen pixel; nothing while no drag is under way.
std::optional<GuideMeasure> MeasureDraggedGuide(const MeasuringGuides& guides, int zoom);

}  // namespace orvelle
