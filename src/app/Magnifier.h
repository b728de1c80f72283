// The magnifier: the capture buffer, the grid and marker layers over it, and
// the refresh tick that fills them. It takes the part of the main window's
// state that decides the picture (Configure) and is asked for a tick, a
// refresh outside the tick (an arrow key moved the pointer), a paint and an
// export. It owns the status bar's texts, which only a tick changes.
#pragma once

#include <cstdint>
#include <optional>

#include "app/MainState.h"
#include "app/Services.h"
#include "app/ViewSync.h"
#include "engine/Bitmap32.h"
#include "engine/CaptureBuffer.h"
#include "engine/GridLayer.h"
#include "engine/LastPaintedFrame.h"
#include "engine/MarkerLayer.h"

namespace orvelle {

class Magnifier {
public:
    Magnifier(ScreenService& screen, ClockService& clock, NumberFormat format, std::uint32_t windowsBuild);

    // The state's part of the picture, with the sizes the layout gives. True
    // when the view shows something else now (a new filter, another grid)
    // and should be painted at once rather than at the next tick. A changed
    // size starts the buffer black.
    bool Configure(const MainState& state, Size capture, Size view);

    // A tick of the refresh timer: the frequency since the last one is
    // measured, then the picture refreshed. True when the view must be painted.
    bool Tick();
    // Capture, readout and marker for the pointer where it is now.
    bool Refresh();

    // Paints the part `area` of the view; `target` is the whole view.
    void Paint(ImageRef target, const Rect& area) const;
    // The enlarged picture as the view shows it, without grid, marker or guides.
    TBitmap32 ExportPicture() const;

    const StatusTexts& Status() const { return status_; }
    const CaptureBuffer& Capture() const { return capture_; }
    const GridLayer& Grid() const { return grid_; }
    const MarkerLayer& Marker() const { return marker_; }
    // Screen position of the buffer's (0, 0) at the last capture.
    Point CaptureOrigin() const { return origin_; }

private:
    ScreenService& screen_;
    ClockService& clock_;
    NumberFormat format_;
    std::uint32_t windowsBuild_;

    CaptureBuffer capture_;
    GridLayer grid_;      // drawn when something it shows changes, never per tick
    GridState gridState_;
    MarkerLayer marker_;  // moved on every live tick
    LastPaintedFrame painted_;  // a tick that would paint the same pixels again does not
    Point origin_;
    std::optional<std::int64_t> lastTickMs_;  // of the steady clock
    StatusTexts status_;

    Size view_;
    int zoom_ = kDesignedZoom;
    bool frozen_ = false;
    bool showCursor_ = false;
    bool ownWindow_ = false;
};

}  // namespace orvelle
