#include "app/CaptionTable.h"

#include <array>

#include "lang/InterfaceTexts.h"

namespace orvelle {

namespace {

using C = Command;
using H = HintTarget;
constexpr CaptionTarget M(Command item) { return CaptionTarget::Menu(item); }
constexpr CaptionTarget T(HintTarget hint) { return CaptionTarget::HintOf(hint); }

const std::array kRows = std::to_array<CaptionRow>({
    {M(C::menuFile), 1},
    {M(C::menuFreeze), 2},
    {M(C::menuLockHorizontal), 323},
    {M(C::menuLockVertical), 324},
    {M(C::menuCopy), 3},
    {M(C::menuCopyColor), 300},
    {M(C::menuPinColor), 305},
    {M(C::menuUnpinColor), 306},
    {M(C::menuCopyContrast), 307},
    {M(C::menuRecentColors), 308},
    {M(C::menuCopyMeasurement), 325},
    {M(C::menuSaveAs), 4},
    {M(C::menuSaveAsSeen), 326},
    {M(C::menuQuickSave), 327},
    {CaptionTarget::SaveDialog(), 4},
    {M(C::menuRuler), 5},
    {M(C::menuExit), 6},
    {M(C::menuMagnification), 7},
    {M(C::menuPrecise), 8},
    {M(C::menuSmooth), 9},
    {M(C::menuSmoothingType), 10},
    {M(C::menuSimple), 11},
    {M(C::menuLinear), 12},
    {M(C::menuCosine), 13},
    {M(C::menuBicubic), 14},
    {M(C::menuLanczos), 15},
    {M(C::menuMitchell), 16},
    {M(C::menuLevel), 17},
    {M(C::menuRefresh), 18},
    {M(C::menuOwn), 19},
    {M(C::menuVision), 312},
    {M(C::menuVisionNormal), 313},
    {M(C::menuVisionProtanopia), 314},
    {M(C::menuVisionDeuteranopia), 315},
    {M(C::menuVisionTritanopia), 316},
    {M(C::menuVisionAchromatopsia), 317},
    {M(C::menuVisionInverted), 318},
    {M(C::menuGrid), 20},
    {M(C::menuShowCursor), 21},
    {M(C::menuShowGrid), 22},
    {M(C::menuRastered), 23},
    {M(C::menuColor), 24},
    {M(C::menuOptions), 25},
    {M(C::menuOnTop), 26},
    {M(C::menuToolbar), 27},
    {M(C::menuStatusbar), 28},
    {M(C::menuSnap), 29},
    {M(C::menuColorFormat), 309},
    {M(C::menuFormatTemplate), 322},
    {M(C::menuColorTemplate), 310},
    {M(C::menuSampleSize), 311},
    {M(C::menuLanguage), 30},
    {M(C::menuMore), 165},
    {M(C::menuGlobalHotkeys), 328},
    {M(C::menuAutostart), 35},
    {M(C::menuSave), 36},
    {M(C::menuHelp), 37},
    {M(C::menuShowHelp), 37},
    {M(C::menuBrowse), 38},
    {M(C::menuStartupCheck), 159},
    {M(C::menuCheckNow), 160},
    {M(C::menuSupport), 39},
    {M(C::menuQuestion), 40},
    {M(C::menuComment), 41},
    {M(C::menuBug), 42},
    {M(C::menuAbout), 46},
    {T(H::tbPrecise), 60},
    {T(H::tbSmooth), 61},
    {T(H::tbZoom), 62},
    {T(H::labelZoom), 62},
    {T(H::tbCursor), 21},
    {T(H::tbGrid), 22},
    {T(H::tbRastered), 23, 63},
    {T(H::cbGrid), 24},
    {T(H::tbOnTop), 26},
    {T(H::tbRuler), 5},
    {T(H::tbHelp), 37},
    {T(H::imgLogo), 38},
    {T(H::sbColor), 301},
    {T(H::sbContrast), 321},
    {T(H::sbMeasurement), 331},
});

}  // namespace

std::span<const CaptionRow> MainWindowCaptions() { return kRows; }

std::string CaptionText(const CaptionRow& row, const TextLookup& lookup) {
    std::string text = lookup(row.text);
    if (row.note != 0) text += "\r\n(" + lookup(row.note) + ")";
    return text;
}

std::string TextWith(std::string text, std::string_view value) {
    if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, value);
    return text;
}

std::optional<std::string> EnglishMenuCaption(Command item) {
    for (const CaptionRow& row : kRows)
        if (row.target.kind == CaptionTarget::Kind::MenuCaption && row.target.item == item)
            return EnglishText(row.text);
    return std::nullopt;
}

}  // namespace orvelle
