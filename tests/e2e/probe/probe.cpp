// probe: a test-only tool that inspects and drives the running Orvelle window
// from another process, for the end-to-end tests under Wine.
//
//   probe info                      the main window and every child control, as JSON
//   probe windows                   every visible top-level window, as JSON (with the hwnd that has the
//                                   keyboard focus in the window's thread, 0 for none)
//   probe children <hwnd>           every child control of any window (a message box, say), as JSON
//   probe settext <hwnd> <hex>      set the text of any window to the UTF-8 bytes <hex> spells (hex, so that the
//                                   text passes the command line untouched by the code page)
//   probe command <id>              post WM_COMMAND <id> to the main window
//   probe setbounds <x> <y> <w> <h> move and size the main window, then print its rectangle
//   probe send <msg> <wparam> <lparam>  send a message to the main window, print the result
//   probe close                     post WM_CLOSE to the main window
//   probe dpichanged <dpi> <x> <y> <w> <h>  tell the main window it is now on a monitor of <dpi>, with the
//                                   system's suggested bounds, as WM_DPICHANGED does; print its rectangle
//   probe textink <face> <points> <charset> <dpi> <text>  draw the text in that font and print, as JSON, the
//                                   size of the box its ink fills and the ink in it, one string a row ('#' ink)
//   probe clipboard <file>           write the clipboard's bitmap, as the system offers it in CF_DIB, to a .bmp file
//   probe clipboardtext             print the clipboard's text (CF_UNICODETEXT) as UTF-8, exit 1 when there is none
//   probe holdclipboard <ms> <file> keep the clipboard open for <ms> milliseconds, as a busy program does;
//                                   <file> is created once it is held
//   probe usage                      what the program holds now (memory, GDI and USER objects, CPU time), as JSON
//   probe serve <folder>             stay, and answer each request put into <folder> as a file (see Serve)
//
// Exit code 0 on success, 1 when the main window is not there, 2 on bad usage.
// Menus of another process cannot be read under Wine, so none are reported.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resource_usage.h"

namespace {

const wchar_t kMainClass[] = L"OrvelleMain";
const UINT kTimeoutMs = 2000;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), size, nullptr, nullptr);
    return out;
}

std::string Quote(const std::wstring& text) {
    std::string out = "\"";
    for (unsigned char c : Utf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Rect(const RECT& r) {
    return "[" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "]";
}

std::string Bool(bool value) { return value ? "true" : "false"; }

unsigned long StyleOf(HWND hwnd, int which) { return static_cast<unsigned long>(GetWindowLongPtrW(hwnd, which)); }

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

// WM_GETTEXT is marshalled between processes by the system, so it reads any control's text.
std::wstring TextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length)) return {};
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                        kTimeoutMs, &copied);
    return std::wstring(buffer.data(), copied);
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

