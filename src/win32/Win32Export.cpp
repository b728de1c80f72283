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

std::string SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length != 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    if (message.empty()) message = L"Error " + std::to_wstring(error);
    return Narrow(message);
}

std::optional<std::string> Win32Dialogs::AskSaveFileName(const SaveDialogRequest& request) {
    // The filter is pairs of texts, each ended by a zero, and one more zero at the end.
    std::wstring filter = Widen(request.filterName);
    filter.push_back(L'\0');
    filter += Widen(request.filterPattern);
    filter.push_back(L'\0');
    const std::wstring title = Widen(request.title);
    const std::wstring extension = Widen(request.defaultExtension);
    std::vector<wchar_t> file(32768, L'\0');  // the longest path Windows allows

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_PATHMUSTEXIST |
                   OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return Narrow(file.data());
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

PlatformError Win32Clipboard::PutBitmap(const TBitmap32& picture) {
    // A bitmap of the screen's format, which every program can paste; the
    // system offers it as a DIB too.
    const BITMAPINFO info = Dib32Info(picture.Width(), picture.Height());
    HDC screen = GetDC(nullptr);
    OwnedBitmap bitmap(CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, picture.Ref().pixels, &info, DIB_RGB_COLORS));
    const DWORD createError = GetLastError();
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) return SystemErrorText(createError != 0 ? createError : ERROR_NOT_ENOUGH_MEMORY);

    if (!OpenClipboardPatiently(owner_)) return SystemErrorText(GetLastError());
    PlatformError failure;
    if (!EmptyClipboard()) {
        failure = SystemErrorText(GetLastError());
    } else if (SetClipboardData(CF_BITMAP, bitmap.get()) == nullptr) {
        failure = SystemErrorText(GetLastError());
    } else {
        bitmap.release();  // the clipboard owns it now
    }
    CloseClipboard();
    return failure;
}

PlatformError Win32Clipboard::PutText(const std::string& text) {
    const std::wstring wide = Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return SystemErrorText(GetLastError());
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        const DWORD error = GetLastError();
        GlobalFree(memory);
        return SystemErrorText(error);
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);

    if (!OpenClipboardPatiently(owner_)) {
        const DWORD error = GetLastError();
        GlobalFree(memory);
        return SystemErrorText(error);
    }
    PlatformError failure;
    if (!EmptyClipboard()) {
        failure = SystemErrorText(GetLastError());
    } else if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        failure = SystemErrorText(GetLastError());
    } else {
        memory = nullptr;  // the clipboard owns it now
    }
    CloseClipboard();
    if (memory != nullptr) GlobalFree(memory);
    return failure;
}

PlatformError Win32Files::WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::wstring target = Widen(path);
    // The bytes go to a file beside the target, which then takes its place:
    // a failure halfway leaves the old file, or none, never a broken picture.
    const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return SystemErrorText(GetLastError());
    DWORD error = 0;
    std::size_t written = 0;
    while (written < bytes.size() && error == 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 24));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0)
            error = GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
        written += done;
    }
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && error == 0) error = GetLastError();
    if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        return SystemErrorText(error);
    }
    return std::nullopt;
}

}  // namespace orvelle::win32
