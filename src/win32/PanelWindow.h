// Panel1: the frame around the magnified view, a lowered bevel two pixels
// wide. It takes the keyboard focus when the logic hands it over.
#pragma once

#include "BaseWindow.h"
#include "engine/Image.h"

namespace orvelle::win32 {

class PanelWindow : public BaseWindow<PanelWindow> {
public:
    static constexpr int kBevelWidth = 2;

    bool Create(HWND parent, int id, const Rect& bounds);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc) const;
};

}  // namespace orvelle::win32
