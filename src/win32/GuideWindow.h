// One line or handle of the measuring guides: a child of the view that shows
// its picture (a line's one-pixel bar stretched along it) and forwards its
// mouse events. While a button is held it captures the pointer, so the drag
// goes on outside it; where the guide goes is the logic's decision.
#pragma once

#include <functional>

#include "BaseWindow.h"
#include "engine/Bitmap32.h"
#include "guides/MeasuringGuides.h"

namespace orvelle::win32 {

enum class GuideEvent { Press, Move, Release, DoubleClick };

class GuideWindow : public BaseWindow<GuideWindow> {
public:
    using Listener = std::function<void(GuidePart part, GuideEvent event)>;

    bool Create(HWND parent, GuidePart part, Listener listener);
    // The picture is stretched to the window's size when it is painted.
    void SetPicture(TBitmap32 picture);
    const TBitmap32& Picture() const { return picture_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc) const;
    void Forward(GuideEvent event);

    GuidePart part_ = GuidePart::imgGuideV1;
    Listener listener_;
    TBitmap32 picture_;
};

}  // namespace orvelle::win32
