// The system services of the main window's logic, implemented with the
// Windows API.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "DibSurface.h"
#include "app/Services.h"

namespace orvelle::win32 {

class Win32Screen : public ScreenService {
public:
    std::optional<Point> CursorPos() override;
    void SetCursorPos(Point position) override;
    Rect VirtualScreen() override;
    Size PrimaryScreenSize() override;
    std::unique_ptr<PixelSurface> NewCaptureSurface() override;
    Outcome Capture(const Rect& source, bool includeLayered, CaptureBuffer& into) override;
    Monitor NearestMonitor(const Rect& window) override;
    bool InRemoteSession() override;

private:
    DibSurface buffer_;  // reused from tick to tick; remade only when the size changes
};

class Win32Clock : public ClockService {
public:
    LocalTime Now() override;
    std::int64_t SteadyMs() override;
};

// The Run key of the current user.
class Win32StartupList : public StartupListService {
public:
    Outcome AddIfMissing(const std::string& name, const std::string& command) override;
    void Remove(const std::string& name) override;
};

class Win32Dialogs : public DialogService {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void ShowError(const std::string& text) override;
    std::optional<SaveDialogAnswer> AskSaveFileName(const SaveDialogRequest& request) override;
    int ShowAnswerDialog(const AnswerDialogRequest& request) override;
    void ShowAbout(TfrmAbout& about) override;
    std::optional<std::string> AskText(const TextRequest& request) override;

private:
    HWND owner_ = nullptr;
};

class Win32Clipboard : public ClipboardService {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    Outcome PutBitmap(const TBitmap32& picture) override;
    Outcome PutText(const std::string& text) override;

private:
    HWND owner_ = nullptr;
};


class Win32FileSystem : public FileSystemReader {
public:
    std::optional<std::vector<std::string>> FindFiles(const std::string& folder, const std::string& pattern) override;
    std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t maxBytes) override;
    bool FileExists(const std::string& path) override;
};

class Win32Shell : public ShellService {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void OpenUrl(const std::string& url) override;
    Outcome RunHelp(const std::string& parameters) override;
    void OpenMail(const std::string& mailtoUrl) override;
    Outcome RunProgram(const std::string& file, const std::string& directory) override;

private:
    HWND owner_ = nullptr;
};

class Win32Registry : public RegistryService {
public:
    std::optional<std::string> ReadMachineString(const std::string& key, const std::string& name,
                                                 RegistryView view) override;
};

// PNG through the Windows Imaging Component (Win32Png.cpp).
class Win32PictureEncoder : public PictureEncoder {
public:
    Result<std::vector<std::uint8_t>> EncodePng(const TBitmap32& picture) override;

private:
    bool comStarted_ = false;
};

// System-wide hotkeys, reported to `owner` as WM_HOTKEY.
class Win32Hotkeys : public HotkeyService {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool Register(int id, const Hotkey& hotkey) override;
    void Unregister(int id) override;

private:
    HWND owner_ = nullptr;
};

// The version file fetched with WinHTTP on a thread of its own.
class Win32VersionCheck : public VersionCheckService {
public:
    void Start(const std::string& url, const FetchLimits& limits, std::shared_ptr<OnlineCheckResult> slot) override;
};

// The failure an error code from GetLastError stands for, with the system's text.
Failure SystemFailure(DWORD error);

// A message box with the application title and the error icon.
void ShowErrorMessage(HWND owner, const std::string& text);

NumberFormat UserNumberFormat();
// Full path of the running program.
std::wstring ProgramPathWide();
// The system's true build number, 0 when it cannot be read.
std::uint32_t WindowsBuildNumber();
// The user's roaming application data folder ("%APPDATA%"), or an empty path
// when the system names none.
std::filesystem::path RoamingAppDataFolder();
// The user's Pictures folder, or an empty path when the system names none.
std::filesystem::path PicturesFolder();

}  // namespace orvelle::win32
