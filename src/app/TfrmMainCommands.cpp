// The command table: every menu item, shortcut and toolbar button ends here.
#include "app/CommandValues.h"
#include "app/TfrmMain.h"
#include "app/WebLinks.h"
#include "app/WindowSnap.h"
#include "engine/StandardColors.h"

namespace orvelle {

namespace {

// The smoothing items in the order that decides between them.
constexpr struct {
    Command item;
    TStretchFilter filter;
} kSmoothingItems[] = {
    {Command::menuSimple, TStretchFilter::sfDraft},    {Command::menuLinear, TStretchFilter::sfLinear},
    {Command::menuCosine, TStretchFilter::sfCosine},   {Command::menuBicubic, TStretchFilter::sfSpline},
    {Command::menuLanczos, TStretchFilter::sfLanczos}, {Command::menuMitchell, TStretchFilter::sfMitchell},
};

}  // namespace

void TfrmMain::Execute(Command command) {
    // A disabled item cannot be chosen; a command posted for one is dropped.
    if (menu_.Contains(command) && !menu_.Enabled(command)) return;
    // Items made at run time belong to the component that made them.
    if (menu_.ClickRuntimeItem(command)) return;
    if (IsColorItem(command)) return menuColorItemClick(ColorItemIndex(command));
    for (const CommandValue& level : kLevelItems)
        if (level.item == command) return SetZoomPosition(level.value);
    for (const CommandValue& refresh : kRefreshItems)
        if (refresh.item == command) return SetRefreshInterval(refresh.item, refresh.value);
    for (const auto& smoothing : kSmoothingItems)
        if (smoothing.item == command) {
            menu_.CheckRadio(command);
            return SetSmoothing();
        }

    if (const auto site = WebLinkSite(command)) return OpenWebLink(*site);
    if (const auto mail = SupportMailOf(command)) return SendSupportMail(*mail);

    switch (command) {
        case Command::menuCopy:
            menuCopyClick();
            break;
        case Command::menuCopyColor:
            menuCopyColorClick();
            break;
        case Command::menuSaveAs:
            menuSaveAsClick();
            break;
        case Command::menuExit:
            view_.Close();
            break;
        case Command::menuPrecise:
            menuPreciseClick();
            break;
        case Command::menuSmooth:
            menuSmoothClick();
            break;
        case Command::menuShowCursor:
            ToggleWithMirror(command, ToolButton::tbCursor);
            break;
        case Command::menuShowGrid:
            menuShowGridClick();
            break;
        case Command::menuRastered:
            menuRasteredClick();
            break;
        case Command::menuOnTop:
            menuOnTopClick();
            break;
        case Command::menuToolbar:
        case Command::menuStatusbar:
            SetChecked(command, !Checked(command));
            FormResize();
            break;
        case Command::menuAutostart:
            menuAutostartClick();
            break;
        case Command::menuEN:
            menuAnyLangClick(command);
            break;
        case Command::menuMore:
            menuMoreClick();
            break;
        case Command::menuShowHelp:
            menuShowHelpClick();
            break;
        case Command::menuCheckNow:
            menuCheckNowClick();
            break;
        case Command::menuRuler:
            menuRulerClick();
            break;
        case Command::menuAbout:
            menuAboutClick();
            break;
        case Command::menuOwn:
            SetChecked(command, !Checked(command));
            ShowCaptureExclusion();
            break;
        case Command::menuFreeze:
        case Command::menuSnap:
        case Command::menuSave:
        case Command::menuStartupCheck:
            SetChecked(command, !Checked(command));
            break;
        default:
            // Commands whose features are not part of this window yet do nothing.
            break;
    }
}

void TfrmMain::ShowCaptureExclusion() {
    const DisplayAffinity wanted =
        ChooseCapturePolicy(Checked(Command::menuOwn), services_.windowsBuild, false).affinity;
    if (wanted == DisplayAffinity::Unchanged || wanted == shownAffinity_) return;
    shownAffinity_ = wanted;
    view_.SetExcludedFromCapture(wanted == DisplayAffinity::ExcludeFromCapture);
}

void TfrmMain::ToolButtonClick(ToolButton button, bool down) {
    // The button has changed its own state before it reports the click; the
    // command then sets it from the menu's check mark, so both always agree.
    buttonDown_[static_cast<std::size_t>(button)] = down;
    switch (button) {
        case ToolButton::tbPrecise:
        case ToolButton::tbSmooth: {
            // Grouped buttons: the other one has released itself.
            const bool precise = button == ToolButton::tbPrecise;
            buttonDown_[static_cast<std::size_t>(precise ? ToolButton::tbSmooth : ToolButton::tbPrecise)] = !down;
            menu_.CheckRadio(precise ? Command::menuPrecise : Command::menuSmooth);
            SetSmoothing();
            break;
        }
        case ToolButton::tbCursor:
            Execute(Command::menuShowCursor);
            break;
        case ToolButton::tbGrid:
            Execute(Command::menuShowGrid);
            break;
        case ToolButton::tbRastered:
            Execute(Command::menuRastered);
            break;
        case ToolButton::tbOnTop:
            Execute(Command::menuOnTop);
            break;
        case ToolButton::tbRuler:
            Execute(Command::menuRuler);
            break;
        case ToolButton::tbHelp:
            Execute(Command::menuShowHelp);
            break;
        case ToolButton::Count:
            break;
    }
}

void TfrmMain::imgLogoClick() { Execute(Command::menuKvOnline); }

void TfrmMain::imgLogoDblClick() { Execute(Command::menuKvOnline); }

void TfrmMain::ToggleWithMirror(Command item, ToolButton twin) {
    SetChecked(item, !Checked(item));
    SetButtonDown(twin, Checked(item));
}

void TfrmMain::menuPreciseClick() {
    menu_.CheckRadio(Command::menuPrecise);
    SetButtonDown(ToolButton::tbPrecise, true);
    SetButtonDown(ToolButton::tbSmooth, false);
    SetSmoothing();
}

void TfrmMain::menuSmoothClick() {
    menu_.CheckRadio(Command::menuSmooth);
    SetButtonDown(ToolButton::tbSmooth, true);
    SetButtonDown(ToolButton::tbPrecise, false);
    SetSmoothing();
}

void TfrmMain::SetSmoothing() {
    TStretchFilter filter = capture_.StretchFilter();
    if (Checked(Command::menuPrecise)) {
        filter = TStretchFilter::sfNearest;
    } else {
        for (const auto& smoothing : kSmoothingItems)
            if (Checked(smoothing.item)) {
                filter = smoothing.filter;
                break;
            }
    }
    // A new filter shows at once, also on a frozen picture.
    if (capture_.SetStretchFilter(filter) && view_.IsVisible()) view_.RepaintView();
}

void TfrmMain::SetRefreshInterval(Command item, int intervalMs) {
    menu_.CheckRadio(item);
    refreshIntervalMs_ = intervalMs;
    if (TimerInterval(Timer::Refresher) != 0) StartTimer(Timer::Refresher, intervalMs);
}

void TfrmMain::menuShowGridClick() {
    ToggleWithMirror(Command::menuShowGrid, ToolButton::tbGrid);
    RedrawGrid();
}

void TfrmMain::menuRasteredClick() {
    ToggleWithMirror(Command::menuRastered, ToolButton::tbRastered);
    const bool colorChoice = !ButtonDown(ToolButton::tbRastered);
    menu_.SetEnabled(Command::menuColor, colorChoice);
    if (gridColorEnabled_ != colorChoice) {
        gridColorEnabled_ = colorChoice;
        view_.SetGridColorEnabled(colorChoice);
    }
    RedrawGrid();
}

void TfrmMain::cbGridChange(int colorIndex) {
    if (colorIndex < 0 || colorIndex >= kStandardColorCount) return;
    gridColorIndex_ = colorIndex;  // the box already shows the choice
    SelectGridColor(colorIndex);
    RedrawGrid();
    if (view_.IsVisible()) view_.FocusPanel();
}

void TfrmMain::menuColorItemClick(int colorIndex) {
    SelectGridColor(colorIndex);
    RedrawGrid();
}

// The colour box, the colour items' check marks and the colour submenu's
// swatch always show the same colour.
void TfrmMain::SelectGridColor(int colorIndex) {
    if (colorIndex != gridColorIndex_) {
        gridColorIndex_ = colorIndex;
        view_.SetGridColorSelection(colorIndex);
    }
    for (int i = 0; i < kStandardColorCount; ++i) SetChecked(ColorItem(i), i == colorIndex);
    menu_.SetImage(Command::menuColor, MenuImage::Swatch(kStandardColors[static_cast<std::size_t>(colorIndex)].value));
}

void TfrmMain::menuOnTopClick() {
    ToggleWithMirror(Command::menuOnTop, ToolButton::tbOnTop);
    view_.SetTopmost(Checked(Command::menuOnTop));
}

void TfrmMain::menuAutostartClick() {
    SetChecked(Command::menuAutostart, !Checked(Command::menuAutostart));
    if (Checked(Command::menuAutostart)) {
        // Quoted, so that a path with blanks cannot start another program.
        // A key that cannot be opened is not reported, a value that cannot be written is.
        const Outcome added = services_.startupList.AddIfMissing(StartupValueName, "\"" + services_.programPath + "\"");
        if (added && !added->Is(Failure::Kind::Unavailable))
            services_.dialogs.ShowError(std::string("Failed to set data for '") + StartupValueName + "'");
    } else {
        services_.startupList.Remove(StartupValueName);
    }
}

Point TfrmMain::AdjustWindowPosition(Point proposed, Size windowSize) {
    // A maximised or minimised window has its place from the system.
    if (!Checked(Command::menuSnap) || view_.State() != WindowState::Normal) return proposed;
    const Rect workArea = services_.screen.NearestMonitor(view_.OuterBounds()).workArea;
    return SnapToWorkArea(proposed, windowSize, workArea);
}

}  // namespace orvelle
