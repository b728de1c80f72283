// The language folder and the registry read, the programs the window hands
// work to, and the program's own dialogs.
#include "Win32Services.h"

#include <shellapi.h>

#include "AboutWindow.h"
#include "AnswerDialog.h"
#include "Owned.h"
#include "TextDialog.h"
#include "Text.h"

namespace orvelle::win32 {

std::optional<std::vector<std::string>> Win32FileSystem::FindFiles(const std::string& folder,
                                                                   const std::string& pattern) {
    const std::wstring wideFolder = Widen(folder);
    const DWORD attributes = GetFileAttributesW(wideFolder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return std::nullopt;
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    // Every attribute is admitted, folders included: what cannot be read is
    // left out later, when it is opened.
    HANDLE search = FindFirstFileExW((wideFolder + Widen(pattern)).c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(Narrow(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::optional<std::vector<std::uint8_t>> Win32FileSystem::ReadFileStart(const std::string& path,
                                                                        std::size_t maxBytes) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<std::uint8_t> bytes(maxBytes);
    std::size_t got = 0;
    bool failed = false;
    while (got < maxBytes) {
        DWORD read = 0;
        const auto want = static_cast<DWORD>(std::min<std::size_t>(maxBytes - got, 1 << 20));
        if (!ReadFile(file, bytes.data() + got, want, &read, nullptr)) {
            failed = true;
            break;
        }
        if (read == 0) break;
        got += read;
    }
    CloseHandle(file);
    if (failed) return std::nullopt;
    bytes.resize(got);
    return bytes;
}

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void Win32Shell::OpenUrl(const std::string& url) {
    ShellExecuteW(nullptr, nullptr, Widen(url).c_str(), L"", L"", SW_SHOWNORMAL);
}

// The viewer is started by its full path in the Windows folder: a bare name
// would be looked up along a path that can include the current folder.
Outcome Win32Shell::RunHelp(const std::string& parameters) {
    const DWORD error = StartHelpViewer(Widen(parameters), L"");
    if (error == 0) return std::nullopt;
    return SystemFailure(error);
}

Outcome Win32Shell::RunProgram(const std::string& file, const std::string& directory) {
    const std::wstring wideFile = Widen(file);
    const std::wstring wideDirectory = Widen(directory);
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_FLAG_NO_UI;
    run.lpVerb = L"open";
    run.lpFile = wideFile.c_str();
    run.lpParameters = L"";
    run.lpDirectory = wideDirectory.empty() ? nullptr : wideDirectory.c_str();
    run.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&run)) return std::nullopt;
    return SystemFailure(GetLastError());
}

std::optional<std::string> Win32Registry::ReadMachineString(const std::string& key, const std::string& name,
                                                            RegistryView view) {
    // The other view is the 32-bit one for a 64-bit program and the 64-bit
    // one for a 32-bit program; 32-bit Windows has one view and ignores both flags.
    constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(key).c_str(), 0,
                      KEY_QUERY_VALUE | (view == RegistryView::Other ? kOtherView : 0), &opened) != ERROR_SUCCESS)
        return std::nullopt;
    const OwnedKey openedKey(opened);
    const std::wstring wideName = Widen(name);
    // Text only, expandable text as stored; anything else is no path.
    constexpr DWORD kFlags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD bytes = 0;
    if (RegGetValueW(openedKey.get(), nullptr, wideName.c_str(), kFlags, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(openedKey.get(), nullptr, wideName.c_str(), kFlags, nullptr, value.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return Narrow(value);
}

int Win32Dialogs::ShowAnswerDialog(const AnswerDialogRequest& request) {
    return win32::ShowAnswerDialog(owner_, request);
}

void Win32Dialogs::ShowAbout(TfrmAbout& about) { ShowAboutWindow(owner_, about); }

std::optional<std::string> Win32Dialogs::AskText(const TextRequest& request) {
    return ShowTextDialog(owner_, request);
}

void Win32Shell::OpenMail(const std::string& mailtoUrl) {
    ShellExecuteW(owner_, L"open", Widen(mailtoUrl).c_str(), L"", L"", SW_SHOW);
}

}  // namespace orvelle::win32
