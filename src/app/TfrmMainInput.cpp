// The pointer's own ways in: the measuring guides dragged over the view, the
// arrow keys walking the pointer over single pixels, and the wheel stepping
// through the levels, as Ctrl with plus or minus does.
#include "app/CommandValues.h"
#include "app/GuideTipText.h"
#include "app/PointerNudge.h"
#include "app/TfrmMain.h"
#include "guides/GuideMeasure.h"

namespace orvelle {

void TfrmMain::GuideMouseDown(GuidePart part) {
    // Without a pointer position there is nothing to measure the drag from.
    const std::optional<Point> pointer = services_.screen.CursorPos();
    if (!pointer) return;
    state_.guides.MouseDown(part, *pointer);
    ShowGuideTip(*pointer);
}

void TfrmMain::GuideMouseMove(GuidePart part) {
    const std::optional<Point> pointer = services_.screen.CursorPos();
    if (!pointer) return;
    // The moves of every line go to the line being dragged, those of every
    // handle to the handle being dragged, whichever control reports them.
    if (IsHandle(part))
        state_.guides.AnyIconMouseMove(*pointer);
    else
        state_.guides.AnyGuideMouseMove(*pointer);
    ShowGuideTip(*pointer);
}

void TfrmMain::GuideMouseUp(GuidePart part) {
    if (IsHandle(part))
        state_.guides.AnyIconMouseUp();
    else
        state_.guides.AnyGuideMouseUp();
    guideTip_.reset();
    Update();
}

void TfrmMain::GuideDblClick(GuidePart part) {
    state_.guides.DblClick(GuideOf(part));
    Update();
}

// The tooltip beside the guide being dragged, or none when no drag is under way.
void TfrmMain::ShowGuideTip(Point pointer) {
    const std::optional<GuideMeasure> measure = MeasureDraggedGuide(state_.guides, state_.zoom);
    guideTip_.reset();
    if (measure)
        guideTip_ = GuideTip{GuideTipText(*measure, [this](int number) { return Text(number); }, services_.numberFormat),
                             pointer};
    Update();
}

void TfrmMain::NudgePointer(int dx, int dy, bool shift) {
    const std::optional<Point> pointer = services_.screen.CursorPos();
    if (!pointer) return;
    // Along a locked axis the locked centre moves, along the other the pointer.
    const NudgeTarget from{*pointer, state_.lockedColumn, state_.lockedRow};
    const NudgeTarget to = Nudged(from, dx, dy, shift ? state_.zoom : 1, services_.screen.VirtualScreen());
    if (to == from) return;
    if (to.pointer != from.pointer) services_.screen.SetCursorPos(to.pointer);
    if (to.lockedColumn != from.lockedColumn || to.lockedRow != from.lockedRow) {
        state_.lockedColumn = to.lockedColumn;
        state_.lockedRow = to.lockedRow;
        Update();
    }
    // The view follows at once rather than at the next tick, which need not
    // come soon; it is no tick, so the frequency is not measured.
    if (magnifier_.Refresh()) view_.RepaintView();
    ShowReadout();
}

bool TfrmMain::FormMouseWheel(int delta, bool overView, bool ctrl) {
    if (!overView && !ctrl) return false;
    StepZoom(wheelTurns_.Add(delta));
    return true;
}

bool TfrmMain::FormZoomKey(int key, bool ctrl, bool alt) {
    const int step = ZoomStepForKey(key, ctrl, alt);
    if (step == 0) return false;
    StepZoom(step);
    return true;
}

void TfrmMain::StepZoom(int notches) {
    for (; notches != 0; notches += notches > 0 ? -1 : 1) {
        const int next = NextZoomLevel(state_.zoom, notches);
        if (next == state_.zoom) break;
        for (const CommandValue& level : kLevelItems)
            if (level.value == next) Execute(level.item);
    }
}

}  // namespace orvelle
