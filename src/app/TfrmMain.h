// TfrmMain: the main window's logic. It owns the window's state (check marks,
// button states, hints, layout, zoom, the capture buffer and the overlay
// layers) and runs every handler; the real window only forwards events here
// and shows what this class tells its MainView. Subsystems of their own (the
// menu's state, and those still to come) are components that it owns and
// routes events to.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CaptionTable.h"
#include "app/CapturePolicy.h"
#include "app/Commands.h"
#include "app/MainView.h"
#include "app/MenuModel.h"
#include "app/Services.h"
#include "app/WheelZoom.h"
#include "engine/Bitmap32.h"
#include "engine/GridLayer.h"
#include "engine/LastPaintedFrame.h"
#include "engine/MarkerLayer.h"
#include "engine/StretchFilter.h"
#include "engine/ZoomGeometry.h"
#include "guides/MeasuringGuides.h"
#include "lang/Languages.h"
#include "web/Product.h"
#include "web/TfrmAbout.h"
#include "web/VersionCheck.h"
#include "web/WebSites.h"

namespace orvelle {

class ProfileFile;

inline constexpr const char* StartupValueName = "Orvelle";

constexpr int kStatusPanelCount = 7;
// The panel of the pointer pixel's colour as "#RRGGBB", right of the frequency.
constexpr int kColorStatusPanel = 6;
constexpr int kDesignedZoom = 10;
constexpr int kDesignedRefreshMs = 20;

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
    void imgLogoClick();
    void imgLogoDblClick();
    void FormResize();
    // WM_DPICHANGED: the window now has `dpi`, and the system suggests `suggested` as its bounds.
    void FormDpiChanged(int dpi, const Rect& suggested);
    void OnTimer(Timer timer);
    // WM_WINDOWPOSCHANGING: the position the window will take instead of `proposed`.
    Point AdjustWindowPosition(Point proposed, Size windowSize);
    // Paints the part `area` of the view; `target` is the whole view.
    void PaintView(ImageRef target, const Rect& area) const;
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

    // Handlers named after their controls.
    void tbZoomChange();
    void SetZoomBitmapSize();
    void SetSmoothing();
    void DrawGrid();
    void RefresherTimer();
    // Capture, readout and view for the pointer where it is now; every tick runs it.
    void RefreshView();
    void SetLanguage();
    void menuAnyLangClick(Command item);
    void menuMoreClick();
    void menuShowHelpClick();
    void menuCheckNowClick();
    void OnlineCheckTimerTimer();
    void menuRulerClick();
    void menuAboutClick();
    void menuCopyClick();
    void menuCopyColorClick();
    void menuSaveAsClick();

    // State, as the menu's check marks and the controls hold it.
    const MenuModel& Menu() const { return menu_; }
    bool Checked(Command item) const { return menu_.Checked(item); }
    bool Enabled(Command item) const { return menu_.Enabled(item); }
    bool ButtonDown(ToolButton b) const { return buttonDown_[static_cast<std::size_t>(b)]; }
    const std::string& Hint(HintTarget t) const { return hints_[static_cast<std::size_t>(t)]; }
    bool ControlVisible(Control c) const { return controls_[static_cast<std::size_t>(c)].visible; }
    const Rect& ControlBounds(Control c) const { return controls_[static_cast<std::size_t>(c)].bounds; }
    int Dpi() const { return dpi_; }
    Size MinimumSize() const { return minimumSize_; }
    int Zoom() const { return zoom_; }
    const std::string& ZoomLabel() const { return zoomLabel_; }
    int RefreshIntervalMs() const { return refreshIntervalMs_; }
    int TimerInterval(Timer t) const { return timerIntervals_[static_cast<std::size_t>(t)]; }  // 0: stopped
    int GridColorIndex() const { return gridColorIndex_; }
    bool GridColorEnabled() const { return gridColorEnabled_; }
    const std::vector<int>& StatusPanels() const { return statusPanels_; }
    const std::string& StatusText(int panel) const { return statusTexts_[static_cast<std::size_t>(panel)]; }
    const TBitmap32& CaptureBuffer() const { return capture_; }
    const GridLayer& Grid() const { return grid_; }
    const MarkerLayer& Marker() const { return marker_; }
    Point CaptureOrigin() const { return captureOrigin_; }
    bool HasShutDown() const { return shutDown_; }
    const std::string& CurrentLanguage() const { return currentLanguage_; }
    // Text `number` in the chosen language, fetched afresh at each call.
    std::string Text(int number) const override;
    const Languages& LoadedLanguages() const { return languages_; }
    // The menu items of the loaded languages, in the order of LoadedLanguages().
    const std::vector<Command>& LanguageItems() const { return languageItems_; }
    const WebHosts& Hosts() const { return hosts_; }
    const std::string& RulerPath() const { return rulerPath_; }
    bool OnlineCheckByUser() const { return onlineCheckByUser_; }
    std::string OnlineCheckAnswer() const { return onlineCheckResult_->Get(); }
    const MeasuringGuides& Guides() const { return guides_; }
    const std::string& SaveDialogTitle() const { return saveDialogTitle_; }
    // The enlarged picture as the view shows it, without grid, marker or guides.
    TBitmap32 ExportPicture() const;

private:
    struct ControlState {
        bool visible = true;
        Rect bounds;
    };