// Common-control messages that return data through a pointer are not marshalled between processes, so the
// data goes through a buffer allocated inside the window's own process.
class RemoteBuffer {
public:
    RemoteBuffer(HWND hwnd, size_t size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    bool Clear() {
        std::vector<char> zeros(size_, 0);
        return WriteProcessMemory(process_, address_, zeros.data(), size_, nullptr) != 0;
    }
    bool Write(const void* data, size_t size) {
        return size <= size_ && WriteProcessMemory(process_, address_, data, size, nullptr) != 0;
    }
    bool Read(void* out, size_t size) const {
        return size <= size_ && ReadProcessMemory(process_, address_, out, size, nullptr) != 0;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_;
};

std::string StatusBarFields(HWND hwnd) {
    int count = static_cast<int>(Send(hwnd, SB_GETPARTS, 0, 0));
    std::string edges, panels;
    std::vector<int> rights(static_cast<size_t>(count > 0 ? count : 0));
    RemoteBuffer buffer(hwnd, 4096);
    if (!buffer.Valid()) return ", \"error\": \"no remote buffer\"";
    if (count > 0) {
        Send(hwnd, SB_GETPARTS, static_cast<WPARAM>(count), buffer.Address());
        buffer.Read(rights.data(), rights.size() * sizeof(int));
    }
    for (int i = 0; i < count; ++i) {
        if (i) {
            edges += ", ";
            panels += ", ";
        }
        edges += std::to_string(rights[static_cast<size_t>(i)]);
        wchar_t text[1024] = {};
        buffer.Clear();
        Send(hwnd, SB_GETTEXTW, static_cast<WPARAM>(i), buffer.Address());
        buffer.Read(text, sizeof text - sizeof(wchar_t));
        panels += Quote(text);
    }
    return ", \"simple\": " + Bool(Send(hwnd, SB_ISSIMPLE, 0, 0) != 0) + ", \"partRights\": [" + edges +
           "], \"panels\": [" + panels + "]";
}

std::string ToolBarFields(HWND hwnd) {
    int count = static_cast<int>(Send(hwnd, TB_BUTTONCOUNT, 0, 0));
    RemoteBuffer buffer(hwnd, sizeof(TBBUTTON) + sizeof(RECT));
    if (!buffer.Valid()) return ", \"error\": \"no remote buffer\"";
    std::string buttons;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        RECT rect = {};
        buffer.Clear();
        Send(hwnd, TB_GETBUTTON, static_cast<WPARAM>(i), buffer.Address());
        buffer.Read(&button, sizeof button);
        buffer.Clear();
        Send(hwnd, TB_GETITEMRECT, static_cast<WPARAM>(i), buffer.Address());
        buffer.Read(&rect, sizeof rect);
        if (i) buttons += ", ";
        buttons += "{\"id\": " + std::to_string(button.idCommand) + ", \"image\": " + std::to_string(button.iBitmap) +
                   ", \"state\": " + std::to_string(button.fsState) + ", \"style\": " + std::to_string(button.fsStyle) +
                   ", \"checked\": " + Bool((button.fsState & TBSTATE_CHECKED) != 0) +
                   ", \"enabled\": " + Bool((button.fsState & TBSTATE_ENABLED) != 0) +
                   ", \"hidden\": " + Bool((button.fsState & TBSTATE_HIDDEN) != 0) + ", \"rect\": " + Rect(rect) + "}";
    }
    return ", \"buttons\": [" + buttons + "]";
}

// The thumb's rectangle, in the track bar's client coordinates, to drag it with the pointer.
std::string TrackBarFields(HWND hwnd) {
    RECT thumb = {};
    RemoteBuffer buffer(hwnd, sizeof thumb);
    if (buffer.Valid() && buffer.Clear()) {
        Send(hwnd, TBM_GETTHUMBRECT, 0, buffer.Address());
        buffer.Read(&thumb, sizeof thumb);
    }
    return ", \"pos\": " + std::to_string(Send(hwnd, TBM_GETPOS, 0, 0)) +
           ", \"min\": " + std::to_string(Send(hwnd, TBM_GETRANGEMIN, 0, 0)) +
           ", \"max\": " + std::to_string(Send(hwnd, TBM_GETRANGEMAX, 0, 0)) + ", \"thumb\": " + Rect(thumb);
}

std::string ComboBoxFields(HWND hwnd) {
    int count = static_cast<int>(Send(hwnd, CB_GETCOUNT, 0, 0));
    std::string items;
    for (int i = 0; i < count; ++i) {
        // Unlike the common controls' messages, the combo box's are marshalled between processes.
        wchar_t text[512] = {};
        LRESULT length = Send(hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length >= 0 && length < 500) {
            Send(hwnd, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        }
        if (i) items += ", ";
        items += Quote(text);
    }
    return ", \"cursel\": " + std::to_string(Send(hwnd, CB_GETCURSEL, 0, 0)) + ", \"count\": " + std::to_string(count) +
           ", \"items\": [" + items + "]";
}

std::string ControlJson(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    // The main window's own "identifier" is its menu handle, so only child parents count.
    HWND parent = GetParent(hwnd);
    if (parent && !(StyleOf(parent, GWL_STYLE) & WS_CHILD)) parent = nullptr;
    std::wstring className = ClassOf(hwnd);
    std::string json = "{\"hwnd\": " + std::to_string(reinterpret_cast<uintptr_t>(hwnd)) +
                       ", \"id\": " + std::to_string(GetDlgCtrlID(hwnd)) +
                       ", \"parent\": " + std::to_string(parent ? GetDlgCtrlID(parent) : 0) +
                       ", \"class\": " + Quote(className) + ", \"rect\": " + Rect(rect) +
                       ", \"visible\": " + Bool(IsWindowVisible(hwnd) != 0) +
                       ", \"enabled\": " + Bool(IsWindowEnabled(hwnd) != 0) +
                       ", \"style\": " + std::to_string(StyleOf(hwnd, GWL_STYLE)) +
                       ", \"text\": " + Quote(TextOf(hwnd));
    if (_wcsicmp(className.c_str(), STATUSCLASSNAMEW) == 0) {
        json += StatusBarFields(hwnd);
    } else if (_wcsicmp(className.c_str(), TOOLBARCLASSNAMEW) == 0) {
        json += ToolBarFields(hwnd);
    } else if (_wcsicmp(className.c_str(), TRACKBAR_CLASSW) == 0) {
        json += TrackBarFields(hwnd);
    } else if (_wcsicmp(className.c_str(), WC_COMBOBOXW) == 0) {
        json += ComboBoxFields(hwnd);
    }
    return json + "}";
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

std::string WindowJson(HWND hwnd) {
    RECT outer = {}, client = {};
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    unsigned long exStyle = StyleOf(hwnd, GWL_EXSTYLE);
    DWORD pid = 0;
    const DWORD thread = GetWindowThreadProcessId(hwnd, &pid);
    // The keyboard focus of the window's thread, which only that thread's GetFocus would give.
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    const HWND focus = GetGUIThreadInfo(thread, &gui) ? gui.hwndFocus : nullptr;
    return "{\"hwnd\": " + std::to_string(reinterpret_cast<uintptr_t>(hwnd)) + ", \"pid\": " + std::to_string(pid) +
           ", \"class\": " + Quote(ClassOf(hwnd)) + ", \"caption\": " + Quote(TextOf(hwnd)) +
           ", \"visible\": " + Bool(IsWindowVisible(hwnd) != 0) + ", \"iconic\": " + Bool(IsIconic(hwnd) != 0) +
           ", \"zoomed\": " + Bool(IsZoomed(hwnd) != 0) + ", \"enabled\": " + Bool(IsWindowEnabled(hwnd) != 0) +
           ", \"style\": " + std::to_string(StyleOf(hwnd, GWL_STYLE)) +
           ", \"exstyle\": " + std::to_string(exStyle) + ", \"topmost\": " + Bool((exStyle & WS_EX_TOPMOST) != 0) +
           ", \"layered\": " + Bool((exStyle & WS_EX_LAYERED) != 0) + ", \"window\": " + Rect(outer) +
           ", \"client\": " + Rect(client) + ", \"foreground\": " + Bool(GetForegroundWindow() == hwnd) +
           ", \"focus\": " + std::to_string(reinterpret_cast<uintptr_t>(focus));
}

int Info(HWND main) {
    std::vector<HWND> children;
    EnumChildWindows(main, CollectWindow, reinterpret_cast<LPARAM>(&children));
    std::string json = WindowJson(main) + ", \"found\": true, \"controls\": [";
    for (size_t i = 0; i < children.size(); ++i) {
        if (i) json += ",\n  ";
        json += ControlJson(children[i]);
    }
    std::printf("%s]}\n", json.c_str());
    return 0;
}

int Windows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    std::string json = "[";
    bool first = true;
    for (HWND hwnd : windows) {
        if (!IsWindowVisible(hwnd)) continue;
        if (!first) json += ",\n ";
        first = false;
        json += WindowJson(hwnd) + "}";
    }
    std::printf("%s]\n", json.c_str());
    return 0;
}

// Other windows of the program, such as its message boxes, are found with `windows`; this reads their controls.
int Children(long long handle) {
    HWND parent = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
    if (!IsWindow(parent)) {
        std::printf("{\"found\": false}\n");
        return 1;
    }
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
    std::string json = "[";
    for (size_t i = 0; i < children.size(); ++i) {
        if (i) json += ",\n ";
        json += ControlJson(children[i]);
    }
    std::printf("%s]\n", json.c_str());
    return 0;
}

// The message carries a pointer to the suggested rectangle, which is read in the receiving process, so the
// rectangle is put there; Wine passes the message between processes as it is.
int DpiChanged(HWND main, const std::vector<long long>& n) {
    const int dpi = static_cast<int>(n[0]);
    const RECT suggested{static_cast<LONG>(n[1]), static_cast<LONG>(n[2]), static_cast<LONG>(n[1] + n[3]),
                         static_cast<LONG>(n[2] + n[4])};
    RemoteBuffer buffer(main, sizeof suggested);
    if (!buffer.Valid() || !buffer.Write(&suggested, sizeof suggested)) return 1;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), buffer.Address(), SMTO_ABORTIFHUNG,
                             kTimeoutMs * 5, &result)) {
        return 1;
    }
    RECT rect = {};
    GetWindowRect(main, &rect);
    std::printf("%s\n", Rect(rect).c_str());
    return 0;
}

