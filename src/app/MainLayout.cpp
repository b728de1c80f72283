#include "app/MainLayout.h"

#include "app/Dpi.h"
#include "app/MainWindowDesign.h"

namespace orvelle {

namespace d = design;

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

    // The logo ends flush with the client area's right edge, so none of it is cut off.
    layout.logoShown = toolbarShown && (outer.width >= scaled(d::kLogoOneRowMinWidth) ||
                                        (layout.twoRows && outer.width >= scaled(d::kLogoTwoRowsMinWidth)));
    const Size logo = ScalePicture(Size{d::kLogo.Width(), d::kLogo.Height()}, PictureScalePercent(dpi));
    layout.logo = Rect::FromSize(client.width - logo.width, scaled(d::kLogo.top), logo.width, logo.height);

    const int statusBarHeight = scaled(d::kStatusBarHeight);
    layout.statusBar = Rect::FromSize(0, client.height - statusBarHeight, client.width, statusBarHeight);
    return layout;
}

Rect PanelRoom(Size client, int panelTop, int dpi, bool statusBarShown) {
    const int bottom = statusBarShown ? client.height - ScaleToDpi(d::kStatusBarHeight, dpi)
                                      : client.height - ScaleToDpi(d::kPanelBottomMargin, dpi);
    return Rect{ScaleToDpi(d::kPanel1.left, dpi), panelTop, client.width, bottom};
}

Size MinimumOuterSize(int dpi) { return ScaleToDpi(d::kMinOuterSize, dpi); }

GuideSizes GuideSizesAt(int dpi) {
    return GuideSizes{ScaleToDpi(design::kGuideLineThickness, dpi),
                      ScalePicture(design::kGuideHandle, PictureScalePercent(dpi))};
}

}  // namespace orvelle
