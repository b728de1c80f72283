// Creating the main window and its controls as designed.
#include <iterator>

#include "BitmapResources.h"
#include "ControlIds.h"
#include "MainWindow.h"
#include "app/MenuTree.h"
#include "app/TfrmMain.h"
#include "engine/ZoomGeometry.h"

namespace orvelle::win32 {

namespace {

constexpr int kClientWidth = 702;
constexpr int kClientHeight = 279;
constexpr Size kToolImageSize{24, 20};
constexpr Size kToolButtonSize{32, 26};
constexpr int kToolImageCount = 9;
constexpr int kStatusBarHeight = 27;
constexpr int kStatusPartWidths[] = {44, 44, 44, 51, 51, 62};

constexpr int ButtonId(ToolButton button) { return kToolButtonIdBase + static_cast<int>(button); }

using K = ToolItemKind;
constexpr ToolItem kToolBar1Items[] = {
    {ButtonId(ToolButton::tbPrecise), K::GroupedCheck, 0},
    {ButtonId(ToolButton::tbSmooth), K::GroupedCheck, 1},
    {kIdSeparator1, K::Separator, 8},
    {kIdZoomTrackPlace, K::Separator, 161},
    {kIdZoomLabelPlace, K::Separator, 32},
    {kIdSeparator2, K::Separator, 8},
};

constexpr ToolItem kToolBar2Items[] = {
    {ButtonId(ToolButton::tbCursor), K::Check, 3},
    {ButtonId(ToolButton::tbGrid), K::Check, 2},
    {kIdSeparator3, K::Separator, 8},
    {ButtonId(ToolButton::tbRastered), K::Check, 4},
    {kIdGridColorPlace, K::Separator, 88},
    {kIdSeparator4, K::Separator, 8},
    {ButtonId(ToolButton::tbOnTop), K::Check, 5},
    {ButtonId(ToolButton::tbRuler), K::Push, 6},
    {kIdSeparator5, K::Separator, 8},
    {ButtonId(ToolButton::tbHelp), K::Push, 8},
};

struct ButtonHint {
    ToolButton button;
    const wchar_t* text;
};
constexpr ButtonHint kButtonHints[] = {
    {ToolButton::tbPrecise, L"Precise Magnification"},
    {ToolButton::tbSmooth, L"Smooth Magnification"},
    {ToolButton::tbCursor, L"Show Mouse Position"},
    {ToolButton::tbGrid, L"Show Grid"},
    {ToolButton::tbRastered, L"Rastered Grid Lines\r\n(Visible on Any Background)"},
    {ToolButton::tbOnTop, L"Always On Top"},
    {ToolButton::tbRuler, L"Launch Tessaly"},
    {ToolButton::tbHelp, L"Help"},
};
constexpr const wchar_t* kZoomHint = L"Magnification Level";
constexpr const wchar_t* kGridColorHint = L"Grid Color";
constexpr const wchar_t* kLogoHint = L"Browse Web for Updates";

}  // namespace

bool MainWindow::Create() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(kMainClassName, 0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE),
                        LoadIconW(instance, L"MAINICON"));
    menu_.Build(MainMenuEntries(), LoadBitmapResource(L"MENUIMAGES"));

    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_LAYERED;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, style, TRUE, exStyle);
    if (CreateFor(exStyle, kMainClassName, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                  outer.bottom - outer.top, nullptr, nullptr) == nullptr)
        return false;
    menu_.AttachTo(hwnd_);
    // A layered window stays invisible until it has its attributes; full
    // opacity keeps it looking like any window while a plain screen copy skips it.
    SetLayeredWindowAttributes(hwnd_, 0, 255, LWA_ALPHA);

    CreateFonts();
    CreateToolBars();
    logo_.Create(hwnd_, kIdLogo, Point{592, -1}, LoadBitmapResource(L"LOGO"));
    panel_.Create(hwnd_, kIdPanel, Rect::FromSize(kPanelLeft, 34, 289, 185));
    view_.Create(panel_.Handle(), kIdView, Rect::FromSize(kPanelBevel, kPanelBevel, 285, 181),
                 [this](ImageRef target, const Rect& area) {
                     if (logic_ != nullptr) logic_->PaintView(target, area);
                 });
    statusBar_.Create(StatusBarArgs{hwnd_, kIdStatusBar, kStatusBarHeight, kStatusPartWidths, controlFont_});
    CreateHints();
    return true;
}

void MainWindow::CreateFonts() {
    controlFont_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
    colorBoxFont_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

void MainWindow::CreateToolBars() {
    // Image lists keep straight alpha and blend each image when they draw it.
    const TBitmap32 strip = LoadBitmapResource(L"TOOLIMAGES");
    toolImages_ = ImageList_Create(kToolImageSize.width, kToolImageSize.height, ILC_COLOR32, kToolImageCount, 0);
    if (!strip.Empty()) {
        HBITMAP images = CreateBitmapFrom(strip, Rect::FromSize(0, 0, strip.Width(), strip.Height()), AlphaMode::Straight);
        ImageList_Add(toolImages_, images, nullptr);
        DeleteObject(images);
    }

    toolBar1_.Create(ToolBarArgs{hwnd_, kIdToolBar1, Rect::FromSize(4, 4, 273, 26), toolImages_, kToolImageSize,
                                 kToolButtonSize, kToolBar1Items});
    toolBar2_.Create(ToolBarArgs{hwnd_, kIdToolBar2, Rect::FromSize(277, 4, 304, 26), toolImages_, kToolImageSize,
                                 kToolButtonSize, kToolBar2Items});

    zoomTrack_.Create(TrackBarArgs{toolBar1_.Handle(), kIdZoomTrack, toolBar1_.ItemRect(kIdZoomTrackPlace), kMinZoom,
                                   kMaxZoom, kDesignedZoom, 22});
    zoomLabel_.Create(LabelArgs{toolBar1_.Handle(), kIdZoomLabel, toolBar1_.ItemRect(kIdZoomLabelPlace), L"10 X",
                                controlFont_});
    gridColor_.Create(ColorBoxArgs{toolBar2_.Handle(), kIdGridColor, toolBar2_.ItemRect(kIdGridColorPlace), 20, 16,
                                   colorBoxFont_, kStandardColors});
}

void MainWindow::CreateHints() {
    for (const ButtonHint& hint : kButtonHints)
        ToolBarOf(hint.button).SetButtonHint(ButtonId(hint.button), hint.text);
    toolBar1_.AddControlHint(zoomTrack_.Handle(), kZoomHint);
    toolBar1_.AddControlHint(zoomLabel_.Handle(), kZoomHint);
    toolBar2_.AddControlHint(gridColor_.Handle(), kGridColorHint);
    logoHint_.Create(hwnd_);
    logoHint_.AddTool(logo_.Handle(), kLogoHint);
}

ToolBar& MainWindow::ToolBarOf(ToolButton button) {
    return button == ToolButton::tbPrecise || button == ToolButton::tbSmooth ? toolBar1_ : toolBar2_;
}

}  // namespace orvelle::win32
