// The command table: every menu item, shortcut, toolbar button and stored
// setting ends here. The state's change is ApplyCommand's; what a command
// does beyond it runs after.
#include "app/ColorText.h"
#include "app/TfrmMain.h"
#include "app/WebLinks.h"
#include "app/WindowSnap.h"

namespace orvelle {

void TfrmMain::Execute(Command command) {
    // A disabled item cannot be chosen; a command posted for one is dropped.
    if (sync_.HasShown() && Shown().Item(command) != nullptr && !Shown().Enabled(command)) return;
    const MainState before = state_;
    state_ = ApplyCommand(std::move(state_), command, LanguageChoices{languageCommands_, languageNames_});
    Update();
    RunEffects(command, before);
}

void TfrmMain::RunEffects(Command command, const MainState& before) {
    if (const auto site = WebLinkSite(command)) return launchers_.OpenWebLink(hosts_, *site);
    if (const auto mail = SupportMailOf(command)) return launchers_.SendSupportMail(*mail);
    // A new level, a colour chosen: the keyboard goes back to the picture.
    if (state_.zoom != before.zoom && view_.IsVisible()) view_.FocusPanel();
    if (IsRecentColorItem(command)) return CopyRecentColor(RecentColorIndex(command));
    switch (command) {
        case Command::menuPinColor: return menuPinColorClick();
        case Command::menuCopyContrast: return menuCopyContrastClick();
        case Command::menuColorTemplate: return menuColorTemplateClick();
        case Command::menuCopy: return menuCopyClick();
        case Command::menuCopyColor: return menuCopyColorClick();
        case Command::menuSaveAs: return menuSaveAsClick(false);
        case Command::menuSaveAsSeen: return menuSaveAsClick(true);
        case Command::menuQuickSave: return menuQuickSaveClick();
        case Command::menuCopyMeasurement: return menuCopyMeasurementClick();
        case Command::menuLockHorizontal:
        case Command::menuLockVertical: {
            // On the spot the view shows now: the pointer, or the other axis's lock.
            const std::optional<Point> pointer = services_.screen.CursorPos();
            const std::optional<Point> centre = magnifier_.Centre() ? magnifier_.Centre() : pointer;
            if (!centre) return;
            state_ = WithLockToggled(std::move(state_), command, *centre);
            return Update();
        }
        case Command::menuExit: return view_.Close();
        case Command::menuAutostart: return menuAutostartClick();
        case Command::menuMore:
            return launchers_.actBrowse(WebPageUrl(hosts_, WebSite::Product, "/download-languages.htm"));
        case Command::menuShowHelp: return launchers_.ShowHelp();
        case Command::menuCheckNow: return menuCheckNowClick(true);
        case Command::menuRuler:
            return launchers_.LaunchRuler(hosts_, [this](int message, std::initializer_list<int> buttons,
                                                         IconKind icon) { return Ask(message, buttons, icon); });
        case Command::menuAbout: return services_.dialogs.ShowAbout(about_);
        default: return;
    }
}

void TfrmMain::ToolButtonClick(ToolButton button, bool down) {
    // The button has put itself in its new state before it reports the click;
    // the command then brings the state to match, so nothing is sent back.
    sync_.ButtonSetByUser(button, down);
    if (button == ToolButton::tbPrecise || button == ToolButton::tbSmooth) {
        // Grouped buttons: the other one has released itself.
        const ToolButton other = button == ToolButton::tbPrecise ? ToolButton::tbSmooth : ToolButton::tbPrecise;
        sync_.ButtonSetByUser(other, !down);
    }
    Execute(ButtonCommand(button));
}

void TfrmMain::ZoomTrackChanged(int position) {
    // The track bar already shows the new position.
    sync_.ZoomSetByUser(position);
    const int zoom = state_.zoom;
    state_ = WithZoom(std::move(state_), position);
    Update();
    if (state_.zoom != zoom && view_.IsVisible()) view_.FocusPanel();
}

void TfrmMain::cbGridChange(int colorIndex) {
    if (colorIndex < 0 || colorIndex >= kStandardColorCount) return;
    sync_.ColorSetByUser(colorIndex);  // the box already shows the choice
    Execute(ColorItem(colorIndex));
    if (view_.IsVisible()) view_.FocusPanel();
}

void TfrmMain::menuAutostartClick() {
    if (state_.autostart) {
        // Quoted, so that a path with blanks cannot start another program. A
        // key that cannot be opened is not reported, a value that cannot be written is.
        const Outcome added = services_.startupList.AddIfMissing(StartupValueName, "\"" + services_.programPath + "\"");
        if (added && !added->Is(Failure::Kind::Unavailable))
            services_.dialogs.ShowError(std::string("Failed to set data for '") + StartupValueName + "'");
    } else {
        services_.startupList.Remove(StartupValueName);
    }
}

void TfrmMain::menuCopyClick() { ReportFailure(services_.clipboard.PutBitmap(magnifier_.ExportPicture())); }

// The colour as the status bar shows it: while the picture is frozen, that of
// the pixel last read, which is the one the user sees marked. Once on the
// clipboard, it joins the colours copied last.
void TfrmMain::menuCopyColorClick() {
    const std::optional<Pixel> color = magnifier_.Readout();
    if (!color) return;  // no tick yet: nothing has been read
    const Outcome copied = services_.clipboard.PutText(magnifier_.Status()[kColorStatusPanel]);
    ReportFailure(copied);
    if (copied) return;
    state_ = WithRecentColor(std::move(state_), *color);
    Update();
}

// A colour copied earlier, copied again in the format chosen now.
void TfrmMain::CopyRecentColor(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= state_.recentColors.size()) return;
    const Pixel color = state_.recentColors[static_cast<std::size_t>(index)];
    ReportFailure(services_.clipboard.PutText(ColorText(color, state_.colorFormat, state_.colorTemplate)));
    state_ = WithRecentColor(std::move(state_), color);
    Update();
}

