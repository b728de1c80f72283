#include "app/TfrmMain.h"

#include <exception>

#include "app/MainLayout.h"
#include "app/MainWindowDesign.h"
#include "engine/Dpi.h"
#include "web/Product.h"

namespace orvelle {

TfrmMain::TfrmMain(MainView& view, Services services)
    : view_(view),
      services_(std::move(services)),
      sync_(view),
      magnifier_(services_.screen, services_.clock, services_.numberFormat, services_.windowsBuild),
      check_(services_.versionCheck),
      launchers_(services_.shell, services_.dialogs, services_.registry, services_.programPath),
      pictureFiles_(services_.dialogs, services_.files, services_.pictureEncoder, services_.clock,
                    services_.picturesFolder),
      hotkeys_(services_.hotkeys),
      statusPanels_(view, services_.clock) {}

// The window shows its designed state first, with its caption; then the
// languages, the ruler's path and the settings bring it to the stored one,
// and, when enabled, the version check starts.
void TfrmMain::FormCreate() {
    try {
        dpi_ = view_.Dpi();
        state_.guides = MeasuringGuides(GuideSizesAt(dpi_));
        // The designed state, with its client area measured at the window's
        // DPI under the menu bar; then the caption.
        Update();
        view_.SetClientSize(ScaleToDpi(design::kClientArea, dpi_));
        view_.SetCaption(std::string(ProductName) + " " + ProgramVersion);
        BuildLanguages();
        launchers_.ReadRulerPath();
        ReadSettings();
        if (state_.startupCheck) menuCheckNowClick(false);
        Update();
    } catch (const std::exception& e) {
        // The rest of start-up is skipped; the window still opens.
        services_.dialogs.ShowError(e.what());
    }
}

void TfrmMain::CreateAboutWindow() {
    if (firstRun_) Execute(Command::menuAbout);
}

void TfrmMain::FormDestroy() { RunShutdown(); }

bool TfrmMain::QueryEndSession() {
    RunShutdown();
    view_.Close();
    return true;
}

// Runs once per process: after the session-end handler the window's
// destruction must not write the settings a second time.
void TfrmMain::RunShutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    Update();  // the refresh timer stops
    if (const Outcome written = WriteSettings()) services_.dialogs.ShowError(written->text);
}

PresentationInputs TfrmMain::Inputs() const {
    PresentationInputs in;
    in.dpi = dpi_;
    in.outer = view_.OuterSize();
    in.client = view_.ClientSize();
    in.screens = services_.screen.VirtualScreen();
    in.text = [this](int number) { return Text(number); };
    in.languages = &languageItems_;
    in.flags = flags_;
    in.hosts = &hosts_;
    in.windowsBuild = services_.windowsBuild;
    in.shutDown = shutDown_;
    in.guideTip = guideTip_;
    in.colorPanelWidth = statusPanels_.Width(kColorStatusPanel);
    in.measurementPanelWidth = statusPanels_.Width(kMeasurementStatusPanel);
    in.notePanelWidth = statusPanels_.Width(kNoteStatusPanel);
    return in;
}

Presentation TfrmMain::Present() const { return orvelle::Present(state_, Inputs()); }

void TfrmMain::Update() {
    // Showing a change can make the window report another (a new size, say)
    // from inside; that one is shown once this is done, not in its middle.
    if (updating_) {
        updateAgain_ = true;
        return;
    }
    struct Updating {
        bool& flag;
        explicit Updating(bool& f) : flag(f) { flag = true; }
        ~Updating() { flag = false; }
    } updating(updating_);
    do {
        updateAgain_ = false;
        ShowState();
    } while (updateAgain_);
    ApplyHotkeys();
}

