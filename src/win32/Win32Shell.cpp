// The language folder's reading, and the programs the window hands work to.
#include "Win32Services.h"

#include <shellapi.h>

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
PlatformError Win32Shell::RunHelp(const std::string& parameters) {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return SystemErrorText(GetLastError());
    const std::wstring viewer = std::wstring(windows) + L"\\hh.exe";
    const std::wstring arguments = Widen(parameters);
    // The extended call reports its failure as a system error code, whose
    // text the user can read.
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_FLAG_NO_UI;
    run.lpVerb = L"open";
    run.lpFile = viewer.c_str();
    run.lpParameters = arguments.c_str();
    run.lpDirectory = L"";
    run.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&run)) return std::nullopt;
    return SystemErrorText(GetLastError());
}

void Win32Shell::OpenMail(const std::string& mailtoUrl) {
    ShellExecuteW(owner_, L"open", Widen(mailtoUrl).c_str(), L"", L"", SW_SHOW);
}

}  // namespace orvelle::win32