// Pressed again, it pins the colour read now.
void TfrmMain::menuPinColorClick() {
    if (const std::optional<Pixel> color = magnifier_.Readout()) {
        state_.pinned = *color;
        Update();
    }
}

// The pinned colour is the text, the pointer's the background.
void TfrmMain::menuCopyContrastClick() {
    const std::optional<Pixel> color = magnifier_.Readout();
    if (!state_.pinned || !color) return;
    ReportFailure(services_.clipboard.PutText(ContrastReport(*state_.pinned, *color)));
}

void TfrmMain::menuColorTemplateClick() {
    const std::optional<std::string> text = services_.dialogs.AskText(
        DialogService::TextRequest{Text(319), Text(320), state_.colorTemplate, Text(100), Text(101)});
    if (!text) return;
    state_.colorTemplate = StorableTemplate(*text);
    Update();
}

void TfrmMain::menuSaveAsClick(bool asSeen) {
    // The picture is made only once the dialog has closed: the view goes on
    // refreshing behind it, and the file shows the last tick before the choice.
    const std::optional<SaveFormat> chosen = pictureFiles_.SaveAs(
        [this, asSeen] { return asSeen ? PictureAsSeen() : magnifier_.ExportPicture(); }, state_.saveFormat,
        asSeen ? Text(326) : Shown().saveDialogTitle);
    if (!chosen) return;
    state_.saveFormat = *chosen;
    Update();
}

void TfrmMain::menuQuickSaveClick() {
    if (const std::optional<std::string> path = pictureFiles_.QuickSave(magnifier_.ExportPicture(), state_.quickSaveFolder))
        ShowNote(TextWith(Text(330), *path));
}

TBitmap32 TfrmMain::PictureAsSeen() const {
    TBitmap32 picture(magnifier_.ViewSize().width, magnifier_.ViewSize().height);
    const Rect all{0, 0, picture.Width(), picture.Height()};
    magnifier_.Paint(picture.Ref(), all);
    view_.PaintGuides(picture.Ref());
    return picture;
}

// The width and height in screen pixels, with "." whatever the locale.
void TfrmMain::menuCopyMeasurementClick() {
    const std::optional<GuideRectangle> rectangle = GuideRectangleNow();
    if (!rectangle) return;
    ReportFailure(services_.clipboard.PutText(MeasurementCopyText(*rectangle, MagnifiedMonitorDpi())));
}

void TfrmMain::ReportFailure(const Outcome& outcome) {
    if (outcome) services_.dialogs.ShowError(outcome->text);
}

Point TfrmMain::AdjustWindowPosition(Point proposed, Size windowSize) {
    // A maximised or minimised window has its place from the system.
    if (!state_.snap || view_.State() != WindowState::Normal) return proposed;
    const Rect workArea = services_.screen.NearestMonitor(view_.OuterBounds()).workArea;
    return SnapToWorkArea(proposed, windowSize, workArea);
}

}  // namespace orvelle
