#include "app/CaptionTable.h"

#include <array>

namespace orvelle {

namespace {

using C = Command;
using H = HintTarget;
constexpr CaptionTarget M(Command item) { return CaptionTarget::Menu(item); }
constexpr CaptionTarget T(HintTarget hint) { return CaptionTarget::HintOf(hint); }

const std::array kRows = std::to_array<CaptionRow>({
    {M(C::menuFile), 1, "File"},
    {M(C::menuFreeze), 2, "Freeze Image"},
    {M(C::menuCopy), 3, "Copy Image to Clipboard"},
    {M(C::menuSaveAs), 4, "Save Image as..."},
    {CaptionTarget::SaveDialog(), 4, "Save Image as..."},
    {M(C::menuRuler), 5, "Launch Tessaly"},
    {M(C::menuExit), 6, "Exit"},
    {M(C::menuMagnification), 7, "Magnification"},
    {M(C::menuPrecise), 8, "Precise"},
    {M(C::menuSmooth), 9, "Smooth"},
    {M(C::menuSmoothingType), 10, "Smoothing Type"},
    {M(C::menuSimple), 11, "Simple"},
    {M(C::menuLinear), 12, "Linear"},
    {M(C::menuCosine), 13, "Cosine"},
    {M(C::menuBicubic), 14, "Bicubic"},
    {M(C::menuLanczos), 15, "Lanczos"},
    {M(C::menuMitchell), 16, "Mitchell"},
    {M(C::menuLevel), 17, "Level"},
    {M(C::menuRefresh), 18, "Refresh Rate"},
    {M(C::menuOwn), 19, "Magnify Own Window"},
    {M(C::menuGrid), 20, "Grid"},
    {M(C::menuShowCursor), 21, "Show Mouse Position"},
    {M(C::menuShowGrid), 22, "Show Grid"},
    {M(C::menuRastered), 23, "Rastered Grid Lines"},
    {M(C::menuColor), 24, "Grid Color"},
    {M(C::menuOptions), 25, "Options"},
    {M(C::menuOnTop), 26, "Always On Top"},
    {M(C::menuToolbar), 27, "Show Toolbar"},
    {M(C::menuStatusbar), 28, "Show Statusbar"},
    {M(C::menuSnap), 29, "Snap to Screen Edge"},
    {M(C::menuLanguage), 30, "Language"},
    {M(C::menuMore), 165, "Download More Languages"},
    {M(C::menuAutostart), 35, "Autostart with Windows"},
    {M(C::menuSave), 36, "Save Settings on Exit"},
    {M(C::menuHelp), 37, "Help"},
    {M(C::menuShowHelp), 37, "Help"},
    {M(C::menuBrowse), 38, "Browse Web for Updates"},
    {M(C::menuStartupCheck), 159, "Try to Check on Startup"},
    {M(C::menuCheckNow), 160, "Check now"},
    {M(C::menuSupport), 39, "Support"},
    {M(C::menuQuestion), 40, "Ask a Question"},
    {M(C::menuComment), 41, "Send Comments"},
    {M(C::menuBug), 42, "Report a Bug"},
    {M(C::menuAbout), 46, "About..."},
    {T(H::tbPrecise), 60, "Precise Magnification"},
    {T(H::tbSmooth), 61, "Smooth Magnification"},
    {T(H::tbZoom), 62, "Magnification Level"},
    {T(H::labelZoom), 62, "Magnification Level"},
    {T(H::tbCursor), 21, "Show Mouse Position"},
    {T(H::tbGrid), 22, "Show Grid"},
    {T(H::tbRastered), 23, "Rastered Grid Lines", 63, "Visible on Any Background"},
    {T(H::cbGrid), 24, "Grid Color"},
    {T(H::tbOnTop), 26, "Always On Top"},
    {T(H::tbRuler), 5, "Launch Tessaly"},
    {T(H::tbHelp), 37, "Help"},
    {T(H::imgLogo), 38, "Browse Web for Updates"},
});

}  // namespace

std::span<const CaptionRow> MainWindowCaptions() { return kRows; }

std::string EnglishText(int, std::string_view english) { return std::string(english); }

std::string CaptionText(const CaptionRow& row, const TextLookup& lookup) {
    std::string text = lookup(row.text, row.english);
    if (row.note != 0) text += "\r\n(" + lookup(row.note, row.noteEnglish) + ")";
    return text;
}

const char* EnglishMenuCaption(Command item) {
    for (const CaptionRow& row : kRows)
        if (row.target.kind == CaptionTarget::Kind::MenuCaption && row.target.item == item) return row.english;
    return nullptr;
}

}  // namespace orvelle