std::wstring Wide(const char* text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), size);
    out.resize(out.size() - 1);
    return out;
}

// What a control would draw with this font: black text on white, as the pixels it darkens.
int TextInk(const char* face, int points, int charset, int dpi, const char* text) {
    const int width = 1000, height = 200;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HFONT font = CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             static_cast<BYTE>(charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, Wide(face).c_str());
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    std::wstring line = Wide(text);
    RECT place = {10, 10, width, height};
    DrawTextW(dc, line.c_str(), -1, &place, DT_SINGLELINE | DT_NOPREFIX);
    GdiFlush();
    int left = width, top = height, right = -1, bottom = -1;
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
                if (x < left) left = x;
                if (x > right) right = x;
                if (y < top) top = y;
                if (y > bottom) bottom = y;
            }
    std::string mask;
    for (int y = top; y <= bottom; ++y) {
        mask += y == top ? "\"" : ", \"";
        for (int x = left; x <= right; ++x) mask += (pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF ? '#' : '.';
        mask += "\"";
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    std::printf("{\"width\": %d, \"height\": %d, \"mask\": [%s]}\n", right < 0 ? 0 : right - left + 1,
                bottom < 0 ? 0 : bottom - top + 1, mask.c_str());
    return 0;
}

bool ParseInt(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 0);
    return end != text && *end == '\0';
}

