// What the main window's logic asks of the real window. The front-end
// implements it with Win32 controls; tests hand the logic a recording fake.
// Every call describes a change: the logic never repeats a value it already set.
#pragma once

#include <string>

#include "app/Commands.h"
#include "engine/Image.h"

namespace orvelle {

enum class WindowState { Normal, Minimized, Maximized };

class MainView {
public:
    virtual ~MainView() = default;

    // The window itself. Texts are UTF-8.
    virtual void SetCaption(const std::string& caption) = 0;
    virtual Size OuterSize() const = 0;
    virtual Rect OuterBounds() const = 0;  // normal (restored) bounds in screen pixels
    virtual void SetOuterBounds(const Rect& bounds) = 0;  // the window enforces its minimum size
    virtual WindowState State() const = 0;
    virtual void SetMaximized() = 0;
    virtual bool IsVisible() const = 0;
    virtual void SetTopmost(bool topmost) = 0;
    virtual void Close() = 0;

    // Menu items and toolbar buttons.
    virtual void SetChecked(Command item, bool checked) = 0;
    virtual void SetEnabled(Command item, bool enabled) = 0;
    virtual void SetButtonDown(ToolButton button, bool down) = 0;

    // Layout.
    virtual void SetControlVisible(Control control, bool visible) = 0;
    virtual void SetControlBounds(Control control, const Rect& bounds) = 0;  // in the parent's client pixels

    // Toolbar controls.
    virtual void SetZoomPosition(int position) = 0;  // moves the thumb without reporting a change back
    virtual void SetZoomLabel(const std::string& text) = 0;
    virtual void SetGridColorSelection(int colorIndex) = 0;
    // Enables the colour box and the colour submenu; a disabled box shows its text greyed.
    virtual void SetGridColorEnabled(bool enabled) = 0;
    virtual void SetColorMenuImage(int colorIndex) = 0;  // the swatch shown on the colour submenu

    virtual void SetStatusText(int panel, const std::string& text) = 0;

    virtual void FocusPanel() = 0;
    // Paints the view now (not merely invalidates it).
    virtual void RepaintView() = 0;
    virtual void SetRefresher(bool enabled, int intervalMs) = 0;
};

}  // namespace orvelle
