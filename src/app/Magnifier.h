// The magnifier: the capture buffer, the grid and marker layers over it, and
// the refresh tick that fills them. It takes the part of the main window's
// state that decides the picture and the readout (Configure) and is asked
// for a tick, a refresh outside the tick (an arrow key moved the pointer), a
// paint and an export. It owns the status bar's texts, which only a tick and
// a new way of writing them change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/ColorText.h"
#include "app/MainState.h"
#include "app/Presentation.h"
#include "app/Services.h"
#include "engine/Bitmap32.h"
#include "engine/CaptureBuffer.h"
#include "engine/GridLayer.h"
#include "engine/LastPaintedFrame.h"
#include "engine/MarkerLayer.h"
#include "engine/Vision.h"

namespace orvelle {

class Magnifier {
public:
    Magnifier(ScreenService& screen, ClockService& clock, NumberFormat format, std::uint32_t windowsBuild);

    // The state's part of the picture and the readout, with the sizes the
    // layout gives. True when the view shows something else now (a new
    // filter, another grid, another way of seeing) and should be painted at
    // once rather than at the next tick. A changed size starts the buffer black.
    bool Configure(const MainState& state, Size capture, Size view);

    // A tick of the refresh timer: the frequency since the last one is
    // measured, then the picture refreshed. True when the view must be painted.
    bool Tick();
    // Capture, readout and marker for the pointer where it is now.
    bool Refresh();

    // Paints the part `area` of the view; `target` is the whole view.
    void Paint(ImageRef target, const Rect& area) const;
    // The enlarged picture of the screen as captured, without grid, marker,
    // guides or a way of seeing.
    TBitmap32 ExportPicture() const;

    const StatusTexts& Status() const { return status_; }
    // The colour last read (the mean of the sampled square), if any was.
    std::optional<Pixel> Readout() const { return readout_; }
    const CaptureBuffer& Capture() const { return capture_; }
    Size ViewSize() const { return view_; }
    const GridLayer& Grid() const { return grid_; }
    const MarkerLayer& Marker() const { return marker_; }
    // Screen position of the buffer's (0, 0) at the last capture.
    Point CaptureOrigin() const { return origin_; }
    // The screen point the last live refresh centred on: the pointer, or the
    // locked column or row in its place; nothing before the first one.
    std::optional<Point> Centre() const { return centre_; }

private:
    // The readout's colour for the pointer: its pixel, or the mean of the
    // square around it, read from the screen where the capture lacks it.
    Pixel ReadColor(Point pointer, const Rect& source, Point readoutPixel);
    // The status texts of the colour last read.
    void WriteReadout();
    void Simulate();

    ScreenService& screen_;
    ClockService& clock_;
    NumberFormat format_;
    std::uint32_t windowsBuild_;

    CaptureBuffer capture_;
    CaptureBuffer sample_;  // the sampled square, when the capture does not hold it
    TBitmap32 seen_;        // the capture in the chosen way of seeing, when not the normal one
    VisionSimulator visionSimulator_;  // keeps the colours it has worked out from tick to tick
    GridLayer grid_;        // drawn when something it shows changes, never per tick
    GridState gridState_;
    MarkerLayer marker_;    // moved on every live tick
    LastPaintedFrame painted_;  // a tick that would paint the same pixels again does not
    Point origin_;
    std::optional<std::int64_t> lastTickMs_;  // of the steady clock
    std::optional<Pixel> readout_;
    Rect sampleSquare_;     // in view pixels; empty for a single pixel
    StatusTexts status_;

    Size view_;
    int zoom_ = kDesignedZoom;
    bool frozen_ = false;
    bool showCursor_ = false;
    bool ownWindow_ = false;
    int sampleSize_ = 1;
    ColorFormat colorFormat_ = ColorFormat::Hex;
    std::string colorTemplate_;
    std::optional<Pixel> pinned_;
    VisionMode vision_ = VisionMode::Normal;
    std::optional<int> lockedColumn_;
    std::optional<int> lockedRow_;
    std::optional<Point> centre_;
};

}  // namespace orvelle
