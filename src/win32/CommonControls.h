// Thin wrappers of standard controls: a creation-arguments struct and one-line
// setters. They hold no state of their own beyond the window handle.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>

#include "Owned.h"
#include "engine/Image.h"

namespace orvelle::win32 {

inline HMENU ChildId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }
inline void SetFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
// Moves and sizes a child without copying its old pixels: a sibling moved just
// before may have covered them, and the copy would carry its picture along.
inline void SetChildBounds(HWND control, const Rect& bounds) {
    SetWindowPos(control, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

struct TrackBarArgs {
    HWND parent = nullptr;
    int id = 0;
    int minimum = 0;
    int maximum = 0;
};

// A horizontal track bar without tick marks, left out of the tab order.
class TrackBar {
public:
    bool Create(const TrackBarArgs& args);
    HWND Handle() const { return hwnd_; }
    // Setting the position does not report a change back.
    void SetPosition(int position) { SendMessageW(hwnd_, TBM_SETPOS, TRUE, position); }
    int Position() const { return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)); }
    void SetThumbLength(int length) { SendMessageW(hwnd_, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(length), 0); }

private:
    HWND hwnd_ = nullptr;
};

// Centred one-line text. It takes mouse messages, so a hint can be shown over it.
class Label {
public:
    bool Create(HWND parent, int id);
    HWND Handle() const { return hwnd_; }
    void SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }

private:
    HWND hwnd_ = nullptr;
};

// A status bar whose place the logic sets, not the control itself.
class StatusBar {
public:
    bool Create(HWND parent, int id);
    HWND Handle() const { return hwnd_; }
    void SetParts(std::span<const int> widths);
    // A leading tab centres a part's text.
    void SetCenteredText(int part, const std::wstring& text) {
        SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>((L"\t" + text).c_str()));
    }

private:
    HWND hwnd_ = nullptr;
};

// Shows `text` as the hint of `control` in the tooltip window `tips`, adding
// the control the first time; `owner` is the window whose tools the tooltip tracks.
void SetControlTool(HWND tips, HWND owner, HWND control, const std::wstring& text);

// The size `text` takes drawn in the DC's font, on one line or broken at its line breaks.
SIZE DrawnTextSize(HDC dc, const std::wstring& text, bool multiLine);

// A tooltip window of its own, for controls that are not on a toolbar.
class Tooltip {
public:
    bool Create(HWND owner);
    void SetTool(HWND control, const std::wstring& text) { SetControlTool(hwnd_.get(), owner_, control, text); }
    // A hint for the part `area` (client pixels) of `window`, tool `id` of that window.
    void SetAreaTool(HWND window, UINT_PTR id, const RECT& area, const std::wstring& text);

private:
    OwnedWindow hwnd_;
    HWND owner_ = nullptr;
};

// A tooltip that the program places and shows itself, for as long as it
// wants: beside something being dragged, for instance.
class TrackingTip {
public:
    bool Create(HWND owner);
    // Shows `text` (lines divided by "\r\n") with its top-left corner at the screen point `at`.
    void Show(const std::wstring& text, POINT at);
    void Hide();
    HWND Handle() const { return hwnd_.get(); }

private:
    TOOLINFOW Tool();

    OwnedWindow hwnd_;
    HWND owner_ = nullptr;
    bool active_ = false;
};

}  // namespace orvelle::win32
