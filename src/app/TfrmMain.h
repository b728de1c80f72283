// TfrmMain: the main window's logic. It owns the window's state (check marks,
// button states, layout, zoom, the capture buffer and the overlay layers) and
// runs every handler; the real window only forwards events here and shows
// what this class tells its MainView.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/Commands.h"
#include "app/MainView.h"
#include "app/Services.h"
#include "engine/Bitmap32.h"
#include "engine/GridLayer.h"
#include "engine/MarkerLayer.h"
#include "engine/StretchFilter.h"
#include "engine/ZoomGeometry.h"

namespace orvelle {

inline constexpr const char* ProductName = "Orvelle";
inline constexpr const char* ProgramVersion = "3.28";
inline constexpr const char* StartupValueName = "Orvelle";

constexpr int kStatusPanelCount = 6;
constexpr int kDesignedZoom = 10;
constexpr int kDesignedRefreshMs = 20;

class TfrmMain {
public:
    TfrmMain(MainView& view, Services services);

    // Life cycle.
    void FormCreate();
    void FormDestroy();
    // WM_QUERYENDSESSION: shuts down at once and lets the session end.
    bool QueryEndSession();

    // Events forwarded by the window.
    void Execute(Command command);
    void ToolButtonClick(ToolButton button);
    void ZoomTrackChanged(int position);  // the user moved tbZoom
    void cbGridChange(int colorIndex);
    void FormResize();
    void RefresherTimer();
    // WM_WINDOWPOSCHANGING: the position the window will take instead of `proposed`.
    Point AdjustWindowPosition(Point proposed, Size windowSize);
    // Paints the part `area` of the view; `target` is the whole view.
    void PaintView(ImageRef target, const Rect& area) const;

    // Handlers named after their controls.
    void tbZoomChange();
    void SetZoomBitmapSize();
    void SetSmoothing();
    void DrawGrid();

    // State, as the menu's check marks and the controls hold it.
    bool Checked(Command item) const { return checked_[Index(item)]; }
    bool Enabled(Command item) const { return enabled_[Index(item)]; }
    bool ButtonDown(ToolButton b) const { return buttonDown_[static_cast<std::size_t>(b)]; }
    bool ControlVisible(Control c) const { return controls_[static_cast<std::size_t>(c)].visible; }
    const Rect& ControlBounds(Control c) const { return controls_[static_cast<std::size_t>(c)].bounds; }
    int Zoom() const { return zoom_; }
    int RefreshIntervalMs() const { return refreshIntervalMs_; }
    int GridColorIndex() const { return gridColorIndex_; }
    const std::string& StatusText(int panel) const { return statusTexts_[static_cast<std::size_t>(panel)]; }
    const TBitmap32& CaptureBuffer() const { return capture_; }
    const GridLayer& Grid() const { return grid_; }
    const MarkerLayer& Marker() const { return marker_; }
    Point CaptureOrigin() const { return captureOrigin_; }
    bool HasShutDown() const { return shutDown_; }
    const std::string& CurrentLanguage() const { return currentLanguage_; }

private:
    struct ControlState {
        bool visible = true;
        Rect bounds;
    };
    static std::size_t Index(Command c) { return static_cast<std::size_t>(c); }

    // Setters that tell the view only what changed.
    void SetChecked(Command item, bool checked);
    void SetEnabled(Command item, bool enabled);
    void SetButtonDown(ToolButton button, bool down);
    void SetControlVisible(Control control, bool visible);
    void SetControlBounds(Control control, const Rect& bounds);
    void SetStatusText(int panel, const std::string& text);
    void CheckRadio(Command item);  // clears the other items of its radio group

    // Commands.
    void ToggleWithMirror(Command item, ToolButton twin);
    void menuPreciseClick();
    void menuSmoothClick();
    void SetZoomPosition(int position);
    void SetRefreshInterval(Command item, int intervalMs);
    void menuRasteredClick();
    void menuColorItemClick(int colorIndex);
    void SelectGridColor(int colorIndex);
    void menuOnTopClick();
    void menuAutostartClick();

    // Settings file.
    void ReadSettings();
    void PlaceWindow(const Rect& requested);
    void WriteSettings();

    void RunShutdown();

    MainView& view_;
    Services services_;

    std::array<bool, kCommandCount> checked_{};
    std::array<bool, kCommandCount> enabled_{};
    std::array<bool, static_cast<std::size_t>(ToolButton::Count)> buttonDown_{};
    std::array<ControlState, static_cast<std::size_t>(Control::Count)> controls_{};
    std::array<std::string, kStatusPanelCount> statusTexts_{};

    int zoom_ = kDesignedZoom;
    int refreshIntervalMs_ = kDesignedRefreshMs;
    int gridColorIndex_ = 0;
    int colorMenuImage_ = -1;
    std::string currentLanguage_ = "EN";
    bool settingsRead_ = false;
    bool refresherEnabled_ = false;

    TBitmap32 capture_;
    GridLayer grid_;      // drawn when something it shows changes, never per tick
    MarkerLayer marker_;  // redrawn on every live tick
    Point captureOrigin_;  // screen position of the buffer's (0, 0) at the last capture
    std::int64_t lastRefreshMs_ = 0;
    bool shutDown_ = false;
};

}  // namespace orvelle
