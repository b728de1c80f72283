// Zooming with the mouse wheel: one notch is one level of the level menu.
#pragma once

namespace orvelle {

// One notch of a standard wheel; finer wheels report parts of it.
constexpr int kWheelNotch = 120;

// The level menu's next value above (direction > 0) or below the zoom; from
// a value between two of them (a level dragged on the track bar), the
// nearest one that way. At either end the zoom stays.
int NextZoomLevel(int zoom, int direction);

// The level step a key press asks for: +1 for Ctrl with a plus key, -1 for
// Ctrl with a minus key, 0 for anything else. Plus and minus are those of the
// main keyboard (Windows' VK_OEM_PLUS and VK_OEM_MINUS, whatever the layout
// prints on them) and of the number pad; Shift may be held, since on many
// layouts plus is Shift+=. Ctrl+Alt is AltGr on many keyboards: not a zoom.
int ZoomStepForKey(int key, bool ctrl, bool alt);

// Adds up a wheel's turns until they make whole notches. Turns the other way
// drop what was left over, so a finer wheel reversed answers at once.
class WheelTurns {
public:
    // Whole notches now due: positive away from the user, negative towards.
    int Add(int delta);

private:
    int pending_ = 0;
};

}  // namespace orvelle
