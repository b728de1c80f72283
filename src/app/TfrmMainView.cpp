// The main window's layout, zoom and refresh cycle.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/ColorText.h"
#include "app/CommandValues.h"
#include "engine/Dpi.h"
#include "app/FrequencyText.h"
#include "app/MainLayout.h"
#include "app/MainWindowDesign.h"
#include "app/TfrmMain.h"
#include "engine/CapturePlacement.h"
#include "engine/StandardColors.h"
#include "engine/ViewRenderer.h"

namespace orvelle {

void TfrmMain::FormResize() {
    const BarLayout bars = ComputeBarLayout(view_.OuterSize(), view_.ClientSize(), dpi_, Checked(Command::menuToolbar));
    SetControlVisible(Control::ToolBar1, bars.toolbarsShown);
    SetControlVisible(Control::ToolBar2, bars.toolbarsShown);
    if (bars.toolbarsShown) {
        SetControlBounds(Control::ToolBar1, bars.toolBar1);
        SetControlBounds(Control::ToolBar2, bars.toolBar2);
        SetControlVisible(Control::Separator2, bars.separator2Shown);
        if (bars.logoShown) SetControlBounds(Control::imgLogo, bars.logo);
    }
    SetControlVisible(Control::imgLogo, bars.logoShown);
    panelTop_ = bars.panelTop;
    SetControlVisible(Control::StatusBar1, Checked(Command::menuStatusbar));
    SetControlBounds(Control::StatusBar1, bars.statusBar);
    SetZoomBitmapSize();
    DrawGrid();
}

void TfrmMain::FormDpiChanged(int dpi, const Rect& suggested) {
    dpi_ = dpi;
    view_.SetScale(dpi);
    SetMinimumSize(MinimumOuterSize(dpi));
    SetStatusPanels();
    guides_.SetSizes(GuideSizesAt(dpi));
    // A maximised or minimised window has its place from the system, and
    // bounds being restored from the settings are already physical pixels.
    if (!placingWindow_ && view_.State() == WindowState::Normal) view_.SetOuterBounds(suggested);
    FormResize();
}

void TfrmMain::SetZoomBitmapSize() {
    const Rect room = PanelRoom(view_.ClientSize(), panelTop_, dpi_, Checked(Command::menuStatusbar));
    const int bevel = ScaleToDpi(design::kPanelBevel, dpi_);
    // However large the window, the buffer need never hold more than the screens show.
    const ViewGeometry g = FitView(room, bevel, zoom_, services_.screen.VirtualScreen());
    SetControlBounds(Control::Panel1, g.panel);
    // Each changed dimension reallocates the buffer, which then starts black.
    capture_.SetWidth(g.capture.width);
    capture_.SetHeight(g.capture.height);
    SetControlBounds(Control::imgZoom, Rect::FromSize(bevel, bevel, g.view.width, g.view.height));
    guides_.FitToPicture(g.view);
    ShowGuides();
}

void TfrmMain::tbZoomChange() {
    for (const CommandValue& level : kLevelItems) SetChecked(level.item, level.value == zoom_);
    zoomLabel_ = std::to_string(zoom_) + " X";
    view_.SetZoomLabel(zoomLabel_);
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
    // A steady clock: a change of the date and time between two ticks (daylight
    // saving, a time sync) must not show as a nonsense frequency.
    const std::int64_t now = services_.clock.SteadyMs();
    const bool frozen = Checked(Command::menuFreeze);
    const std::int64_t intervalMs = lastRefreshMs_ ? now - *lastRefreshMs_ : kNoEarlierTickMs;
    SetStatusText(5, FrequencyText(frozen ? 0 : intervalMs, services_.numberFormat));
    lastRefreshMs_ = now;
    RefreshView();
}

void TfrmMain::RefreshView() {
    const bool frozen = Checked(Command::menuFreeze);
    const Size captureSize{capture_.Width(), capture_.Height()};
    if (capture_.Empty()) return;
    const Point pointer = services_.screen.CursorPos().value_or(Point{0, 0});
    const CapturePlacement placement = PlaceCapture(pointer, captureSize, services_.screen.VirtualScreen());

    if (!frozen) {
        // A failed copy leaves the previous picture in place.
        const CapturePolicy policy = ChooseCapturePolicy(Checked(Command::menuOwn), services_.windowsBuild,
                                                         services_.screen.InRemoteSession());
        if (!services_.screen.Capture(placement.source, policy.captureLayered, capture_))
            captureOrigin_ = Point{placement.source.left, placement.source.top};
        const Point readout = ReadoutPixel(placement, captureSize);
        const Pixel c = capture_.At(readout.x, readout.y);
        SetStatusText(0, "R: " + std::to_string((c >> 16) & 255));
        SetStatusText(1, "G: " + std::to_string((c >> 8) & 255));
        SetStatusText(2, "B: " + std::to_string(c & 255));
        SetStatusText(3, "X: " + std::to_string(pointer.x));
        SetStatusText(4, "Y: " + std::to_string(pointer.y));
        SetStatusText(kColorStatusPanel, HexColorText(c));
    }
    const Rect& viewBounds = ControlBounds(Control::imgZoom);
    const Size viewSize{viewBounds.Width(), viewBounds.Height()};
    const bool markerShown = !frozen && Checked(Command::menuShowCursor);
    const Point markerTip = MarkerTip(placement.pointerPixel, zoom_);
    if (markerShown)
        marker_.Draw(markerTip, viewSize);
    else
        marker_.Clear();

    FrameInputs frame;
    frame.view = viewSize;
    frame.zoom = zoom_;
    frame.filter = capture_.StretchFilter();
    frame.frozen = frozen;
    frame.grid = CurrentGridState();
    frame.markerShown = markerShown;
    frame.markerTip = markerShown ? markerTip : Point{};
    if (paintedFrame_.NeedsPaint(frame, capture_)) view_.RepaintView();
}

void TfrmMain::PaintView(ImageRef target, const Rect& area) const {
    RenderView(capture_, target, area, grid_, marker_);
}

void TfrmMain::RedrawGrid() {
    DrawGrid();
    if (view_.IsVisible()) view_.RepaintView();
}

GridState TfrmMain::CurrentGridState() const {
    const Rect& viewBounds = ControlBounds(Control::imgZoom);
    GridState state;
    state.view = Size{viewBounds.Width(), viewBounds.Height()};
    state.zoom = zoom_;
    state.shown = ButtonDown(ToolButton::tbGrid);
    state.rastered = ButtonDown(ToolButton::tbRastered);
    state.color = kStandardColors[static_cast<std::size_t>(gridColorIndex_)].value;
    return state;
}

void TfrmMain::DrawGrid() { grid_.DrawGrid(CurrentGridState()); }

}  // namespace orvelle
