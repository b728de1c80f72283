#include "app/MainLayout.h"

#include "engine/Dpi.h"
#include "app/MainWindowDesign.h"
#include "engine/ZoomGeometry.h"

namespace orvelle {

namespace d = design;

namespace {

// The right edge of the last control in the first row, in client pixels: the
// zoom label when the toolbars take two rows (Separator2 is hidden then),
// the help button of ToolBar2 when they share one. Each item is scaled on
// its own, as the toolbars size them.
int ControlsRightOfLogoRow(const BarLayout& layout, int dpi) {
    const auto scaled = [dpi](int designed) { return ScaleToDpi(designed, dpi); };
    const int button = scaled(d::kToolButton.width);
    const int separator = scaled(d::kSeparatorWidth);
    if (layout.twoRows)
        return layout.toolBar1.left + 2 * button + separator + scaled(d::kZoomTrackWidth) + scaled(d::kZoomLabelWidth);
    return layout.toolBar2.left + 6 * button + 3 * separator + scaled(d::kGridColorWidth);
}

}  // namespace

BarLayout ComputeBarLayout(Size outer, Size client, int dpi, bool toolbarShown) {
    BarLayout layout;
    const auto scaled = [dpi](int designed) { return ScaleToDpi(designed, dpi); };
    layout.toolBar1 = ScaleToDpi(d::kToolBar1, dpi);
    layout.twoRows = outer.width <= scaled(d::kTwoRowsMaxWidth);
    const Point secondBar = layout.twoRows ? ScaleToDpi(d::kToolBar2SecondRow, dpi)
                                           : Point{layout.toolBar1.right, layout.toolBar1.top};
    const Size secondBarSize = ScaleToDpi(Size{d::kToolBar2.Width(), d::kToolBar2.Height()}, dpi);
    layout.toolBar2 = Rect::FromSize(secondBar.x, secondBar.y, secondBarSize.width, secondBarSize.height);
    layout.separator2Shown = !layout.twoRows;

    layout.toolbarsShown = toolbarShown;
    layout.panelTop = !toolbarShown ? scaled(d::kPanelTopNoToolbar)
                      : layout.twoRows ? scaled(d::kPanelTopTwoRows)
                                       : scaled(d::kPanelTopOneRow);

    // The logo ends flush with the client area's right edge, so none of it is
    // cut off. The outer widths assume a thin frame; on a thicker one (8
    // pixels a side on Windows 10 and 11) the logo would reach over the
    // controls of its row, and it is hidden instead.
    const Size logo = ScalePicture(Size{d::kLogo.Width(), d::kLogo.Height()}, PictureScalePercent(dpi));
    layout.logo = Rect::FromSize(client.width - logo.width, scaled(d::kLogo.top), logo.width, logo.height);
    layout.logoShown = toolbarShown &&
                       (outer.width >= scaled(d::kLogoOneRowMinWidth) ||
                        (layout.twoRows && outer.width >= scaled(d::kLogoTwoRowsMinWidth))) &&
                       layout.logo.left >= ControlsRightOfLogoRow(layout, dpi);

    const int statusBarHeight = scaled(d::kStatusBarHeight);
    layout.statusBar = Rect::FromSize(0, client.height - statusBarHeight, client.width, statusBarHeight);
    return layout;
}

Rect PanelRoom(Size client, int panelTop, int dpi, bool statusBarShown) {
    const int bottom = statusBarShown ? client.height - ScaleToDpi(d::kStatusBarHeight, dpi)
                                      : client.height - ScaleToDpi(d::kPanelBottomMargin, dpi);
    return Rect{ScaleToDpi(d::kPanel1.left, dpi), panelTop, client.width, bottom};
}

WindowLayout LayOutWindow(Size outer, Size client, int dpi, bool toolbar, bool statusbar, int zoom,
                          const Rect& screens) {
    WindowLayout layout;
    auto place = [&layout](Control control) -> ControlPlace& {
        return layout.controls[static_cast<std::size_t>(control)];
    };
    const BarLayout bars = ComputeBarLayout(outer, client, dpi, toolbar);
    place(Control::ToolBar1) = ControlPlace{bars.toolbarsShown, bars.toolBar1};
    place(Control::ToolBar2) = ControlPlace{bars.toolbarsShown, bars.toolBar2};
    // A divider of ToolBar1 has no bounds of its own.
    place(Control::Separator2) = ControlPlace{bars.toolbarsShown && bars.separator2Shown, Rect{}};
    place(Control::imgLogo) = ControlPlace{bars.logoShown, bars.logo};
    place(Control::StatusBar1) = ControlPlace{statusbar, bars.statusBar};

    const Rect room = PanelRoom(client, bars.panelTop, dpi, statusbar);
    const int bevel = ScaleToDpi(d::kPanelBevel, dpi);
    // However large the window, the buffer need never hold more than the screens show.
    const ViewGeometry g = FitView(room, bevel, zoom, screens);
    place(Control::Panel1) = ControlPlace{true, g.panel};
    place(Control::imgZoom) = ControlPlace{true, Rect::FromSize(bevel, bevel, g.view.width, g.view.height)};
    layout.capture = g.capture;
    layout.view = g.view;
    return layout;
}

Size MinimumOuterSize(int dpi) { return ScaleToDpi(d::kMinOuterSize, dpi); }

GuideSizes GuideSizesAt(int dpi) {
    return GuideSizes{ScaleToDpi(design::kGuideLineThickness, dpi),
                      ScalePicture(design::kGuideHandle, PictureScalePercent(dpi))};
}

}  // namespace orvelle
