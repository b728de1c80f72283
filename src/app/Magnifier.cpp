#include "app/Magnifier.h"

#include <string>

#include "app/CapturePolicy.h"
#include "app/FrequencyText.h"
#include "engine/AreaAverage.h"
#include "engine/CapturePlacement.h"
#include "engine/StandardColors.h"
#include "engine/ViewRenderer.h"

namespace orvelle {

Magnifier::Magnifier(ScreenService& screen, ClockService& clock, NumberFormat format, std::uint32_t windowsBuild)
    : screen_(screen),
      clock_(clock),
      format_(std::move(format)),
      windowsBuild_(windowsBuild),
      capture_(screen.NewCaptureSurface()) {}

bool Magnifier::Configure(const MainState& state, Size capture, Size view) {
    // Each changed dimension reallocates the buffer, which then starts black.
    capture_.SetWidth(capture.width);
    capture_.SetHeight(capture.height);
    view_ = view;
    zoom_ = state.zoom;
    frozen_ = state.frozen;
    showCursor_ = state.showCursor;
    ownWindow_ = state.ownWindow;
    lockedColumn_ = state.lockedColumn;
    lockedRow_ = state.lockedRow;

    // A new filter or way of seeing shows at once, also on a frozen picture.
    bool repaint = capture_.SetStretchFilter(state.Filter());
    const bool seenStale = state.vision != VisionMode::Normal &&
                           (seen_.Width() != capture_.Width() || seen_.Height() != capture_.Height());
    if (state.vision != vision_ || seenStale) {
        vision_ = state.vision;
        Simulate();
        repaint = true;
    }
    GridState grid;
    grid.view = view;
    grid.zoom = state.zoom;
    grid.shown = state.showGrid;
    grid.rastered = state.rastered;
    grid.color = kStandardColors[static_cast<std::size_t>(state.gridColor)].value;
    if (grid != gridState_) {
        gridState_ = grid;
        grid_.DrawGrid(grid);
        repaint = true;
    }
    // A new way of writing the readout shows at once, from the colour last read.
    const bool readoutChanged = state.sampleSize != sampleSize_ || state.colorFormat != colorFormat_ ||
                                state.colorTemplate != colorTemplate_ || state.pinned != pinned_;
    sampleSize_ = state.sampleSize;
    colorFormat_ = state.colorFormat;
    colorTemplate_ = state.colorTemplate;
    pinned_ = state.pinned;
    if (readoutChanged) WriteReadout();
    return repaint;
}

void Magnifier::Simulate() {
    if (vision_ == VisionMode::Normal) return;
    seen_.SetSize(capture_.Width(), capture_.Height());
    if (!capture_.Empty()) visionSimulator_.Simulate(capture_.Ref(), seen_.Ref(), vision_);
}

bool Magnifier::Tick() {
    // A steady clock: a change of the date and time between two ticks (daylight
    // saving, a time sync) must not show as a nonsense frequency.
    const std::int64_t now = clock_.SteadyMs();
    const std::int64_t intervalMs = lastTickMs_ ? now - *lastTickMs_ : kNoEarlierTickMs;
    status_[5] = FrequencyText(frozen_ ? 0 : intervalMs, format_);
    lastTickMs_ = now;
    return Refresh();
}

Pixel Magnifier::ReadColor(Point pointer, const Rect& source, Point readoutPixel) {
    if (sampleSize_ <= 1) return capture_.At(readoutPixel.x, readoutPixel.y);
    // The square centred on the pointer pixel, less what lies off the screens.
    const int half = sampleSize_ / 2;
    const Rect square = Intersect(Rect{pointer.x - half, pointer.y - half, pointer.x + half + 1, pointer.y + half + 1},
                                  screen_.VirtualScreen());
    if (square.IsEmpty()) return capture_.At(readoutPixel.x, readoutPixel.y);
    if (Intersect(square, source) == square)
        return AverageColor(capture_.Ref(), Rect{square.left - source.left, square.top - source.top,
                                                 square.right - source.left, square.bottom - source.top});
    // The view shows fewer pixels than the square has: the screen has them.
    sample_.SetSize(square.Width(), square.Height());
    const CapturePolicy policy = ChooseCapturePolicy(ownWindow_, windowsBuild_, screen_.InRemoteSession());
    if (screen_.Capture(square, policy.captureLayered, sample_)) return capture_.At(readoutPixel.x, readoutPixel.y);
    return AverageColor(sample_.Ref(), Rect{0, 0, square.Width(), square.Height()});
}

void Magnifier::WriteReadout() {
    if (!readout_) return;
    const Pixel c = *readout_;
    status_[0] = "R: " + std::to_string((c >> 16) & 255);
    status_[1] = "G: " + std::to_string((c >> 8) & 255);
    status_[2] = "B: " + std::to_string(c & 255);
    FormatColor(c, colorFormat_, colorTemplate_, status_[kColorStatusPanel]);
    if (pinned_)
        ContrastSummary(*pinned_, c, status_[kContrastStatusPanel]);
    else
        status_[kContrastStatusPanel].clear();
}

bool Magnifier::Refresh() {
    const Size captureSize{capture_.Width(), capture_.Height()};
    if (capture_.Empty()) return false;
    // A locked column or row takes the pointer's place: the view, the readout
    // and the marker all follow the locked centre.
    const Point cursor = screen_.CursorPos().value_or(Point{0, 0});
    const Point pointer{lockedColumn_.value_or(cursor.x), lockedRow_.value_or(cursor.y)};
    const CapturePlacement placement = PlaceCapture(pointer, captureSize, screen_.VirtualScreen());

    if (!frozen_) {
        // A failed copy leaves the previous picture in place.
        const CapturePolicy policy = ChooseCapturePolicy(ownWindow_, windowsBuild_, screen_.InRemoteSession());
        if (!screen_.Capture(placement.source, policy.captureLayered, capture_))
            origin_ = Point{placement.source.left, placement.source.top};
        Simulate();
        readout_ = ReadColor(pointer, placement.source, ReadoutPixel(placement, captureSize));
        WriteReadout();
        status_[3] = "X: " + std::to_string(pointer.x);
        status_[4] = "Y: " + std::to_string(pointer.y);
        centre_ = pointer;
    }
    const bool markerShown = !frozen_ && showCursor_;
    const Point markerTip = MarkerTip(placement.pointerPixel, zoom_);
    if (markerShown)
        marker_.Draw(markerTip, view_);
    else
        marker_.Clear();
    // The averaged square around the pointer pixel's blocks, marker or not.
    const int half = sampleSize_ / 2;
    const Point block = placement.pointerPixel;
    sampleSquare_ = frozen_ || sampleSize_ <= 1
                        ? Rect{}
                        : Rect{(block.x - half) * zoom_, (block.y - half) * zoom_, (block.x + half + 1) * zoom_,
                               (block.y + half + 1) * zoom_};

    FrameInputs frame;
    frame.view = view_;
    frame.zoom = zoom_;
    frame.filter = capture_.StretchFilter();
    frame.frozen = frozen_;
    frame.grid = gridState_;
    frame.markerShown = markerShown;
    frame.markerTip = markerShown ? markerTip : Point{};
    frame.vision = static_cast<int>(vision_);
    frame.sampleSquare = sampleSquare_;
    return painted_.NeedsPaint(frame, capture_);
}

void Magnifier::Paint(ImageRef target, const Rect& area) const {
    if (vision_ == VisionMode::Normal)
        RenderView(capture_, target, area, grid_, marker_);
    else
        RenderView(seen_.Ref(), capture_.StretchFilter(), target, area, grid_, marker_);
    if (!sampleSquare_.IsEmpty()) DrawSampleOutline(target, area, sampleSquare_);
}

TBitmap32 Magnifier::ExportPicture() const {
    TBitmap32 picture(view_.width, view_.height);
    RenderView(capture_, picture.Ref(), Rect{0, 0, picture.Width(), picture.Height()});
    return picture;
}

}  // namespace orvelle
