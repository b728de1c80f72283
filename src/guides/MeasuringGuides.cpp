#include "guides/MeasuringGuides.h"

#include <cstdint>
#include <limits>

namespace orvelle {

namespace {

constexpr GuidePart kFittingOrder[] = {
    GuidePart::imgGuideH1, GuidePart::imgIconH1, GuidePart::imgGuideH2, GuidePart::imgIconH2,
    GuidePart::imgGuideV1, GuidePart::imgIconV1, GuidePart::imgGuideV2, GuidePart::imgIconV2,
};

int Along(bool vertical, Point pointer) { return vertical ? pointer.x : pointer.y; }

// Pointer positions and grab offsets are combined in 64 bits: a pointer far
// outside the picture must clamp, not overflow.
int Saturated(std::int64_t value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// The handle's length across the line: its width for a vertical guide, its height for a horizontal one.
int HandleSpan(const GuideSizes& sizes, Guide guide) {
    return IsVertical(guide) ? sizes.handle.width : sizes.handle.height;
}

}  // namespace

MeasuringGuides::MeasuringGuides(GuideSizes sizes) : sizes_(sizes) {
    for (std::size_t i = 0; i < kGuidePartCount; ++i) {
        const auto part = static_cast<GuidePart>(i);
        if (IsHandle(part))
            bounds_[i] = Rect::FromSize(0, 0, sizes.handle.width, sizes.handle.height);
        else if (IsVertical(GuideOf(part)))
            bounds_[i] = Rect::FromSize(0, 0, sizes.lineThickness, 1);
        else
            bounds_[i] = Rect::FromSize(0, 0, 1, sizes.lineThickness);
    }
}

void MeasuringGuides::SetSizes(GuideSizes sizes) {
    sizes_ = sizes;
    for (std::size_t i = 0; i < kGuidePartCount; ++i) {
        const auto part = static_cast<GuidePart>(i);
        Rect& r = bounds_[i];
        if (IsHandle(part))
            r = Rect::FromSize(r.left, r.top, sizes.handle.width, sizes.handle.height);
        else if (IsVertical(GuideOf(part)))
            r = Rect::FromSize(r.left, r.top, sizes.lineThickness, r.Height());
        else
            r = Rect::FromSize(r.left, r.top, r.Width(), sizes.lineThickness);
    }
}

void MeasuringGuides::FitToPicture(Size picture) {
    picture_ = picture;
    for (GuidePart part : kFittingOrder) {
        Rect& r = BoundsOf(part);
        const bool vertical = IsVertical(GuideOf(part));
        int left = r.left;
        int top = r.top;
        int width = r.Width();
        int height = r.Height();
        if (IsHandle(part)) {
            // A handle sits flush with the far edge across its guide.
            if (vertical)
                top = picture.height - height;
            else
                left = picture.width - width;
        } else if (vertical) {
            height = picture.height;
        } else {
            width = picture.width;
        }
        if (vertical && left > picture.width - width) left = picture.width - width;
        if (!vertical && top > picture.height - height) top = picture.height - height;
        r = Rect::FromSize(left, top, width, height);
    }
}

int MeasuringGuides::Position(GuidePart part) const {
    const Rect& r = Bounds(part);
    return IsVertical(GuideOf(part)) ? r.left : r.top;
}

void MeasuringGuides::SetPosition(GuidePart part, int position) {
    Rect& r = BoundsOf(part);
    if (IsVertical(GuideOf(part)))
        r = Rect::FromSize(position, r.top, r.Width(), r.Height());
    else
        r = Rect::FromSize(r.left, position, r.Width(), r.Height());
}

int MeasuringGuides::Room(GuidePart part) const {
    const Rect& r = Bounds(part);
    return IsVertical(GuideOf(part)) ? picture_.width - r.Width() : picture_.height - r.Height();
}

void MeasuringGuides::MoveClamped(GuidePart part, int wanted) {
    const int room = Room(part);
    if (wanted < 0)
        SetPosition(part, 0);
    else if (wanted > room)
        SetPosition(part, room);
    else
        SetPosition(part, wanted);
}

void MeasuringGuides::MouseDown(GuidePart part, Point pointer) {
    const Guide guide = GuideOf(part);
    const int grab = Saturated(std::int64_t{Position(part)} - Along(IsVertical(guide), pointer));
    if (IsHandle(part)) {
        handleDrag_ = guide;
        handleGrabOffset_ = grab;
    } else {
        guideDrag_ = guide;
        guideGrabOffset_ = grab;
    }
}

void MeasuringGuides::AnyGuideMouseMove(Point pointer) {
    if (guideDrag_ == Guide::None) return;
    const std::int64_t wanted = std::int64_t{Along(IsVertical(guideDrag_), pointer)} + guideGrabOffset_;
    MoveClamped(LineOf(guideDrag_), Saturated(wanted));
    CenterHandleOnGuide(guideDrag_);
}

void MeasuringGuides::AnyIconMouseMove(Point pointer) {
    if (handleDrag_ == Guide::None) return;
    const std::int64_t wanted = std::int64_t{Along(IsVertical(handleDrag_), pointer)} + handleGrabOffset_;
    MoveClamped(HandleOf(handleDrag_), Saturated(wanted));
    CenterGuideOnHandle(handleDrag_);
}

void MeasuringGuides::CenterHandleOnGuide(Guide guide) {
    const int inset = (HandleSpan(sizes_, guide) - sizes_.lineThickness) / 2;
    MoveClamped(HandleOf(guide), Position(LineOf(guide)) - inset);
}

void MeasuringGuides::CenterGuideOnHandle(Guide guide) {
    // No limit of its own: the line lies within its handle, which is within the picture.
    const int inset = (HandleSpan(sizes_, guide) - sizes_.lineThickness) / 2;
    SetPosition(LineOf(guide), Position(HandleOf(guide)) + inset);
}

void MeasuringGuides::DblClick(Guide guide) {
    guideDrag_ = Guide::None;
    handleDrag_ = Guide::None;
    if (guide == Guide::None) return;
    SetPosition(LineOf(guide), 0);
    SetPosition(HandleOf(guide), 0);
}

}  // namespace orvelle