int Usage() {
    std::fprintf(stderr, "usage: probe info | windows | children <hwnd> | command <id> | "
                         "setbounds <x> <y> <w> <h> | send <msg> <wparam> <lparam> | close | "
                         "dpichanged <dpi> <x> <y> <w> <h> | textink <face> <points> <charset> <dpi> <text> | "
                         "clipboard <file> | holdclipboard <ms> <ready-file> | settext <hwnd> <hex> | usage | "
                         "serve <folder>\n");
    return 2;
}

// The clipboard's picture as a .bmp file: the DIB the system makes of the bitmap, behind a file header.
int ClipboardToFile(const char* path) {
    if (!OpenClipboard(nullptr)) return 1;
    int code = 1;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        const auto* dib = static_cast<const unsigned char*>(GlobalLock(data));
        const SIZE_T size = GlobalSize(data);
        if (dib != nullptr && size >= sizeof(BITMAPINFOHEADER)) {
            BITMAPINFOHEADER header;
            std::memcpy(&header, dib, sizeof header);
            DWORD offset = header.biSize + header.biClrUsed * 4;
            if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof header) offset += 12;
            BITMAPFILEHEADER file{};
            file.bfType = 0x4D42;
            file.bfSize = static_cast<DWORD>(sizeof file + size);
            file.bfOffBits = static_cast<DWORD>(sizeof file + offset);
            if (FILE* out = std::fopen(path, "wb")) {
                const bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(dib, size, 1, out) == 1;
                code = std::fclose(out) == 0 && ok ? 0 : 1;
            }
        }
        if (dib != nullptr) GlobalUnlock(data);
    }
    CloseClipboard();
    return code;
}

int PrintClipboardText() {
    if (!OpenClipboard(nullptr)) return 1;
    int code = 1;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            std::printf("%s", Utf8(text).c_str());
            code = 0;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return code;
}

// Keeps the clipboard open, as a program busy with it does, for `ms` milliseconds;
// `ready` is created once it is held.
int HoldClipboard(const char* ms, const char* ready) {
    long long duration = 0;
    if (!ParseInt(ms, duration)) return Usage();
    if (!OpenClipboard(nullptr)) return 1;
    if (FILE* marker = std::fopen(ready, "w")) std::fclose(marker);
    Sleep(static_cast<DWORD>(duration));
    CloseClipboard();
    return 0;
}

// Keys that are not on the keyboard's layout are typed by remapping a spare key for each one, and Wine
// reads the remapped key late often enough to drop letters, so such a text is set, not typed.
int SetText(long long handle, const char* hex) {
    HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
    if (!IsWindow(window)) return 1;
    std::string utf8;
    const size_t length = std::strlen(hex);
    if (length % 2 != 0) return Usage();
    for (size_t i = 0; i < length; i += 2) {
        const char pair[3] = {hex[i], hex[i + 1], '\0'};
        char* end = nullptr;
        const long byte = std::strtol(pair, &end, 16);
        if (*end != '\0') return Usage();
        utf8 += static_cast<char>(byte);
    }
    const std::wstring text = Wide(utf8.c_str());
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                               kTimeoutMs, &result) && result ? 0 : 1;
}

