// What the main window's logic asks of the real window. The front-end
// implements it with Win32 controls; tests hand the logic a recording fake.
// Every call describes a change: the logic never repeats a value it already
// set. Sizes and places are physical pixels; texts are UTF-8.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "app/Commands.h"
#include "app/MenuTree.h"
#include "engine/Bitmap32.h"
#include "engine/Image.h"

namespace orvelle {

enum class WindowState { Normal, Minimized, Maximized };

class MainView {
public:
    virtual ~MainView() = default;

    // The window itself.
    virtual void SetCaption(const std::string& caption) = 0;
    // The DPI of the monitor the window is on, as the system reports it.
    virtual int Dpi() const = 0;
    // Fonts, pictures and the insides of the toolbars for `dpi`; the logic
    // places the controls afterwards.
    virtual void SetScale(int dpi) = 0;
    virtual Size OuterSize() const = 0;   // of the restored window while it is minimised
    virtual Size ClientSize() const = 0;  // likewise
    virtual Rect OuterBounds() const = 0;  // normal (restored) bounds in screen pixels
    // The system keeps the size within the minimum, as for a drag of the frame.
    virtual void SetOuterBounds(const Rect& bounds) = 0;
    virtual void SetClientSize(Size size) = 0;  // keeps the window's place
    virtual void SetMinimumSize(Size outer) = 0;
    virtual WindowState State() const = 0;
    virtual void SetMaximized() = 0;
    virtual bool IsVisible() const = 0;
    virtual void SetTopmost(bool topmost) = 0;
    // Whether copies of the screen leave the window out; a system that
    // refuses keeps the window as it was, and nothing else changes.
    virtual void SetExcludedFromCapture(bool excluded) = 0;
    virtual void Close() = 0;

    // The menu. An item goes before `before` in its submenu, or at its end for Command::None.
    virtual void InsertMenuItem(const MenuItem& item, Command before) = 0;
    virtual void SetMenuCaption(Command item, const std::string& caption) = 0;
    virtual void SetChecked(Command item, bool checked) = 0;
    virtual void SetEnabled(Command item, bool enabled) = 0;
    virtual void SetMenuImage(Command item, const MenuImage& image) = 0;
    // Appends a picture (straight alpha, any size: it is shown at the menu's
    // picture size) to the menu's pictures; the first one appended takes the
    // index kDesignedMenuPictureCount.
    virtual void AddMenuPicture(const TBitmap32& picture) = 0;

    // Toolbar buttons and hints.
    virtual void SetButtonDown(ToolButton button, bool down) = 0;
    virtual void SetHint(HintTarget target, const std::string& text) = 0;

    // Layout, in the parent's client pixels.
    virtual void SetControlVisible(Control control, bool visible) = 0;
    virtual void SetControlBounds(Control control, const Rect& bounds) = 0;

    // Toolbar controls.
    virtual void SetZoomPosition(int position) = 0;  // moves the thumb without reporting a change back
    virtual void SetZoomLabel(const std::string& text) = 0;
    virtual void SetGridColorSelection(int colorIndex) = 0;
    // A disabled colour box shows its text greyed.
    virtual void SetGridColorEnabled(bool enabled) = 0;

    // The status bar's panels from left to right, and their texts.
    virtual void SetStatusPanels(std::span<const int> widths) = 0;
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    // A square of `color` at the start of a panel, or none.
    virtual void SetStatusSwatch(int panel, std::optional<Pixel> color) = 0;
    // How wide `text` is in the status bar's font, in physical pixels.
    virtual int StatusTextWidth(const std::string& text) const = 0;

    // The tooltip beside a dragged guide, its text on one or more lines
    // ("\r\n" between them), near the pointer at the screen point `pointer`.
    virtual void ShowGuideTip(const std::string& text, Point pointer) = 0;
    virtual void HideGuideTip() = 0;

    virtual void FocusPanel() = 0;
    // Paints the view now (not merely invalidates it).
    virtual void RepaintView() = 0;
    // Draws the guides' lines and handles over `view`, the whole view, as
    // they show over it, for a picture of the view as seen.
    virtual void PaintGuides(ImageRef view) const = 0;
    // Shows the window restored if it was minimised, and brings it to the front.
    virtual void RestoreAndRaise() = 0;

    // A timer that is started again takes the new interval.
    virtual void StartTimer(Timer timer, int intervalMs) = 0;
    virtual void StopTimer(Timer timer) = 0;
};

}  // namespace orvelle
