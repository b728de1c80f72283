// imgLogo: the maker's logo, drawn with its alpha over the button face. A
// click tells the parent with WM_COMMAND and the logo's id, as a clickable
// static control would.
#pragma once

#include "BaseWindow.h"
#include "engine/Bitmap32.h"

namespace orvelle::win32 {

class LogoWindow : public BaseWindow<LogoWindow> {
public:
    ~LogoWindow();
    // The window takes the picture's size.
    bool Create(HWND parent, int id, Point position, const TBitmap32& picture);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc) const;

    HBITMAP picture_ = nullptr;  // premultiplied, as AlphaBlend wants it
    Size size_;
};

}  // namespace orvelle::win32
