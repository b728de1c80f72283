// Identifiers of the main window's commands, controls, hints and timers,
// shared by the window logic and the front-end that shows them.
#pragma once

namespace orvelle {

// One value per menu item, separators included. The front-end uses
// (value + kCommandIdBase) as the Windows command identifier. Items made
// while the program runs (one per language file found, for instance) take
// the values from Command::Count on; see MenuModel.
enum class Command {
    None = 0,
    // File
    menuFile, menuFreeze, menuLockHorizontal, menuLockVertical, menuCopy, menuCopyColor,
    menuPinColor, menuUnpinColor, menuCopyContrast, menuRecentColors,
    menuRecentColor0, menuRecentColor15 = menuRecentColor0 + 15,
    menuCopyMeasurement, menuSaveAs, menuSaveAsSeen, menuQuickSave, N1, menuRuler, N8, menuExit,
    // Magnification
    menuMagnification, menuPrecise, menuSmooth, menuSmoothingType,
    menuSimple, menuLinear, menuCosine, menuBicubic, menuLanczos, menuMitchell, N7,
    menuLevel, menu2X, menu4X, menu6X, menu8X, menu10X, menu12X, menu16X, menu24X, menu32X,
    menuRefresh, menu20ms, menu40ms, menu01s, menu02s, menu05s, menu1s,
    menuOwn,
    menuVision, menuVisionNormal, menuVisionProtanopia, menuVisionDeuteranopia, menuVisionTritanopia,
    menuVisionAchromatopsia, menuVisionInverted,
    // Grid
    menuGrid, menuShowCursor, menuShowGrid, N2, menuRastered, menuColor,
    menuColorItem0, menuColorItem15 = menuColorItem0 + 15,
    // Options
    menuOptions, menuOnTop, menuSnap, N3, menuToolbar, menuStatusbar, N4,
    menuColorFormat, menuFormatHex, menuFormatRgb, menuFormatHsl, menuFormatHsv, menuFormatCmyk, menuFormatLab,
    menuFormatOklch, menuFormatTemplate, N10, menuColorTemplate,
    menuSampleSize, menuSample1, menuSample3, menuSample5, menuSample7, menuSample9, N9,
    menuLanguage, menuEN, menuLangSeparator, N6, menuMore,
    menuGlobalHotkeys, menuAutostart, menuSave,
    // Help
    menuHelp, menuShowHelp, menuBrowse, menuStartupCheck, menuCheckNow, N5, menuKvOnline, menuKvMirror, MenuVantrel,
    menuSupport, menuQuestion, menuComment, menuBug, menuAbout,
    Count
};

constexpr int kCommandCount = static_cast<int>(Command::Count);
constexpr int kCommandIdBase = 1000;
// Room for the items made at run time; their Windows identifiers stay below
// those of the system's own commands.
constexpr int kMaxRuntimeCommands = 1000;

constexpr Command ColorItem(int index) { return static_cast<Command>(static_cast<int>(Command::menuColorItem0) + index); }
constexpr int ColorItemIndex(Command c) { return static_cast<int>(c) - static_cast<int>(Command::menuColorItem0); }
constexpr bool IsColorItem(Command c) {
    return c >= Command::menuColorItem0 && c <= Command::menuColorItem15;
}
constexpr Command RecentColorItem(int index) {
    return static_cast<Command>(static_cast<int>(Command::menuRecentColor0) + index);
}
constexpr int RecentColorIndex(Command c) { return static_cast<int>(c) - static_cast<int>(Command::menuRecentColor0); }
constexpr bool IsRecentColorItem(Command c) {
    return c >= Command::menuRecentColor0 && c <= Command::menuRecentColor15;
}
constexpr bool IsRuntimeCommand(Command c) {
    return static_cast<int>(c) >= kCommandCount && static_cast<int>(c) < kCommandCount + kMaxRuntimeCommands;
}

// The buttons of the two toolbars.
enum class ToolButton { tbPrecise, tbSmooth, tbCursor, tbGrid, tbRastered, tbOnTop, tbRuler, tbHelp, Count };

// Controls whose place or visibility the layout logic decides. The guides'
// lines and handles are children of imgZoom, in the order in which they are
// stacked, later ones above earlier ones.
enum class Control {
    ToolBar1, ToolBar2, Separator2, imgLogo, Panel1, imgZoom, StatusBar1,
    imgGuideV1, imgGuideV2, imgGuideH1, imgGuideH2, imgIconV1, imgIconV2, imgIconH1, imgIconH2,
    Count
};

// Everything of the main window that shows a hint when the pointer rests on it.
enum class HintTarget {
    tbPrecise, tbSmooth, tbZoom, labelZoom, tbCursor, tbGrid, tbRastered, cbGrid, tbOnTop, tbRuler, tbHelp, imgLogo,
    sbColor,     // the status bar's colour panel
    sbContrast,  // the status bar's contrast panel
    sbMeasurement,  // the status bar's measurement panel
    Count
};

// The main window's timers, started and stopped by name.
enum class Timer { Refresher, OnlineCheckTimer, Count };

}  // namespace orvelle
