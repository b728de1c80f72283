// The main window: creates the controls of the design and translates window
// messages into calls of the logic (TfrmMain), which drives the window back
// through the MainView interface. No decisions are taken here.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "BaseWindow.h"
#include <array>
#include <optional>

#include "ColorBox.h"
#include "CommonControls.h"
#include "GuideWindow.h"
#include "LogoWindow.h"
#include "MainMenu.h"
#include "Owned.h"
#include "PanelWindow.h"
#include "ToolBar.h"
#include "ViewWindow.h"
#include "app/MainView.h"
#include "app/Presentation.h"

namespace orvelle {
class TfrmMain;
}

namespace orvelle::win32 {

class MainWindow : public BaseWindow<MainWindow>, public MainView {
public:
    MainWindow() = default;
    ~MainWindow() override;

    // Creates the window hidden, with its controls; the logic gives them
    // their designed state when it starts.
    bool Create();
    // From here on the window's events reach the logic.
    void ConnectLogic(TfrmMain& logic) { logic_ = &logic; }
    // Shows the window for the first time, maximised when the logic asked so.
    void Show(int showCommand);
    HACCEL Accelerators() { return menu_.Accelerators(); }
    // Before the message loop dispatches `message`: the arrow keys and the
    // wheel that the logic takes for itself. True when it took the message.
    bool PreTranslate(const MSG& message);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // MainView.
    void SetCaption(const std::string& caption) override;
    int Dpi() const override;
    void SetScale(int dpi) override;
    Size OuterSize() const override;
    Size ClientSize() const override;
    Rect OuterBounds() const override;
    void SetOuterBounds(const Rect& bounds) override;
    void SetClientSize(Size size) override;
    void SetMinimumSize(Size outer) override;
    WindowState State() const override;
    void SetMaximized() override;
    bool IsVisible() const override;
    void SetTopmost(bool topmost) override;
    void SetExcludedFromCapture(bool excluded) override;
    void Close() override;
    void InsertMenuItem(const MenuItem& item, Command before) override;
    void SetMenuCaption(Command item, const std::string& caption) override;
    void SetChecked(Command item, bool checked) override;
    void SetEnabled(Command item, bool enabled) override;
    void SetMenuImage(Command item, const MenuImage& image) override;
    void AddMenuPicture(const TBitmap32& picture) override;
    void SetButtonDown(ToolButton button, bool down) override;
    void SetHint(HintTarget target, const std::string& text) override;
    void SetControlVisible(Control control, bool visible) override;
    void SetControlBounds(Control control, const Rect& bounds) override;
    void SetZoomPosition(int position) override;
    void SetZoomLabel(const std::string& text) override;
    void SetGridColorSelection(int colorIndex) override;
    void SetGridColorEnabled(bool enabled) override;
    void SetStatusPanels(std::span<const int> widths) override;
    void SetStatusText(int panel, const std::string& text) override;
    void SetStatusSwatch(int panel, std::optional<Pixel> color) override;
    int StatusTextWidth(const std::string& text) const override;
    void ShowGuideTip(const std::string& text, Point pointer) override;
    void HideGuideTip() override;
    void FocusPanel() override;
    void RepaintView() override;
    void StartTimer(Timer timer, int intervalMs) override;
    void StopTimer(Timer timer) override;
    void PaintGuides(ImageRef view) const override;
    void RestoreAndRaise() override;

private:
    void OnCommand(int id, int code, HWND from);
    LRESULT OnNotify(NMHDR& header);
    void OnWindowPosChanging(WINDOWPOS& position);
    HWND ControlHandle(Control control) const;
    ToolBar& ToolBarOf(ToolButton button);
    void CreateGuides();
    void OnGuideEvent(GuidePart part, GuideEvent event);
    // The lines' bars and the handles' framed pictures at the window's scale, in the system's colours.
    void MakeGuidePictures(int dpi);
    bool OnArrowKey(const MSG& message);
    bool OnMouseWheel(const MSG& message);
    // The panels' hints follow their places in the status bar.
    void PlacePanelHints();
    void ShowStatusText(int panel);

    TfrmMain* logic_ = nullptr;
    bool showMaximized_ = false;  // asked for while still hidden
    Size minimumSize_;
    Size clientSize_;  // of the restored window, kept while it is minimised
    int scaleDpi_ = USER_DEFAULT_SCREEN_DPI;

    OwnedFont controlFont_;
    OwnedFont colorBoxFont_;
    OwnedImageList toolImages_;
    MainMenu menu_;
    ToolBar toolBar1_;
    ToolBar toolBar2_;
    TrackBar zoomTrack_;
    Label zoomLabel_;
    ColorBox gridColor_;
    LogoWindow logo_;
    PanelWindow panel_;
    ViewWindow view_;
    std::array<GuideWindow, kGuidePartCount> guides_;
    StatusBar statusBar_;
    Tooltip logoHint_;
    Tooltip statusHint_;
    // The status bar shows only the panels with a width: each panel's part,
    // -1 while hidden, and its text and hint, put back when the parts change.
    std::array<int, kStatusPanelCount> statusPart_ = [] {
        std::array<int, kStatusPanelCount> none;
        none.fill(-1);
        return none;
    }();
    std::array<std::wstring, kStatusPanelCount> statusTexts_;
    std::array<std::wstring, kStatusPanelCount> statusHints_;
    std::optional<Pixel> swatch_;  // the contrast panel's pinned colour,
    OwnedIcon swatchIcon_;          // and its icon there
    TrackingTip guideTip_;
};

}  // namespace orvelle::win32
