// The four measuring guides over the magnified picture: two vertical lines
// (V1, V2) and two horizontal ones (H1, H2), each with a handle at the
// picture's far edge. The user drags a line or its handle; this model decides
// where both go and the window only shows the bounds it reports. Positions
// are in the view's pixels, relative to the view's top-left corner.
#pragma once

#include <array>
#include <cstddef>

#include "engine/Image.h"

namespace orvelle {

// The guide a drag acts on; 0 means none.
enum class Guide { None = 0, V1 = 1, V2 = 2, H1 = 3, H2 = 4 };

// The eight controls, lines first, in the order in which they are stacked
// (later ones above earlier ones).
enum class GuidePart { imgGuideV1, imgGuideV2, imgGuideH1, imgGuideH2, imgIconV1, imgIconV2, imgIconH1, imgIconH2, Count };

constexpr std::size_t kGuidePartCount = static_cast<std::size_t>(GuidePart::Count);

constexpr bool IsHandle(GuidePart part) { return part >= GuidePart::imgIconV1 && part != GuidePart::Count; }
constexpr Guide GuideOf(GuidePart part) { return static_cast<Guide>(static_cast<int>(part) % 4 + 1); }
constexpr bool IsVertical(Guide guide) { return guide == Guide::V1 || guide == Guide::V2; }
constexpr GuidePart LineOf(Guide guide) { return static_cast<GuidePart>(static_cast<int>(guide) - 1); }
constexpr GuidePart HandleOf(Guide guide) { return static_cast<GuidePart>(static_cast<int>(guide) + 3); }

// Sizes at the window's DPI: a line's thickness across it, and the handle's
// size (width along the picture's bottom edge, height across it).
struct GuideSizes {
    int lineThickness = 6;
    Size handle{28, 24};
};

class MeasuringGuides {
public:
    // Lines at the top-left corner, not yet stretched along the picture;
    // vertical guides' handles at the left edge, horizontal ones' at the top.
    explicit MeasuringGuides(GuideSizes sizes = {});

    // New sizes for a new DPI; every line and handle keeps its left and top.
    // The next FitToPicture puts them back along the picture's edges.
    void SetSizes(GuideSizes sizes);

    // After each change of the view's size: lines are stretched along the
    // picture, handles go to its far edges, and whatever would stick out is
    // pulled in. A handle is not re-centred on its line here.
    void FitToPicture(Size picture);

    // `pointer` is the pointer's screen position at the event; the event's
    // own coordinates are never used, because the control moves under them.
    void MouseDown(GuidePart part, Point pointer);
    void AnyGuideMouseMove(Point pointer);
    void AnyGuideMouseUp() { guideDrag_ = Guide::None; }
    void AnyIconMouseMove(Point pointer);
    void AnyIconMouseUp() { handleDrag_ = Guide::None; }
    // Shared by a line and its handle: both go back to the picture's left or top edge.
    void DblClick(Guide guide);

    const Rect& Bounds(GuidePart part) const { return bounds_[static_cast<std::size_t>(part)]; }
    // The picture's size at the last FitToPicture.
    Size Picture() const { return picture_; }
    Guide GuideDrag() const { return guideDrag_; }
    int GuideGrabOffset() const { return guideGrabOffset_; }
    Guide HandleDrag() const { return handleDrag_; }
    int HandleGrabOffset() const { return handleGrabOffset_; }

private:
    Rect& BoundsOf(GuidePart part) { return bounds_[static_cast<std::size_t>(part)]; }
    // The one coordinate the user moves: left of a vertical guide's parts, top of a horizontal one's.
    int Position(GuidePart part) const;
    void SetPosition(GuidePart part, int position);
    // How far the part's moving coordinate can go: the picture's width (or height) minus the part's.
    int Room(GuidePart part) const;
    void MoveClamped(GuidePart part, int wanted);
    void CenterHandleOnGuide(Guide guide);
    void CenterGuideOnHandle(Guide guide);

    GuideSizes sizes_;
    Size picture_;
    std::array<Rect, kGuidePartCount> bounds_{};
    Guide guideDrag_ = Guide::None;
    int guideGrabOffset_ = 0;
    Guide handleDrag_ = Guide::None;
    int handleGrabOffset_ = 0;
};

}  // namespace orvelle
