#include "CommonControls.h"

namespace orvelle::win32 {

bool TrackBar::Create(const TrackBarArgs& args) {
    const DWORD style = WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_NOTICKS | TBS_FIXEDLENGTH;
    hwnd_ = CreateWindowExW(0, TRACKBAR_CLASSW, nullptr, style, args.bounds.left, args.bounds.top,
                            args.bounds.Width(), args.bounds.Height(), args.parent, ChildId(args.id),
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    SendMessageW(hwnd_, TBM_SETRANGE, FALSE, MAKELPARAM(args.minimum, args.maximum));
    SendMessageW(hwnd_, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(args.thumbLength), 0);
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, args.position);
    return true;
}

bool Label::Create(const LabelArgs& args) {
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | SS_NOPREFIX;
    hwnd_ = CreateWindowExW(0, L"STATIC", args.text, style, args.bounds.left, args.bounds.top, args.bounds.Width(),
                            args.bounds.Height(), args.parent, ChildId(args.id), GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    SetFont(hwnd_, args.font);
    return true;
}

bool StatusBar::Create(const StatusBarArgs& args) {
    // Placed by Dock rather than by the control itself, so it keeps its height.
    const DWORD style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN;
    RECT client{};
    GetClientRect(args.parent, &client);
    height_ = args.height;
    hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, style, 0, client.bottom - height_, client.right, height_,
                            args.parent, ChildId(args.id), GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    SetFont(hwnd_, args.font);
    int edges[16]{};
    int right = 0;
    int count = 0;
    for (int width : args.partWidths) {
        if (count == 16) break;
        right += width;
        edges[count++] = right;
    }
    SendMessageW(hwnd_, SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges));
    return true;
}

bool Tooltip::Create(HWND owner) {
    owner_ = owner;
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    return hwnd_ != nullptr;
}

Tooltip::~Tooltip() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void Tooltip::AddTool(HWND control, const std::wstring& text) { AddControlTool(hwnd_, owner_, control, text); }

void AddControlTool(HWND tips, HWND owner, HWND control, const std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace orvelle::win32
