// TfrmMain: the main window's logic, as a router. It holds the one state
// (MainState), turns every event of the real window into a command or a
// component's step, and after each one has the synchroniser show the new
// presentation. The work itself is the components': the magnifier (capture,
// layers, tick), the version check, the settings binding, the launchers and
// the guides' model, each with its own file and tests.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/GlobalHotkeys.h"
#include "app/Launchers.h"
#include "app/Magnifier.h"
#include "app/MainCommands.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "app/Measurement.h"
#include "app/OnlineCheck.h"
#include "app/PictureFiles.h"
#include "app/Presentation.h"
#include "app/Services.h"
#include "app/StatusPanels.h"
#include "app/ViewSync.h"
#include "app/WheelZoom.h"
#include "lang/Languages.h"
#include "web/TfrmAbout.h"
#include "web/WebSites.h"

namespace orvelle {

inline constexpr const char* StartupValueName = "Orvelle";

class TfrmMain : private AboutHost {
public:
    TfrmMain(MainView& view, Services services);

    // Life cycle.
    void FormCreate();
    // Right after FormCreate: the about window is made, and on a first run
    // (no settings file yet) shown at once, before the main window.
    void CreateAboutWindow();
    void FormDestroy();
    // WM_QUERYENDSESSION: shuts down at once and lets the session end.
    bool QueryEndSession();

    // Events forwarded by the window.
    void Execute(Command command);
    // A toolbar button was clicked; `down` is the state it has put itself in.
    void ToolButtonClick(ToolButton button, bool down);
    void ZoomTrackChanged(int position);  // the user moved tbZoom
    void cbGridChange(int colorIndex);
    void imgLogoClick() { Execute(Command::menuKvOnline); }
    void imgLogoDblClick() { Execute(Command::menuKvOnline); }
    void FormResize() { Update(); }
    // WM_DPICHANGED: the window now has `dpi`, and the system suggests `suggested` as its bounds.
    void FormDpiChanged(int dpi, const Rect& suggested);
    void OnTimer(Timer timer);
    // WM_WINDOWPOSCHANGING: the position the window will take instead of `proposed`.
    Point AdjustWindowPosition(Point proposed, Size windowSize);
    // Paints the part `area` of the view; `target` is the whole view.
    void PaintView(ImageRef target, const Rect& area) const { magnifier_.Paint(target, area); }
    // Mouse events of a guide's line or handle. The pointer is read from the
    // screen at each one; a press with any button starts a drag.
    void GuideMouseDown(GuidePart part);
    void GuideMouseMove(GuidePart part);
    void GuideMouseUp(GuidePart part);
    void GuideDblClick(GuidePart part);
    // An arrow key while the window has the focus: the pointer moves one
    // screen pixel that way (`dx`, `dy` each -1, 0 or 1), z pixels with Shift.
    void NudgePointer(int dx, int dy, bool shift);
    // A wheel turn of `delta` (120 a notch, positive away from the user). It
    // zooms when the pointer is over the view, or anywhere with Ctrl held;
    // false when it was not for the magnification.
    bool FormMouseWheel(int delta, bool overView, bool ctrl);
    // A key press while the window has the focus; true when it was Ctrl with
    // plus or minus, which step the level as a wheel notch does.
    bool FormZoomKey(int key, bool ctrl, bool alt);
    void RefresherTimer();
    // WM_HOTKEY: a global hotkey of ours was pressed, wherever the focus is.
    void HotkeyPressed(int id);

    // What the logic holds, what the window shows, and the picture.
    const MainState& State() const { return state_; }
    const Presentation& Shown() const { return sync_.Shown(); }
    // The presentation of the state as it is now, whether sent or not.
    Presentation Present() const;
    const Magnifier& Picture() const { return magnifier_; }
    // The status texts: the magnifier's, the guides' rectangle and the note.
    StatusTexts StatusToShow() const;
    // Text `number` in the chosen language.
    std::string Text(int number) const override;
    const Languages& LoadedLanguages() const { return languages_; }
    // The menu items of the loaded languages, in the order of LoadedLanguages().
    const std::vector<Command>& LanguageItems() const { return languageCommands_; }
    const WebHosts& Hosts() const { return hosts_; }
    const std::string& RulerPath() const { return launchers_.RulerPath(); }
    bool OnlineCheckByUser() const { return check_.ByUser(); }
    bool HasShutDown() const { return shutDown_; }

private:
    // Shows the state: the presentation through the synchroniser, the
    // picture's part to the magnifier, and the guides fitted to the view.
    void Update();
    void ShowState();
    void ShowReadout();
    // Registers or releases the global hotkeys as the state asks, reporting
    // the keys another program holds.
    void ApplyHotkeys();
    // A passing note in the last status panel, for a few seconds.
    void ShowNote(const std::string& text);
    PresentationInputs Inputs() const;
    // Commands: the state's change, then what reaches beyond it.
    void RunEffects(Command command, const MainState& before);
    void menuCopyClick();
    void menuCopyColorClick();
    void menuSaveAsClick(bool asSeen);
    void menuQuickSaveClick();
    void menuCopyMeasurementClick();
    // The view as the window shows it: grid, marker, square, way of seeing and guides.
    TBitmap32 PictureAsSeen() const;
    // The rectangle between the guides and the DPI of the monitor magnified.
    std::optional<GuideRectangle> GuideRectangleNow() const;
    int MagnifiedMonitorDpi() const;
    void menuPinColorClick();
    void menuCopyContrastClick();
    void menuColorTemplateClick();
    void CopyRecentColor(int index);
    void menuAutostartClick();
    void menuCheckNowClick(bool byUser);
    void OnlineCheckTimerTimer();
    int Ask(int message, std::initializer_list<int> buttons, IconKind icon);
    void ReportFailure(const Outcome& outcome);

    // Start-up and shutdown.
    void BuildLanguages();
    void ReadSettings();
    void PlaceWindow(const Rect& requested);
    void RunShutdown();
    Outcome WriteSettings();

    // Steps the level `notches` times as the level items do.
    void StepZoom(int notches);
    // The guides' tooltip while one is dragged.
    void ShowGuideTip(Point pointer);

    // What the about window uses of this one, besides Text.
    void PauseTimers(bool paused) override;
    bool RunHelpTopic(const std::string& topic) override { return launchers_.ShowHelpTopic(topic); }

    MainView& view_;
    Services services_;
    MainState state_;
    ViewSync sync_;
    Magnifier magnifier_;
    OnlineCheck check_;
    Launchers launchers_;
    PictureFiles pictureFiles_;
    GlobalHotkeys hotkeys_;
    StatusPanels statusPanels_;
    TfrmAbout about_{*this};

    Languages languages_;
    std::vector<LanguageItem> languageItems_;
    std::vector<Command> languageCommands_;
    std::vector<std::string> languageNames_;
    std::vector<const TBitmap32*> flags_;
    WebHosts hosts_;
    FetchLimits fetchLimits_;
    // The texts of the chosen language, fetched once each: a presentation asks for them all.
    mutable std::unordered_map<int, std::string> texts_;
    mutable std::string textsLanguage_;

    int dpi_ = 96;
    std::optional<GuideTip> guideTip_;
    WheelTurns wheelTurns_;
    bool firstRun_ = false;
    bool settingsMayWrite_ = false;  // only once they have been read, and read whole
    bool shutDown_ = false;
    bool updating_ = false;
    bool updateAgain_ = false;
    // While the stored bounds are applied, a change of monitor must not swap
    // them for the system's suggestion: they are already the right physical size.
    bool placingWindow_ = false;
};

}  // namespace orvelle
