// Panel1: the frame around the magnified view, a lowered bevel two pixels
// wide at 96 DPI. It takes the keyboard focus when the logic hands it over.
#pragma once

#include "BaseWindow.h"
#include "engine/Image.h"

namespace orvelle::win32 {

class PanelWindow : public BaseWindow<PanelWindow> {
public:
    bool Create(HWND parent, int id);
    void SetBevelWidth(int width);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc) const;

    int bevelWidth_ = 2;
};

}  // namespace orvelle::win32
