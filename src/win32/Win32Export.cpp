// The platform side of the picture export: the save dialog, the clipboard
// and writing the file's bytes, each reporting the system's own error text.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "DibSurface.h"
#include "Owned.h"
#include "Text.h"
#include "Win32Services.h"

namespace orvelle::win32 {

Failure SystemFailure(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length != 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    if (message.empty()) message = L"Error " + std::to_wstring(error);
    const Failure::Kind kind = error == ERROR_FILE_NOT_FOUND   ? Failure::Kind::NotFound
                               : error == ERROR_PATH_NOT_FOUND ? Failure::Kind::PathNotFound
                                                               : Failure::Kind::Other;
    return MakeFailure(Narrow(message), kind);
}

std::optional<SaveDialogAnswer> Win32Dialogs::AskSaveFileName(const SaveDialogRequest& request) {
    // The filter is pairs of texts, each ended by a zero, and one more zero at the end.
    std::wstring filter;
    for (const SaveDialogRequest::FileType& type : request.types) {
        filter += Widen(type.name);
        filter.push_back(L'\0');
        filter += Widen(type.pattern);
        filter.push_back(L'\0');
    }
    const std::size_t chosen = request.chosenType < request.types.size() ? request.chosenType : 0;
    const std::wstring title = Widen(request.title);
    // The dialog adds the extension of the type chosen when it closes, not
    // only the one named here, as long as one is named.
    const std::wstring extension = request.types.empty() ? std::wstring() : Widen(request.types[chosen].extension);
    std::vector<wchar_t> file(32768, L'\0');  // the longest path Windows allows

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(chosen + 1);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_PATHMUSTEXIST |
                   OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    const std::size_t type = dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= request.types.size()
                                 ? dialog.nFilterIndex - 1
                                 : chosen;
    return SaveDialogAnswer{Narrow(file.data()), type};
}

namespace {

// Clipboard viewers and managers open the clipboard for a moment after every
// change; a copy that meets one of them waits a little before it gives up.
bool OpenClipboardPatiently(HWND owner) {
    constexpr int kAttempts = 10;
    constexpr DWORD kPauseMs = 25;
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner)) return true;
        if (attempt == kAttempts) return false;
        Sleep(kPauseMs);
    }
}

}  // namespace

Outcome Win32Clipboard::PutBitmap(const TBitmap32& picture) {
    // A bitmap of the screen's format, which every program can paste; the
    // system offers it as a DIB too.
    const BITMAPINFO info = Dib32Info(picture.Width(), picture.Height());
    HDC screen = GetDC(nullptr);
    OwnedBitmap bitmap(CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, picture.Ref().pixels, &info, DIB_RGB_COLORS));
    const DWORD createError = GetLastError();
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) return SystemFailure(createError != 0 ? createError : ERROR_NOT_ENOUGH_MEMORY);

    if (!OpenClipboardPatiently(owner_)) return SystemFailure(GetLastError());
    Outcome failure;
    if (!EmptyClipboard()) {
        failure = SystemFailure(GetLastError());
    } else if (SetClipboardData(CF_BITMAP, bitmap.get()) == nullptr) {
        failure = SystemFailure(GetLastError());
    } else {
        bitmap.release();  // the clipboard owns it now
    }
    CloseClipboard();
    return failure;
}

Outcome Win32Clipboard::PutText(const std::string& text) {
    const std::wstring wide = Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return SystemFailure(GetLastError());
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        const DWORD error = GetLastError();
        GlobalFree(memory);
        return SystemFailure(error);
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);

    if (!OpenClipboardPatiently(owner_)) {
        const DWORD error = GetLastError();
        GlobalFree(memory);
        return SystemFailure(error);
    }
    Outcome failure;
    if (!EmptyClipboard()) {
        failure = SystemFailure(GetLastError());
    } else if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        failure = SystemFailure(GetLastError());
    } else {
        memory = nullptr;  // the clipboard owns it now
    }
    CloseClipboard();
    if (memory != nullptr) GlobalFree(memory);
    return failure;
}

}  // namespace orvelle::win32
