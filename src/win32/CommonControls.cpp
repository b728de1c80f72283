#include "CommonControls.h"

#include <vector>

namespace orvelle::win32 {

bool TrackBar::Create(const TrackBarArgs& args) {
    const DWORD style = WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_NOTICKS | TBS_FIXEDLENGTH;
    hwnd_ = CreateWindowExW(0, TRACKBAR_CLASSW, nullptr, style, 0, 0, 0, 0, args.parent, ChildId(args.id),
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    SendMessageW(hwnd_, TBM_SETRANGE, FALSE, MAKELPARAM(args.minimum, args.maximum));
    return true;
}

bool Label::Create(HWND parent, int id) {
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | SS_NOPREFIX;
    hwnd_ = CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 0, 0, parent, ChildId(id), GetModuleHandleW(nullptr),
                            nullptr);
    return hwnd_ != nullptr;
}

bool StatusBar::Create(HWND parent, int id) {
    const DWORD style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN;
    hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, style, 0, 0, 0, 0, parent, ChildId(id),
                            GetModuleHandleW(nullptr), nullptr);
    return hwnd_ != nullptr;
}

void StatusBar::SetParts(std::span<const int> widths) {
    std::vector<int> edges;
    int right = 0;
    for (int width : widths) edges.push_back(right += width);
    SendMessageW(hwnd_, SB_SETPARTS, static_cast<WPARAM>(edges.size()), reinterpret_cast<LPARAM>(edges.data()));
}

bool Tooltip::Create(HWND owner) {
    owner_ = owner;
    hwnd_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
    return hwnd_ != nullptr;
}

void SetControlTool(HWND tips, HWND owner, HWND control, const std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    // A tool the tooltip knows gets the new text in place: removing and
    // adding it again would disturb the tooltip's tracking of the pointer.
    TOOLINFOW known = tool;
    known.lpszText = nullptr;
    if (SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&known)))
        SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    else
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltip::SetAreaTool(HWND window, UINT_PTR id, const RECT& area, const std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = id;
    tool.rect = area;
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    TOOLINFOW known = tool;
    known.lpszText = nullptr;
    if (SendMessageW(hwnd_.get(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&known))) {
        SendMessageW(hwnd_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(hwnd_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(hwnd_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

bool TrackingTip::Create(HWND owner) {
    owner_ = owner;
    hwnd_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
    if (hwnd_ == nullptr) return false;
    TOOLINFOW tool = Tool();
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(hwnd_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // Any width: the text's own line breaks decide its lines.
    SendMessageW(hwnd_.get(), TTM_SETMAXTIPWIDTH, 0, 32767);
    return true;
}

TOOLINFOW TrackingTip::Tool() {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner_;
    tool.uId = 1;
    return tool;
}

void TrackingTip::Show(const std::wstring& text, POINT at) {
    if (hwnd_ == nullptr) return;
    TOOLINFOW tool = Tool();
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(hwnd_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(hwnd_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
    if (!active_) SendMessageW(hwnd_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    active_ = true;
}

void TrackingTip::Hide() {
    if (hwnd_ == nullptr || !active_) return;
    TOOLINFOW tool = Tool();
    SendMessageW(hwnd_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    active_ = false;
}

SIZE DrawnTextSize(HDC dc, const std::wstring& text, bool multiLine) {
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (multiLine ? 0u : DT_SINGLELINE));
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace orvelle::win32
