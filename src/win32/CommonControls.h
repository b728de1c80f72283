// Thin wrappers of standard controls: a creation-arguments struct and one-line
// setters. They hold no state of their own beyond the window handle.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>

#include "engine/Image.h"

namespace orvelle::win32 {

inline HMENU ChildId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }
inline void SetFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

struct TrackBarArgs {
    HWND parent = nullptr;
    int id = 0;
    Rect bounds;
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    int thumbLength = 0;
};

// A horizontal track bar without tick marks, left out of the tab order.
class TrackBar {
public:
    bool Create(const TrackBarArgs& args);
    HWND Handle() const { return hwnd_; }
    // Setting the position does not report a change back.
    void SetPosition(int position) { SendMessageW(hwnd_, TBM_SETPOS, TRUE, position); }
    int Position() const { return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)); }

private:
    HWND hwnd_ = nullptr;
};

struct LabelArgs {
    HWND parent = nullptr;
    int id = 0;
    Rect bounds;
    const wchar_t* text = L"";
    HFONT font = nullptr;
};

// Centred one-line text. It takes mouse messages, so a hint can be shown over it.
class Label {
public:
    bool Create(const LabelArgs& args);
    HWND Handle() const { return hwnd_; }
    void SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }

private:
    HWND hwnd_ = nullptr;
};

struct StatusBarArgs {
    HWND parent = nullptr;
    int id = 0;
    int height = 0;
    std::span<const int> partWidths;
    HFONT font = nullptr;
};

// A status bar of fixed height along the parent's bottom edge.
class StatusBar {
public:
    bool Create(const StatusBarArgs& args);
    HWND Handle() const { return hwnd_; }
    // A leading tab centres a part's text.
    void SetCenteredText(int part, const std::wstring& text) {
        SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>((L"\t" + text).c_str()));
    }
    // Repainted whole: the size grip moves with the right edge.
    void Dock(int parentClientWidth, int parentClientHeight) {
        SetWindowPos(hwnd_, nullptr, 0, parentClientHeight - height_, parentClientWidth, height_,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }

private:
    HWND hwnd_ = nullptr;
    int height_ = 0;
};

// Shows `text` as the hint of `control` in the tooltip window `tips`; `owner`
// is the window whose tools the tooltip tracks.
void AddControlTool(HWND tips, HWND owner, HWND control, const std::wstring& text);

// A tooltip window of its own, for controls that are not on a toolbar.
class Tooltip {
public:
    bool Create(HWND owner);
    ~Tooltip();
    void AddTool(HWND control, const std::wstring& text);

private:
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace orvelle::win32
