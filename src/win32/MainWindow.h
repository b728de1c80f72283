// The main window: creates the controls of the design and translates window
// messages into calls of the logic (TfrmMain), which drives the window back
// through the MainView interface. No decisions are taken here.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "BaseWindow.h"
#include "ColorBox.h"
#include "CommonControls.h"
#include "LogoWindow.h"
#include "MainMenu.h"
#include "PanelWindow.h"
#include "ToolBar.h"
#include "ViewWindow.h"
#include "app/MainView.h"

namespace orvelle {
class TfrmMain;
}

namespace orvelle::win32 {

class MainWindow : public BaseWindow<MainWindow>, public MainView {
public:
    MainWindow() = default;
    ~MainWindow() override;

    // Creates the window hidden, with every control in its designed state.
    bool Create();
    // From here on the window's events reach the logic.
    void ConnectLogic(TfrmMain& logic) { logic_ = &logic; }
    // Shows the window for the first time, maximised when the logic asked so.
    void Show(int showCommand);
    HACCEL Accelerators() const { return menu_.Accelerators(); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // MainView.
    void SetCaption(const std::string& caption) override;
    Size OuterSize() const override;
    Rect OuterBounds() const override;
    void SetOuterBounds(const Rect& bounds) override;
    WindowState State() const override;
    void SetMaximized() override;
    bool IsVisible() const override;
    void SetTopmost(bool topmost) override;
    void Close() override;
    void SetChecked(Command item, bool checked) override;
    void SetEnabled(Command item, bool enabled) override;
    void SetButtonDown(ToolButton button, bool down) override;
    void SetControlVisible(Control control, bool visible) override;
    void SetControlBounds(Control control, const Rect& bounds) override;
    void SetZoomPosition(int position) override;
    void SetZoomLabel(const std::string& text) override;
    void SetGridColorSelection(int colorIndex) override;
    void SetGridColorEnabled(bool enabled) override;
    void SetColorMenuImage(int colorIndex) override;
    void SetStatusText(int panel, const std::string& text) override;
    void FocusPanel() override;
    void RepaintView() override;
    void SetRefresher(bool enabled, int intervalMs) override;

private:
    void CreateFonts();
    void CreateToolBars();
    void CreateHints();
    void OnCommand(int id, int code, HWND from);
    LRESULT OnNotify(NMHDR& header);
    void OnWindowPosChanging(WINDOWPOS& position);
    HWND ControlHandle(Control control) const;
    ToolBar& ToolBarOf(ToolButton button);

    TfrmMain* logic_ = nullptr;
    bool showMaximized_ = false;  // asked for while still hidden

    HFONT controlFont_ = nullptr;
    HFONT colorBoxFont_ = nullptr;
    HIMAGELIST toolImages_ = nullptr;
    MainMenu menu_;
    ToolBar toolBar1_;
    ToolBar toolBar2_;
    TrackBar zoomTrack_;
    Label zoomLabel_;
    ColorBox gridColor_;
    LogoWindow logo_;
    PanelWindow panel_;
    ViewWindow view_;
    StatusBar statusBar_;
    Tooltip logoHint_;
};

}  // namespace orvelle::win32
