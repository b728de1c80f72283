#include "engine/ZoomGeometry.h"

namespace orvelle {

namespace {

// Frame and bar allowances around the view, in outer-window pixels: the
// client area is 16 pixels narrower than the window, and the caption, menu,
// margins and status bar (when shown) take 79 pixels of its height.
constexpr int kWidthAllowance = 16;
constexpr int kHeightAllowanceWithStatusBar = 79;
constexpr int kHeightAllowanceWithoutStatusBar = 58;

constexpr int kOneRowMinWidth = 593;   // from here both toolbars fit in one row
constexpr int kLogoMinWidthTwoRows = 379;
constexpr int kLogoMinWidthOneRow = 691;
constexpr int kLogoRightAllowance = 108;

int PanelExtent(int available, int allowance, int zoom) {
    // The inside (extent - 4) is the largest multiple of z that fits.
    const int extent = available - allowance;
    const int inside = extent - 2 * kPanelBevel;
    return extent - inside % zoom;
}

}  // namespace

ViewGeometry ComputeViewGeometry(Size outer, int panelTop, int zoom, bool statusBarShown) {
    ViewGeometry g;
    g.panel.width = PanelExtent(outer.width, kWidthAllowance, zoom);
    const int heightAllowance = statusBarShown ? kHeightAllowanceWithStatusBar : kHeightAllowanceWithoutStatusBar;
    g.panel.height = PanelExtent(outer.height - panelTop, heightAllowance, zoom);
    g.capture.width = (g.panel.width - 2 * kPanelBevel) / zoom;
    g.capture.height = (g.panel.height - 2 * kPanelBevel) / zoom;
    g.view = Size{g.capture.width * zoom, g.capture.height * zoom};
    return g;
}

ToolbarLayout ComputeToolbarLayout(int outerWidth, bool toolbarShown) {
    ToolbarLayout layout;
    if (!toolbarShown) {
        layout.toolbarsShown = false;
        layout.logoShown = false;
        layout.panelTop = 4;
        return layout;
    }
    layout.twoRows = outerWidth < kOneRowMinWidth;
    if (layout.twoRows) {
        layout.toolBar2 = Point{4, 32};
        layout.separator2Shown = false;
        layout.panelTop = 62;
    }
    layout.logoShown = outerWidth >= kLogoMinWidthOneRow ||
                       (outerWidth >= kLogoMinWidthTwoRows && outerWidth < kOneRowMinWidth);
    layout.logoLeft = outerWidth - kLogoRightAllowance;
    return layout;
}

}  // namespace orvelle
