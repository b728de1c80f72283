#include "app/TfrmMain.h"

#include <exception>

#include "app/MenuTree.h"

namespace orvelle {

TfrmMain::TfrmMain(MainView& view, Services services) : view_(view), services_(std::move(services)) {
    // The window's designed state, as the front-end creates it.
    enabled_.fill(true);
    checked_[Index(Command::menu10X)] = true;
    auto place = [this](Control c, Rect bounds) { controls_[static_cast<std::size_t>(c)] = ControlState{true, bounds}; };
    place(Control::ToolBar1, Rect::FromSize(4, 4, 273, 26));
    place(Control::ToolBar2, Rect::FromSize(277, 4, 304, 26));
    place(Control::Separator2, Rect::FromSize(265, 0, 8, 26));
    place(Control::imgLogo, Rect::FromSize(592, -1, 101, 38));
    place(Control::Panel1, Rect::FromSize(kPanelLeft, 34, 289, 185));
    place(Control::imgZoom, Rect::FromSize(kPanelBevel, kPanelBevel, 285, 181));
    place(Control::StatusBar1, Rect{});
}

void TfrmMain::FormCreate() {
    try {
        view_.SetCaption(std::string(ProductName) + " " + ProgramVersion);
        view_.SetRefresher(true, refreshIntervalMs_);
        refresherEnabled_ = true;
        ReadSettings();
    } catch (const std::exception& e) {
        // The rest of start-up is skipped; the window still opens.
        services_.dialogs.ShowError(e.what());
    }
}

void TfrmMain::FormDestroy() { RunShutdown(); }

bool TfrmMain::QueryEndSession() {
    RunShutdown();
    view_.Close();
    return true;
}

void TfrmMain::RunShutdown() {
    // Runs once per process: after the session-end handler the window's
    // destruction must not write the settings a second time.
    if (shutDown_) return;
    shutDown_ = true;
    if (refresherEnabled_) {
        refresherEnabled_ = false;
        view_.SetRefresher(false, refreshIntervalMs_);
    }
    try {
        WriteSettings();
    } catch (const std::exception& e) {
        services_.dialogs.ShowError(e.what());
    }
}

void TfrmMain::SetChecked(Command item, bool checked) {
    if (checked_[Index(item)] == checked) return;
    checked_[Index(item)] = checked;
    view_.SetChecked(item, checked);
}

void TfrmMain::SetEnabled(Command item, bool enabled) {
    if (enabled_[Index(item)] == enabled) return;
    enabled_[Index(item)] = enabled;
    view_.SetEnabled(item, enabled);
}

void TfrmMain::SetButtonDown(ToolButton button, bool down) {
    auto& state = buttonDown_[static_cast<std::size_t>(button)];
    if (state == down) return;
    state = down;
    view_.SetButtonDown(button, down);
}

void TfrmMain::SetControlVisible(Control control, bool visible) {
    auto& state = controls_[static_cast<std::size_t>(control)];
    if (state.visible == visible) return;
    state.visible = visible;
    view_.SetControlVisible(control, visible);
}

void TfrmMain::SetControlBounds(Control control, const Rect& bounds) {
    auto& state = controls_[static_cast<std::size_t>(control)];
    if (state.bounds == bounds) return;
    state.bounds = bounds;
    view_.SetControlBounds(control, bounds);
}

void TfrmMain::SetStatusText(int panel, const std::string& text) {
    auto& state = statusTexts_[static_cast<std::size_t>(panel)];
    if (state == text) return;
    state = text;
    view_.SetStatusText(panel, text);
}

void TfrmMain::CheckRadio(Command item) {
    Command parent = Command::None;
    for (const MenuEntry& entry : MainMenuEntries())
        if (entry.id == item) parent = entry.parent;
    for (const MenuEntry& entry : MainMenuEntries())
        if (entry.kind == MenuKind::Radio && entry.parent == parent && entry.id != item) SetChecked(entry.id, false);
    SetChecked(item, true);
}

}  // namespace orvelle
