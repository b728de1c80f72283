// Identifiers of the main window's commands and controls, shared by the
// window logic and the front-end that shows them.
#pragma once

namespace orvelle {

// One value per menu item. The front-end uses (value + kCommandIdBase) as the
// Windows command identifier, so the numbers must stay stable and dense.
enum class Command {
    None = 0,
    // File
    menuFile, menuFreeze, menuCopy, menuSaveAs, menuRuler, menuExit,
    // Magnification
    menuMagnification, menuPrecise, menuSmooth, menuSmoothingType,
    menuSimple, menuLinear, menuCosine, menuBicubic, menuLanczos, menuMitchell,
    menuLevel, menu2X, menu4X, menu6X, menu8X, menu10X, menu12X, menu16X, menu24X, menu32X,
    menuRefresh, menu20ms, menu40ms, menu01s, menu02s, menu05s, menu1s,
    menuOwn,
    // Grid
    menuGrid, menuShowCursor, menuShowGrid, menuRastered, menuColor,
    menuColorItem0, menuColorItem15 = menuColorItem0 + 15,
    // Options
    menuOptions, menuOnTop, menuSnap, menuToolbar, menuStatusbar, menuLanguage, menuEN, menuMore,
    menuAutostart, menuSave,
    // Help
    menuHelp, menuShowHelp, menuBrowse, menuStartupCheck, menuCheckNow, menuKvOnline, menuKvMirror, MenuVantrel,
    menuSupport, menuQuestion, menuComment, menuBug, menuAbout,
    Count
};

constexpr int kCommandCount = static_cast<int>(Command::Count);
constexpr int kCommandIdBase = 1000;

constexpr Command ColorItem(int index) { return static_cast<Command>(static_cast<int>(Command::menuColorItem0) + index); }
constexpr int ColorItemIndex(Command c) { return static_cast<int>(c) - static_cast<int>(Command::menuColorItem0); }
constexpr bool IsColorItem(Command c) {
    return c >= Command::menuColorItem0 && c <= Command::menuColorItem15;
}

// The buttons of the two toolbars.
enum class ToolButton { tbPrecise, tbSmooth, tbCursor, tbGrid, tbRastered, tbOnTop, tbRuler, tbHelp, Count };

// Controls whose place or visibility the layout logic decides.
enum class Control { ToolBar1, ToolBar2, Separator2, imgLogo, Panel1, imgZoom, StatusBar1, Count };

}  // namespace orvelle
