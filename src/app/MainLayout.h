// Where the toolbars, the logo, the frame of the view and the status bar go
// in the main window's client area, at the window's DPI. The arrangement
// switches at widths of the outer window; everything is placed from the real
// client area, so the layout holds whatever the system's frames measure.
#pragma once

#include <array>
#include <cstddef>

#include "app/Commands.h"
#include "engine/Image.h"
#include "guides/MeasuringGuides.h"

namespace orvelle {

struct BarLayout {
    Rect toolBar1;
    Rect toolBar2;
    bool twoRows = false;
    bool separator2Shown = true;
    bool toolbarsShown = true;
    bool logoShown = true;
    Rect logo;
    int panelTop = 0;  // Panel1's top edge
    Rect statusBar;    // along the client area's bottom edge
};

// `outer` and `client` are the window's outer size and its client area in
// physical pixels. The toolbars keep their places while hidden.
BarLayout ComputeBarLayout(Size outer, Size client, int dpi, bool toolbarShown);

// The room Panel1 may fill, in client pixels: from its left margin and
// `panelTop` to the client area's right edge, and down to the top of the
// status bar, or to the bottom margin when the bar is hidden.
Rect PanelRoom(Size client, int panelTop, int dpi, bool statusBarShown);

// The smallest outer size the window may take at `dpi`.
Size MinimumOuterSize(int dpi);

// The guides' line thickness and handle size at `dpi`; a handle is as large
// as the picture drawn for that scale.
GuideSizes GuideSizesAt(int dpi);

// Whether a control shows and where, in its parent's client pixels.
struct ControlPlace {
    bool visible = true;
    Rect bounds;
    friend bool operator==(const ControlPlace&, const ControlPlace&) = default;
};

// Every control of the window but the guides, and the picture's sizes: the
// captured W x H screen pixels and the view that shows them z times larger.
struct WindowLayout {
    std::array<ControlPlace, static_cast<std::size_t>(Control::Count)> controls{};
    Size capture;
    Size view;
};

// The layout of a window of `outer` size with `client` area at `dpi`, for
// the toolbar and status bar shown or not and the zoom; the capture never
// exceeds `screens`, the virtual screen.
WindowLayout LayOutWindow(Size outer, Size client, int dpi, bool toolbar, bool statusbar, int zoom, const Rect& screens);

constexpr Control GuideControl(GuidePart part) {
    return static_cast<Control>(static_cast<int>(Control::imgGuideV1) + static_cast<int>(part));
}

}  // namespace orvelle
