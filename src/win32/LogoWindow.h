// imgLogo: the maker's logo, drawn with its alpha over the button face. A
// click and a double-click tell the parent with WM_COMMAND, STN_CLICKED and
// STN_DBLCLK, as a clickable static control would.
#pragma once

#include "BaseWindow.h"
#include "Owned.h"
#include "engine/Bitmap32.h"

namespace orvelle::win32 {

class LogoWindow : public BaseWindow<LogoWindow> {
public:
    bool Create(HWND parent, int id);
    // Drawn at its own size from the top-left corner.
    void SetPicture(const TBitmap32& picture);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc) const;
    void Notify(WORD code);

    OwnedBitmap picture_;  // premultiplied, as AlphaBlend wants it
    Size size_;
};

}  // namespace orvelle::win32
