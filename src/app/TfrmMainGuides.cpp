// The measuring guides: their mouse events go to the guides' model, and the
// bounds it decides come back to the view.
#include "app/GuideTipText.h"
#include "app/MainLayout.h"
#include "app/TfrmMain.h"
#include "guides/GuideMeasure.h"

namespace orvelle {

void TfrmMain::ShowGuides() {
    for (std::size_t i = 0; i < kGuidePartCount; ++i) {
        const auto part = static_cast<GuidePart>(i);
        SetControlBounds(GuideControl(part), guides_.Bounds(part));
    }
}

void TfrmMain::GuideMouseDown(GuidePart part) {
    // Without a pointer position there is nothing to measure the drag from.
    const std::optional<Point> pointer = services_.screen.CursorPos();
    if (!pointer) return;
    guides_.MouseDown(part, *pointer);
    ShowGuideTip(*pointer);
}

void TfrmMain::ShowGuideTip(Point pointer) {
    const std::optional<GuideMeasure> measure = MeasureDraggedGuide(guides_, zoom_);
    if (!measure) return HideGuideTip();
    guideTipShown_ = true;
    view_.ShowGuideTip(GuideTipText(*measure, [this](int number) { return Text(number); }, services_.numberFormat),
                       pointer);
}

void TfrmMain::GuideMouseMove(GuidePart part) {
    const std::optional<Point> pointer = services_.screen.CursorPos();
    if (!pointer) return;
    // The moves of every line go to the line being dragged, those of every
    // handle to the handle being dragged, whichever control reports them.
    if (IsHandle(part))
        guides_.AnyIconMouseMove(*pointer);
    else
        guides_.AnyGuideMouseMove(*pointer);
    ShowGuides();
    ShowGuideTip(*pointer);
}

void TfrmMain::GuideMouseUp(GuidePart part) {
    if (IsHandle(part))
        guides_.AnyIconMouseUp();
    else
        guides_.AnyGuideMouseUp();
    HideGuideTip();
}

void TfrmMain::HideGuideTip() {
    if (guideTipShown_) view_.HideGuideTip();
    guideTipShown_ = false;
}

void TfrmMain::GuideDblClick(GuidePart part) {
    guides_.DblClick(GuideOf(part));
    ShowGuides();
}

}  // namespace orvelle
