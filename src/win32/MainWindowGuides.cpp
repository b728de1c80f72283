// The measuring guides of the main window: eight child windows of the view,
// their pictures, and their events handed to the logic.
#include <exception>

#include "BitmapResources.h"
#include "MainWindow.h"
#include "Win32Services.h"
#include "app/MainLayout.h"
#include "app/MainWindowDesign.h"
#include "app/TfrmMain.h"
#include "engine/Composite.h"
#include "engine/Dpi.h"
#include "guides/GuideLooks.h"

namespace orvelle::win32 {

namespace {

Pixel SystemColorPixel(int index) {
    const COLORREF c = GetSysColor(index);  // 0x00BBGGRR
    return 0xFF000000u | (static_cast<Pixel>(GetRValue(c)) << 16) | (static_cast<Pixel>(GetGValue(c)) << 8) |
           GetBValue(c);
}

}  // namespace

void MainWindow::CreateGuides() {
    for (std::size_t i = 0; i < kGuidePartCount; ++i)
        guides_[i].Create(view_.Handle(), static_cast<GuidePart>(i),
                          [this](GuidePart part, GuideEvent event) { OnGuideEvent(part, event); });
    // Later parts above earlier ones: each goes to the top in turn.
    for (GuideWindow& guide : guides_)
        SetWindowPos(guide.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::OnGuideEvent(GuidePart part, GuideEvent event) {
    if (logic_ == nullptr) return;
    // The events arrive in the guide's own window procedure, outside the main one's guard.
    try {
        switch (event) {
            case GuideEvent::Press:
                return logic_->GuideMouseDown(part);
            case GuideEvent::Move:
                return logic_->GuideMouseMove(part);
            case GuideEvent::Release:
                return logic_->GuideMouseUp(part);
            case GuideEvent::DoubleClick:
                return logic_->GuideDblClick(part);
        }
    } catch (const std::exception& e) {
        ReportHandlerFailure(hwnd_, e.what());
    }
}

void MainWindow::MakeGuidePictures(int dpi) {
    const GuideColors colors{SystemColorPixel(COLOR_BTNHIGHLIGHT), SystemColorPixel(COLOR_3DLIGHT),
                             SystemColorPixel(COLOR_BTNFACE), SystemColorPixel(COLOR_BTNSHADOW),
                             SystemColorPixel(COLOR_3DDKSHADOW)};
    const GuideSizes sizes = GuideSizesAt(dpi);
    const int frame = ScaleToDpi(design::kGuideHandleFrame, dpi) / 2;
    // The vertical guides' handle first, then the horizontal ones', side by side.
    const TBitmap32 handles = LoadScaledPicture(L"GUIDEHANDLES", PictureScalePercent(dpi));
    for (std::size_t i = 0; i < kGuidePartCount; ++i) {
        const auto part = static_cast<GuidePart>(i);
        const bool vertical = IsVertical(GuideOf(part));
        if (!IsHandle(part)) {
            guides_[i].SetPicture(GuideBar(sizes.lineThickness, vertical, colors));
            continue;
        }
        TBitmap32 handle(sizes.handle.width, sizes.handle.height);
        handle.Clear(colors.buttonFace);
        const int sourceLeft = vertical ? 0 : sizes.handle.width;
        for (int y = 0; y < handle.Height() && y < handles.Height(); ++y)
            for (int x = 0; x < handle.Width() && sourceLeft + x < handles.Width(); ++x)
                handle.At(x, y) = handles.At(sourceLeft + x, y) | 0xFF000000u;
        DrawRaisedFrame(handle, frame > 0 ? frame : 1, colors);
        guides_[i].SetPicture(std::move(handle));
    }
}

// Each line and handle as its window shows it: its picture stretched over its
// place (a line's one-pixel bar along the picture), later ones over earlier ones.
void MainWindow::PaintGuides(ImageRef target) const {
    for (const GuideWindow& guide : guides_) {
        if (guide.Picture().Empty() || !IsWindowVisible(guide.Handle())) continue;
        RECT place{};
        GetWindowRect(guide.Handle(), &place);
        MapWindowPoints(nullptr, view_.Handle(), reinterpret_cast<POINT*>(&place), 2);
        const TBitmap32 shown = ResizedNearest(guide.Picture(), place.right - place.left, place.bottom - place.top);
        CompositeOver(shown.Ref(), Point{place.left, place.top}, target, Rect{0, 0, target.width, target.height});
    }
}

void MainWindow::RestoreAndRaise() {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    // A hotkey's press lets the program that received it take the foreground.
    SetForegroundWindow(hwnd_);
}

}  // namespace orvelle::win32
