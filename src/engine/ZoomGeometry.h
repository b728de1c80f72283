// How the window size and the zoom decide the view: the frame Panel1, the
// capture size W x H and the view W*z x H*z, so that every captured pixel is
// shown as a whole z x z block. Also where the toolbars and the logo go.
#pragma once

#include "engine/Image.h"

namespace orvelle {

constexpr int kMinZoom = 2;
constexpr int kMaxZoom = 32;
constexpr int kMinOuterWidth = 320;
constexpr int kMinOuterHeight = 300;

constexpr int kPanelLeft = 4;
constexpr int kPanelBevel = 2;  // on each side: the inside is 4 pixels smaller

struct ViewGeometry {
    Size panel;    // outer size of Panel1
    Size capture;  // W x H screen pixels
    Size view;     // W*z x H*z view pixels
};

// `outer` is the window's outer size (frame included), `panelTop` the top edge
// of Panel1 in the client area.
ViewGeometry ComputeViewGeometry(Size outer, int panelTop, int zoom, bool statusBarShown);

struct ToolbarLayout {
    bool toolbarsShown = true;
    bool twoRows = false;       // ToolBar2 below ToolBar1
    Point toolBar2{277, 4};
    bool separator2Shown = true;
    bool logoShown = true;
    int logoLeft = 0;
    int panelTop = 34;
};

ToolbarLayout ComputeToolbarLayout(int outerWidth, bool toolbarShown);

}  // namespace orvelle