    // Start-up.
    void ShowDesignedState();
    void BuildLanguageMenu();
    void BuildColorMenu();

    // Setters that tell the view only what changed.
    void SetChecked(Command item, bool checked) { menu_.SetChecked(item, checked); }
    void SetButtonDown(ToolButton button, bool down);
    void SetHint(HintTarget target, const std::string& text);
    void SetControlVisible(Control control, bool visible);
    void SetControlBounds(Control control, const Rect& bounds);
    void SetMinimumSize(Size size);
    void SetStatusPanels();
    void SetStatusText(int panel, const std::string& text);
    void StartTimer(Timer timer, int intervalMs);
    void StopTimer(Timer timer);

    // Commands.
    void ToggleWithMirror(Command item, ToolButton twin);
    void menuPreciseClick();
    void menuSmoothClick();
    void SetZoomPosition(int position);
    void SetRefreshInterval(Command item, int intervalMs);
    void menuShowGridClick();
    void menuRasteredClick();
    void menuColorItemClick(int colorIndex);
    void SelectGridColor(int colorIndex);
    void menuOnTopClick();
    // Tells the window whether copies of the screen leave it out, where the
    // system can say so safely and the answer has changed.
    void ShowCaptureExclusion();
    void menuAutostartClick();
    // The grid after a change of its own, shown at once rather than at the next tick.
    void RedrawGrid();
    GridState CurrentGridState() const;

    // Settings file.
    void ReadRulerPath();
    void ReadSettings();
    void ChooseStartupLanguage(const std::string& stored);
    void ReadWebHosts(const ProfileFile& file);
    void PlaceWindow(const Rect& requested);
    void WriteSettings();

    void RunShutdown();

    // The two launch actions every page and help request goes through.
    void actBrowse(const std::string& url);
    // False when the viewer did not start; the error has been shown.
    bool actRunHelp(const std::string& parameters);
    void OpenWebLink(WebSite site);
    // Asks through the program's own dialog, in the chosen language.
    int Ask(int message, std::initializer_list<int> buttons, IconKind icon);

    // What the about window uses of this one, besides Text.
    TimerStates Timers() const override;
    void SetTimers(TimerStates states) override;
    bool RunHelpTopic(const std::string& topic) override;
    void SendSupportMail(SupportMail mail);

    // The guides' bounds, told to the view where they changed.
    void ShowGuides();
    // The tooltip beside the guide being dragged, or none when no drag is under way.
    void ShowGuideTip(Point pointer);
    void HideGuideTip();
    // Reports a failed export in a message box; the program goes on.
    void ReportFailure(const Outcome& outcome);

    MainView& view_;
    Services services_;
    MenuModel menu_;

    std::array<bool, static_cast<std::size_t>(ToolButton::Count)> buttonDown_{};
    std::array<std::string, static_cast<std::size_t>(HintTarget::Count)> hints_{};
    std::array<ControlState, static_cast<std::size_t>(Control::Count)> controls_{};
    std::array<int, static_cast<std::size_t>(Timer::Count)> timerIntervals_{};
    std::array<std::string, kStatusPanelCount> statusTexts_{};
    std::vector<int> statusPanels_;

    int dpi_ = 96;
    Size minimumSize_;
    int panelTop_ = 0;
    int zoom_ = kDesignedZoom;
    std::string zoomLabel_;
    int refreshIntervalMs_ = kDesignedRefreshMs;
    int gridColorIndex_ = 0;
    bool gridColorEnabled_ = true;
    std::string currentLanguage_ = kEnglishLanguageName;
    Languages languages_;
    std::vector<Command> languageItems_;
    int menuPictureCount_ = kDesignedMenuPictureCount;
    WebHosts hosts_;
    FetchLimits fetchLimits_;
    std::string rulerPath_;
    // Shared with the version check's worker, which may outlive the window.
    std::shared_ptr<OnlineCheckResult> onlineCheckResult_ = std::make_shared<OnlineCheckResult>();
    bool onlineCheckByUser_ = false;
    bool firstRun_ = false;
    TfrmAbout about_{*this};
    std::string saveDialogTitle_;
    bool settingsRead_ = false;
    // While the stored bounds are applied, a change of monitor must not swap
    // them for the system's suggestion: they are already the right physical size.
    bool placingWindow_ = false;

    MeasuringGuides guides_;
    bool guideTipShown_ = false;
    WheelTurns wheelTurns_;
    TBitmap32 capture_;
    GridLayer grid_;      // drawn when something it shows changes, never per tick
    MarkerLayer marker_;  // moved on every live tick
    LastPaintedFrame paintedFrame_;  // a tick that would paint the same pixels again does not
    Point captureOrigin_;  // screen position of the buffer's (0, 0) at the last capture
    std::optional<std::int64_t> lastRefreshMs_;  // of the steady clock, at the last tick
    bool shutDown_ = false;
    DisplayAffinity shownAffinity_ = DisplayAffinity::Unchanged;
};

}  // namespace orvelle
