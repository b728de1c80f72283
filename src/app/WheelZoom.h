// Zooming with the mouse wheel: one notch is one level of the level menu.
#pragma once

namespace orvelle {

// One notch of a standard wheel; finer wheels report parts of it.
constexpr int kWheelNotch = 120;

// The level menu's next value above (direction > 0) or below the zoom; from
// a value between two of them (a level dragged on the track bar), the
// nearest one that way. At either end the zoom stays.
int NextZoomLevel(int zoom, int direction);

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
