// Creating the main window and its controls, and making their insides
// (fonts, pictures, buttons) for the window's DPI.
#include "BitmapResources.h"
#include "ControlIds.h"
#include "MainWindow.h"
#include "Text.h"
#include "WindowDpi.h"
#include "engine/Dpi.h"
#include "app/MainWindowDesign.h"
#include "app/TfrmMain.h"
#include "engine/ZoomGeometry.h"

namespace orvelle::win32 {

namespace {

namespace d = design;

constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_LAYERED;
constexpr int kToolImageCount = 9;

constexpr int ButtonId(ToolButton button) { return kToolButtonIdBase + static_cast<int>(button); }

using K = ToolItemKind;
constexpr ToolItem kToolBar1Items[] = {
    {ButtonId(ToolButton::tbPrecise), K::GroupedCheck, 0},
    {ButtonId(ToolButton::tbSmooth), K::GroupedCheck, 1},
    {kIdSeparator1, K::Separator, d::kSeparatorWidth},
    {kIdZoomTrackPlace, K::Separator, d::kZoomTrackWidth},
    {kIdZoomLabelPlace, K::Separator, d::kZoomLabelWidth},
    {kIdSeparator2, K::Separator, d::kSeparatorWidth},
};

constexpr ToolItem kToolBar2Items[] = {
    {ButtonId(ToolButton::tbCursor), K::Check, 3},
    {ButtonId(ToolButton::tbGrid), K::Check, 2},
    {kIdSeparator3, K::Separator, d::kSeparatorWidth},
    {ButtonId(ToolButton::tbRastered), K::Check, 4},
    {kIdGridColorPlace, K::Separator, d::kGridColorWidth},
    {kIdSeparator4, K::Separator, d::kSeparatorWidth},
    {ButtonId(ToolButton::tbOnTop), K::Check, 5},
    {ButtonId(ToolButton::tbRuler), K::Push, 6},
    {kIdSeparator5, K::Separator, d::kSeparatorWidth},
    {ButtonId(ToolButton::tbHelp), K::Push, 8},
};

}  // namespace

bool MainWindow::Create() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(kMainClassName, 0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE),
                        LoadIconW(instance, L"MAINICON"));
    // The logic gives the window its designed client area once it knows the window's DPI.
    if (CreateFor(kMainExStyle, kMainClassName, L"", kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, nullptr, nullptr) == nullptr)
        return false;
    menu_.AttachTo(hwnd_);
    // A layered window stays invisible until it has its attributes; full
    // opacity keeps it looking like any window while a plain screen copy skips it.
    SetLayeredWindowAttributes(hwnd_, 0, 255, LWA_ALPHA);

    toolBar1_.Create(hwnd_, kIdToolBar1, kToolBar1Items);
    toolBar2_.Create(hwnd_, kIdToolBar2, kToolBar2Items);
    zoomTrack_.Create(TrackBarArgs{toolBar1_.Handle(), kIdZoomTrack, kMinZoom, kMaxZoom});
    zoomLabel_.Create(toolBar1_.Handle(), kIdZoomLabel);
    gridColor_.Create(toolBar2_.Handle(), kIdGridColor, kStandardColors);
    logo_.Create(hwnd_, kIdLogo);
    panel_.Create(hwnd_, kIdPanel);
    view_.Create(panel_.Handle(), kIdView, [this](ImageRef target, const Rect& area) {
        if (logic_ != nullptr) logic_->PaintView(target, area);
    });
    CreateGuides();
    statusBar_.Create(hwnd_, kIdStatusBar);
    logoHint_.Create(hwnd_);
    statusHint_.Create(hwnd_);
    guideTip_.Create(hwnd_);
    return true;
}

int MainWindow::Dpi() const { return WindowDpi(hwnd_); }

void MainWindow::SetScale(int dpi) {
    scaleDpi_ = dpi;
    const auto scaled = [dpi](int designed) { return ScaleToDpi(designed, dpi); };
    const int percent = PictureScalePercent(dpi);
    OwnedFont controlFont(CreatePointFont(Widen(d::kFontFace).c_str(), d::kFontPoints, d::kFontCharset, dpi));
    OwnedFont colorBoxFont(CreatePointFont(Widen(d::kGridColorFontFace).c_str(), d::kFontPoints, DEFAULT_CHARSET, dpi));

    // Image lists keep straight alpha and blend each image when they draw it.
    const Size imageSize = ScalePicture(d::kToolImage, percent);
    OwnedImageList images(ImageList_Create(imageSize.width, imageSize.height, ILC_COLOR32, kToolImageCount, 0));
    const TBitmap32 strip = LoadScaledPicture(L"TOOLIMAGES", percent);
    if (!strip.Empty()) {
        const OwnedBitmap pictures =
            CreateBitmapFrom(strip, Rect::FromSize(0, 0, strip.Width(), strip.Height()), AlphaMode::Straight);
        ImageList_Add(images.get(), pictures.get(), nullptr);
    }
    const ToolBarScale bars{images.get(), imageSize, ScaleToDpi(d::kToolButton, dpi), dpi};
    toolBar1_.SetScale(bars);
    toolBar2_.SetScale(bars);

    // The embedded controls over their placeholders.
    SetChildBounds(zoomTrack_.Handle(), toolBar1_.ItemRect(kIdZoomTrackPlace));
    zoomTrack_.SetThumbLength(scaled(d::kZoomThumbLength));
    SetChildBounds(zoomLabel_.Handle(), toolBar1_.ItemRect(kIdZoomLabelPlace));
    SetFont(zoomLabel_.Handle(), controlFont.get());
    gridColor_.SetScale(ColorBoxScale{toolBar2_.ItemRect(kIdGridColorPlace), scaled(d::kGridColorFrameHeight),
                                      scaled(d::kGridColorRowHeight), d::kGridColorVisibleRows, colorBoxFont.get()});
    SetFont(statusBar_.Handle(), controlFont.get());
    logo_.SetPicture(LoadScaledPicture(L"LOGO", percent));
    panel_.SetBevelWidth(scaled(d::kPanelBevel));
    menu_.SetScale(dpi);
    MakeGuidePictures(dpi);

    // The previous fonts and pictures go only now that no control uses them.
    controlFont_ = std::move(controlFont);
    colorBoxFont_ = std::move(colorBoxFont);
    toolImages_ = std::move(images);
}

void MainWindow::SetClientSize(Size size) {
    if (IsIconic(hwnd_) || IsZoomed(hwnd_)) return;
    const Size outer = OuterSizeForClient(size, kMainStyle, kMainExStyle, true, scaleDpi_);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.width, outer.height, flags);
    // The menu bar may need more than one line: whatever the frame takes, the
    // client area ends up as asked.
    RECT client;
    GetClientRect(hwnd_, &client);
    const int wider = size.width - client.right;
    const int higher = size.height - client.bottom;
    if (wider != 0 || higher != 0) SetWindowPos(hwnd_, nullptr, 0, 0, outer.width + wider, outer.height + higher, flags);
}

ToolBar& MainWindow::ToolBarOf(ToolButton button) {
    return button == ToolButton::tbPrecise || button == ToolButton::tbSmooth ? toolBar1_ : toolBar2_;
}

}  // namespace orvelle::win32
