// The grid-colour drop-down: an owner-drawn list of the standard colours, each
// row a swatch and the colour's plain name.
#pragma once

#include <windows.h>

#include <span>

#include "engine/Image.h"
#include "engine/StandardColors.h"

namespace orvelle::win32 {

struct ColorBoxArgs {
    HWND parent = nullptr;
    int id = 0;
    Rect bounds;  // the closed box
    int rowHeight = 0;
    int visibleRows = 0;
    HFONT font = nullptr;
    std::span<const StandardColor> colors;
};

class ColorBox {
public:
    bool Create(const ColorBoxArgs& args);
    HWND Handle() const { return hwnd_; }

    void SetSelection(int index) { SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    int Selection() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }
    // A disabled box draws its text in the button-shadow colour.
    void SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }

    // WM_DRAWITEM for this box.
    void Draw(const DRAWITEMSTRUCT& item) const;

private:
    HWND hwnd_ = nullptr;
};

}  // namespace orvelle::win32
