// The main window as designed, at 96 DPI: every size and place the window
// starts with or lays out from, stated once. The logic scales them for its
// layout and the front-end for the insides of its controls, both through
// ScaleToDpi; nothing else in the program writes these numbers.
#pragma once

#include "engine/Image.h"

namespace orvelle::design {

inline constexpr Size kClientArea{702, 279};
// The outer window may not become smaller than this, however it is sized.
inline constexpr Size kMinOuterSize{320, 300};
// The outer size of a first run, before any size is stored.
inline constexpr Size kDefaultOuterSize{400, 300};

// The toolbars, their buttons and the controls on them.
inline constexpr Rect kToolBar1 = Rect::FromSize(4, 4, 273, 26);
inline constexpr Rect kToolBar2 = Rect::FromSize(277, 4, 304, 26);
inline constexpr Point kToolBar2SecondRow{4, 32};  // ToolBar2 below ToolBar1 in a narrow window
inline constexpr Size kToolButton{32, 26};
inline constexpr Size kToolImage{24, 20};
inline constexpr int kSeparatorWidth = 8;
inline constexpr int kZoomTrackWidth = 161;
inline constexpr int kZoomThumbLength = 22;
inline constexpr int kZoomLabelWidth = 32;
inline constexpr int kGridColorWidth = 88;
inline constexpr int kGridColorRowHeight = 20;
inline constexpr int kGridColorVisibleRows = 16;
// What the drop-down's own frame takes of its closed height.
inline constexpr int kGridColorFrameHeight = 6;

// Outer widths at which the toolbars and the logo change their arrangement:
// two rows up to kTwoRowsMaxWidth, the logo beside the first row in a
// two-row window wider than kLogoTwoRowsMinWidth - 1 and in a one-row window
// from kLogoOneRowMinWidth on, where it no longer covers ToolBar2.
inline constexpr int kTwoRowsMaxWidth = 592;
inline constexpr int kLogoTwoRowsMinWidth = 379;
inline constexpr int kLogoOneRowMinWidth = 691;

// The maker's logo, at its place in the designed client area; its picture is
// kLogo's size.
inline constexpr Rect kLogo = Rect::FromSize(592, -1, 101, 38);

// Panel1, the frame of the view, with its lowered bevel; imgZoom sits inside
// the bevel. The frame's top edge follows the toolbars.
inline constexpr Rect kPanel1 = Rect::FromSize(4, 34, 289, 185);
inline constexpr int kPanelBevel = 2;
// The measuring guides: a line's thickness and the size of a handle's picture.
inline constexpr int kGuideLineThickness = 6;
inline constexpr Size kGuideHandle{28, 24};
inline constexpr int kGuideHandleFrame = 2;  // the raised frame's width, two rings of one pixel
inline constexpr int kPanelTopOneRow = 34;
inline constexpr int kPanelTopTwoRows = 62;
inline constexpr int kPanelTopNoToolbar = 4;
// Below the frame when the status bar is hidden; with the bar shown the
// frame may reach down to it.
inline constexpr int kPanelBottomMargin = 6;

inline constexpr int kStatusBarHeight = 27;
inline constexpr int kStatusPanelWidths[] = {44, 44, 44, 51, 51, 62, 62};
// The contrast panel, after them while a colour is pinned: its icon and "12.34:1 AA large".
inline constexpr int kContrastPanelWidth = 140;
// What a panel takes besides its text: its borders and a little air.
inline constexpr int kStatusPanelPadding = 12;

// Menu pictures are square.
inline constexpr int kMenuImageSize = 16;

// Tahoma 8 pt in the East European character set for the window's texts,
// MS Sans Serif 8 pt for the colour names.
inline constexpr int kFontPoints = 8;
inline constexpr const char* kFontFace = "Tahoma";
inline constexpr int kFontCharset = 238;
inline constexpr const char* kGridColorFontFace = "MS Sans Serif";

}  // namespace orvelle::design