// One request: words[0] is the verb.
int Run(const std::vector<std::string>& words) {
    if (words.empty()) return Usage();
    std::vector<char*> argv{nullptr};
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    const int argc = static_cast<int>(argv.size());
    std::string verb = argv[1];
    long long points = 0, charset = 0, dpi = 0;
    if (verb == "textink") {
        if (argc != 7 || !ParseInt(argv[3], points) || !ParseInt(argv[4], charset) || !ParseInt(argv[5], dpi))
            return Usage();
        return TextInk(argv[2], static_cast<int>(points), static_cast<int>(charset), static_cast<int>(dpi), argv[6]);
    }
    if (verb == "clipboard") return argc == 3 ? ClipboardToFile(argv[2]) : Usage();
    if (verb == "clipboardtext") return argc == 2 ? PrintClipboardText() : Usage();
    if (verb == "holdclipboard") return argc == 4 ? HoldClipboard(argv[2], argv[3]) : Usage();
    if (verb == "settext") {
        long long handle = 0;
        return argc == 4 && ParseInt(argv[2], handle) ? SetText(handle, argv[3]) : Usage();
    }
    std::vector<long long> numbers;
    for (int i = 2; i < argc; ++i) {
        long long value = 0;
        if (!ParseInt(argv[i], value)) return Usage();
        numbers.push_back(value);
    }
    if (verb == "windows") return Windows();
    if (verb == "children" && numbers.size() == 1) return Children(numbers[0]);

    HWND main = FindWindowW(kMainClass, nullptr);
    if (!main) {
        std::printf("{\"found\": false}\n");
        return 1;
    }
    if (verb == "info" && numbers.empty()) return Info(main);
    if (verb == "usage" && numbers.empty()) return PrintResourceUsage(main);
    if (verb == "command" && numbers.size() == 1) {
        return PostMessageW(main, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(numbers[0]), 0), 0) ? 0 : 1;
    }
    if (verb == "setbounds" && numbers.size() == 4) {
        if (!SetWindowPos(main, nullptr, static_cast<int>(numbers[0]), static_cast<int>(numbers[1]),
                          static_cast<int>(numbers[2]), static_cast<int>(numbers[3]), SWP_NOZORDER | SWP_NOACTIVATE)) {
            return 1;
        }
        RECT rect = {};
        GetWindowRect(main, &rect);
        std::printf("%s\n", Rect(rect).c_str());
        return 0;
    }
    if (verb == "send" && numbers.size() == 3) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(main, static_cast<UINT>(numbers[0]), static_cast<WPARAM>(numbers[1]),
                                 static_cast<LPARAM>(numbers[2]), SMTO_ABORTIFHUNG, kTimeoutMs, &result)) {
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(result));
        return 0;
    }
    if (verb == "close" && numbers.empty()) return PostMessageW(main, WM_CLOSE, 0, 0) ? 0 : 1;
    if (verb == "dpichanged" && numbers.size() == 5) return DpiChanged(main, numbers);
    return Usage();
}

std::string ReadWholeFile(const std::string& path) {
    std::string content;
    if (FILE* in = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) content.append(buffer, got);
        std::fclose(in);
    }
    return content;
}

// Stays and answers requests, so that a test pays for starting a Wine process once, not at every reading.
// Request n is the file <folder>\<n>.request, its words one a line (UTF-8), written whole by a rename; the answer
// is <folder>\<n>.reply, also renamed into place: the exit code on its first line, then what the verb printed.
int Serve(const std::string& folder) {
    for (unsigned long n = 1;; ++n) {
        const std::string request = folder + "\\" + std::to_string(n) + ".request";
        while (GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES) Sleep(2);
        std::vector<std::string> words;
        std::string line;
        for (char c : ReadWholeFile(request)) {
            if (c == '\n') {
                words.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        if (!line.empty()) words.push_back(line);
        DeleteFileA(request.c_str());
        const std::string output = folder + "\\" + std::to_string(n) + ".out";
        int code = 2;
        if (std::freopen(output.c_str(), "wb", stdout) != nullptr) {
            code = Run(words);
            std::fflush(stdout);
        }
        const std::string printed = ReadWholeFile(output);
        DeleteFileA(output.c_str());
        const std::string partial = folder + "\\" + std::to_string(n) + ".partial";
        if (FILE* reply = std::fopen(partial.c_str(), "wb")) {
            std::fprintf(reply, "%d\n", code);
            std::fwrite(printed.data(), 1, printed.size(), reply);
            std::fclose(reply);
        }
        MoveFileA(partial.c_str(), (folder + "\\" + std::to_string(n) + ".reply").c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "serve") return Serve(argv[2]);
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) words.push_back(argv[i]);
    return Run(words);
}