void TfrmMain::ShowState() {
    statusPanels_.Measure(StatusToShow(), dpi_);
    Presentation next = Present();
    // The guides follow the view's size: stretched along it, pulled inside it.
    if (next.view != state_.guides.Picture()) {
        state_.guides.FitToPicture(next.view);
        for (std::size_t i = 0; i < kGuidePartCount; ++i) {
            const auto part = static_cast<GuidePart>(i);
            next.controls[static_cast<std::size_t>(GuideControl(part))].bounds = state_.guides.Bounds(part);
        }
    }
    const bool repaint = magnifier_.Configure(state_, next.capture, next.view);
    // A new format, a colour pinned, the guides fitted: the texts are written
    // again at once, and their panels may need another width.
    const StatusTexts texts = StatusToShow();
    if (statusPanels_.Measure(texts, dpi_)) next = Present();
    sync_.Send(next);
    sync_.SendStatus(texts);
    if (repaint && view_.IsVisible()) view_.RepaintView();
}

StatusTexts TfrmMain::StatusToShow() const {
    StatusTexts texts = magnifier_.Status();
    if (const std::optional<GuideRectangle> rectangle = GuideRectangleNow())
        texts[kMeasurementStatusPanel] = MeasurementPanelText(*rectangle, MagnifiedMonitorDpi(), services_.numberFormat);
    return statusPanels_.WithNote(std::move(texts));
}

std::optional<GuideRectangle> TfrmMain::GuideRectangleNow() const {
    return MeasureGuideRectangle(state_.guides, state_.zoom);
}

// The scale of the monitor the view's centre lies on.
int TfrmMain::MagnifiedMonitorDpi() const {
    const std::optional<Point> centre = magnifier_.Centre();
    if (!centre) return 96;
    return services_.screen.NearestMonitor(Rect{centre->x, centre->y, centre->x + 1, centre->y + 1}).dpi;
}

void TfrmMain::ShowNote(const std::string& text) {
    statusPanels_.ShowNote(text);
    Update();
}

void TfrmMain::ApplyHotkeys() {
    // At exit they go; while an error is shown, another update may come
    // through here, and finds them settled.
    for (const std::string& key : hotkeys_.Apply(state_.globalHotkeys && !shutDown_, state_.hotkeys))
        services_.dialogs.ShowError(TextWith(Text(329), key));
}

void TfrmMain::FormDpiChanged(int dpi, const Rect& suggested) {
    dpi_ = dpi;
    state_.guides.SetSizes(GuideSizesAt(dpi));
    Update();
    // A maximised or minimised window has its place from the system, and
    // bounds being restored from the settings are already physical pixels.
    if (!placingWindow_ && view_.State() == WindowState::Normal) {
        view_.SetOuterBounds(suggested);
        Update();
    }
}

void TfrmMain::OnTimer(Timer timer) {
    // A tick of a timer stopped meanwhile may still be on its way.
    if (!sync_.HasShown() || Shown().Timer(timer) == 0) return;
    if (timer == Timer::Refresher) RefresherTimer();
    if (timer == Timer::OnlineCheckTimer) OnlineCheckTimerTimer();
}

void TfrmMain::RefresherTimer() {
    if (magnifier_.Tick()) view_.RepaintView();
    // The refresh timer runs whenever the window shows: it also ends the note.
    statusPanels_.EndNoteIfDue();
    ShowReadout();
}

void TfrmMain::ShowReadout() {
    // A text of another width needs a wider or narrower panel first.
    const StatusTexts texts = StatusToShow();
    if (statusPanels_.Measure(texts, dpi_)) return Update();
    sync_.SendStatus(texts);
}

void TfrmMain::HotkeyPressed(int id) {
    const std::optional<HotkeyAction> action = GlobalHotkeys::ActionOf(id);
    if (!action) return;
    switch (*action) {
        case HotkeyAction::Freeze: return Execute(Command::menuFreeze);
        case HotkeyAction::CopyColor: return Execute(Command::menuCopyColor);
        case HotkeyAction::PinColor: return Execute(Command::menuPinColor);
        case HotkeyAction::Show: return view_.RestoreAndRaise();
        case HotkeyAction::Count: return;
    }
}

void TfrmMain::PauseTimers(bool paused) {
    state_.aboutOpen = paused;
    Update();
}

}  // namespace orvelle
