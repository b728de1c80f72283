// imgZoom: the magnified view. Each paint renders the dirty part into a DIB
// section of the view's size, kept from paint to paint and recreated only when
// the size changes, and copies that part to the screen.
#pragma once

#include <functional>

#include "BaseWindow.h"
#include "DibSurface.h"
#include "engine/Image.h"

namespace orvelle::win32 {

class ViewWindow : public BaseWindow<ViewWindow> {
public:
    // Renders `area` of the whole view `target`.
    using Painter = std::function<void(ImageRef target, const Rect& area)>;

    bool Create(HWND parent, int id, Painter painter);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Paints now, not at the next idle moment.
    void Repaint() {
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
    }

private:
    void Paint(HDC dc, const RECT& dirty);

    Painter painter_;
    DibSurface surface_;
};

}  // namespace orvelle::win32
