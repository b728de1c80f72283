// The main window's layout, zoom and refresh cycle.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/CommandValues.h"
#include "app/FrequencyText.h"
#include "app/TfrmMain.h"
#include "engine/CapturePlacement.h"
#include "engine/StandardColors.h"
#include "engine/ViewRenderer.h"

namespace orvelle {

void TfrmMain::FormResize() {
    const Size outer = view_.OuterSize();
    const ToolbarLayout layout = ComputeToolbarLayout(outer.width, Checked(Command::menuToolbar));
    SetControlVisible(Control::ToolBar1, layout.toolbarsShown);
    SetControlVisible(Control::ToolBar2, layout.toolbarsShown);
    if (layout.toolbarsShown) {
        const Rect& bar = ControlBounds(Control::ToolBar2);
        SetControlBounds(Control::ToolBar2, Rect::FromSize(layout.toolBar2.x, layout.toolBar2.y, bar.Width(), bar.Height()));
        SetControlVisible(Control::Separator2, layout.separator2Shown);
        if (layout.logoShown) {
            const Rect& logo = ControlBounds(Control::imgLogo);
            SetControlBounds(Control::imgLogo, Rect::FromSize(layout.logoLeft, logo.top, logo.Width(), logo.Height()));
        }
    }
    SetControlVisible(Control::imgLogo, layout.logoShown);
    const Rect& panel = ControlBounds(Control::Panel1);
    SetControlBounds(Control::Panel1, Rect::FromSize(panel.left, layout.panelTop, panel.Width(), panel.Height()));
    SetControlVisible(Control::StatusBar1, Checked(Command::menuStatusbar));
    SetZoomBitmapSize();
    DrawGrid();
}

void TfrmMain::SetZoomBitmapSize() {
    const Rect& panel = ControlBounds(Control::Panel1);
    const ViewGeometry g = ComputeViewGeometry(view_.OuterSize(), panel.top, zoom_, Checked(Command::menuStatusbar));
    SetControlBounds(Control::Panel1, Rect::FromSize(panel.left, panel.top, g.panel.width, g.panel.height));
    // Each changed dimension reallocates the buffer, which then starts black.
    capture_.SetWidth(g.capture.width);
    capture_.SetHeight(g.capture.height);
    SetControlBounds(Control::imgZoom, Rect::FromSize(kPanelBevel, kPanelBevel, g.view.width, g.view.height));
}

void TfrmMain::tbZoomChange() {
    for (const CommandValue& level : kLevelItems) SetChecked(level.item, level.value == zoom_);
    view_.SetZoomLabel(std::to_string(zoom_) + " X");
    SetZoomBitmapSize();
    DrawGrid();
    if (view_.IsVisible()) view_.FocusPanel();
}

void TfrmMain::SetZoomPosition(int position) {
    position = std::clamp(position, kMinZoom, kMaxZoom);
    if (position == zoom_) return;
    zoom_ = position;
    view_.SetZoomPosition(position);
    tbZoomChange();
}

void TfrmMain::ZoomTrackChanged(int position) {
    // The track bar already shows the new position.
    position = std::clamp(position, kMinZoom, kMaxZoom);
    if (position == zoom_) return;
    zoom_ = position;
    tbZoomChange();
}

void TfrmMain::RefresherTimer() {
    const std::int64_t now = MillisecondsSinceEpoch(services_.clock.Now());
    const bool frozen = Checked(Command::menuFreeze);
    const std::int64_t intervalMs = std::llabs(now - lastRefreshMs_);
    SetStatusText(5, FrequencyText(frozen ? 0 : intervalMs, services_.numberFormat));
    lastRefreshMs_ = now;

    const Size captureSize{capture_.Width(), capture_.Height()};
    if (capture_.Empty()) return;
    Point pointer;
    if (!services_.screen.CursorPos(pointer)) pointer = Point{0, 0};
    const CapturePlacement placement = PlaceCapture(pointer, captureSize, services_.screen.VirtualScreen());

    if (!frozen) {
        // A failed copy leaves the previous picture in place.
        if (services_.screen.Capture(placement.source, Checked(Command::menuOwn), capture_))
            captureOrigin_ = Point{placement.source.left, placement.source.top};
        const Point readout = ReadoutPixel(placement, captureSize);
        const Pixel c = capture_.At(readout.x, readout.y);
        SetStatusText(0, "R: " + std::to_string((c >> 16) & 255));
        SetStatusText(1, "G: " + std::to_string((c >> 8) & 255));
        SetStatusText(2, "B: " + std::to_string(c & 255));
        SetStatusText(3, "X: " + std::to_string(pointer.x));
        SetStatusText(4, "Y: " + std::to_string(pointer.y));
    }
    const Rect& viewBounds = ControlBounds(Control::imgZoom);
    if (frozen || !Checked(Command::menuShowCursor))
        marker_.Clear();
    else
        marker_.Draw(MarkerTip(placement.pointerPixel, zoom_), Size{viewBounds.Width(), viewBounds.Height()});
    view_.RepaintView();
}

void TfrmMain::PaintView(ImageRef target, const Rect& area) const {
    RenderView(capture_, target, area, grid_, marker_);
}

void TfrmMain::DrawGrid() {
    const Rect& viewBounds = ControlBounds(Control::imgZoom);
    GridState state;
    state.view = Size{viewBounds.Width(), viewBounds.Height()};
    state.zoom = zoom_;
    state.shown = ButtonDown(ToolButton::tbGrid);
    state.rastered = ButtonDown(ToolButton::tbRastered);
    state.color = kStandardColors[static_cast<std::size_t>(gridColorIndex_)].value;
    grid_.DrawGrid(state);
}

}  // namespace orvelle
