// The grid-colour drop-down: an owner-drawn list of the standard colours, each
// row a swatch and the colour's plain name.
#pragma once

#include <windows.h>

#include <span>

#include "engine/Image.h"
#include "engine/StandardColors.h"

namespace orvelle::win32 {

struct ColorBoxScale {
    Rect bounds;  // the closed box, in its parent's client pixels
    int frameHeight = 0;  // what the box's own frame takes of its closed height
    int rowHeight = 0;
    int visibleRows = 0;
    HFONT font = nullptr;  // stays the caller's
};

class ColorBox {
public:
    bool Create(HWND parent, int id, std::span<const StandardColor> colors);
    HWND Handle() const { return hwnd_; }
    void SetScale(const ColorBoxScale& scale);

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
