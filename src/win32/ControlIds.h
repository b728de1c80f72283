// Stable identifiers of the main window's controls and window classes. Test
// probes find the controls from outside by these numbers and names, so they
// must not change.
#pragma once

namespace orvelle::win32 {

// Child-window identifiers (GetDlgItem on the parent named in the comment).
enum ControlId : int {
    kIdToolBar1 = 101,   // child of the main window
    kIdToolBar2 = 102,   // child of the main window
    kIdZoomTrack = 103,  // tbZoom, child of ToolBar1
    kIdZoomLabel = 104,  // labelZoom, child of ToolBar1
    kIdGridColor = 105,  // cbGrid, child of ToolBar2
    kIdLogo = 106,       // imgLogo, child of the main window
    kIdPanel = 107,      // Panel1, child of the main window
    kIdView = 108,       // imgZoom, child of Panel1
    kIdStatusBar = 109,  // StatusBar1, child of the main window
    // The guides' lines and handles, children of imgZoom: kIdGuideBase + GuidePart value.
    kIdGuideBase = 120,
};

// Toolbar button command identifiers: kToolButtonIdBase + ToolButton value.
constexpr int kToolButtonIdBase = 200;

// Identifiers of the toolbar separators, so that one of them can be hidden.
enum SeparatorId : int {
    kIdSeparator1 = 301,
    kIdSeparator2 = 302,
    kIdSeparator3 = 303,  // the unnamed divider between tbGrid and tbRastered
    kIdSeparator4 = 304,
    kIdSeparator5 = 305,
    // Placeholders that reserve the room of the embedded controls.
    kIdZoomTrackPlace = 311,
    kIdZoomLabelPlace = 312,
    kIdGridColorPlace = 313,
};

inline constexpr const wchar_t* kMainClassName = L"OrvelleMain";
inline constexpr const wchar_t* kPanelClassName = L"OrvellePanel";
inline constexpr const wchar_t* kViewClassName = L"OrvelleView";
inline constexpr const wchar_t* kLogoClassName = L"OrvelleLogo";
// Guides of the two directions differ in their pointer shape only.
inline constexpr const wchar_t* kGuideWeClassName = L"OrvelleGuideWE";
inline constexpr const wchar_t* kGuideNsClassName = L"OrvelleGuideNS";

// The main window's timers: kFirstTimerId + Timer value.
constexpr unsigned kFirstTimerId = 1;

}  // namespace orvelle::win32
