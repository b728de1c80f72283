#include "app/Magnifier.h"

#include <string>

#include "app/CapturePolicy.h"
#include "app/ColorText.h"
#include "app/FrequencyText.h"
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

    // A new filter shows at once, also on a frozen picture.
    bool repaint = capture_.SetStretchFilter(state.Filter());
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
    return repaint;
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

bool Magnifier::Refresh() {
    const Size captureSize{capture_.Width(), capture_.Height()};
    if (capture_.Empty()) return false;
    const Point pointer = screen_.CursorPos().value_or(Point{0, 0});
    const CapturePlacement placement = PlaceCapture(pointer, captureSize, screen_.VirtualScreen());

    if (!frozen_) {
        // A failed copy leaves the previous picture in place.
        const CapturePolicy policy = ChooseCapturePolicy(ownWindow_, windowsBuild_, screen_.InRemoteSession());
        if (!screen_.Capture(placement.source, policy.captureLayered, capture_))
            origin_ = Point{placement.source.left, placement.source.top};
        const Point readout = ReadoutPixel(placement, captureSize);
        const Pixel c = capture_.At(readout.x, readout.y);
        status_[0] = "R: " + std::to_string((c >> 16) & 255);
        status_[1] = "G: " + std::to_string((c >> 8) & 255);
        status_[2] = "B: " + std::to_string(c & 255);
        status_[3] = "X: " + std::to_string(pointer.x);
        status_[4] = "Y: " + std::to_string(pointer.y);
        status_[kColorStatusPanel] = HexColorText(c);
    }
    const bool markerShown = !frozen_ && showCursor_;
    const Point markerTip = MarkerTip(placement.pointerPixel, zoom_);
    if (markerShown)
        marker_.Draw(markerTip, view_);
    else
        marker_.Clear();

    FrameInputs frame;
    frame.view = view_;
    frame.zoom = zoom_;
    frame.filter = capture_.StretchFilter();
    frame.frozen = frozen_;
    frame.grid = gridState_;
    frame.markerShown = markerShown;
    frame.markerTip = markerShown ? markerTip : Point{};
    return painted_.NeedsPaint(frame, capture_);
}

void Magnifier::Paint(ImageRef target, const Rect& area) const { RenderView(capture_, target, area, grid_, marker_); }

TBitmap32 Magnifier::ExportPicture() const {
    TBitmap32 picture(view_.width, view_.height);
    RenderView(capture_, picture.Ref(), Rect{0, 0, picture.Width(), picture.Height()});
    return picture;
}

}  // namespace orvelle
