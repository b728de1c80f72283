// The keyboard and the wheel beyond the menu's shortcuts: the arrow keys walk
// the pointer over single pixels, the wheel steps through the levels.
#include "app/CommandValues.h"
#include "app/PointerNudge.h"
#include "app/TfrmMain.h"

namespace orvelle {

void TfrmMain::NudgePointer(int dx, int dy, bool shift) {
    const std::optional<Point> pointer = services_.screen.CursorPos();
    if (!pointer) return;
    const Point moved = NudgedPointer(*pointer, dx, dy, shift ? zoom_ : 1, services_.screen.VirtualScreen());
    if (moved == *pointer) return;
    services_.screen.SetCursorPos(moved);
    // The view follows at once rather than at the next tick, which need not
    // come soon; it is no tick, so the frequency is not measured.
    RefreshView();
}

bool TfrmMain::FormMouseWheel(int delta, bool overView, bool ctrl) {
    if (!overView && !ctrl) return false;
    for (int notches = wheelTurns_.Add(delta); notches != 0; notches += notches > 0 ? -1 : 1) {
        const int next = NextZoomLevel(zoom_, notches);
        if (next == zoom_) break;
        for (const CommandValue& level : kLevelItems)
            if (level.value == next) Execute(level.item);
    }
    return true;
}

}  // namespace orvelle
