// The system services the main window's logic uses, one small interface each,
// so that tests can replace every one of them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/Bitmap32.h"
#include "engine/CaptureBuffer.h"
#include "engine/Image.h"
#include "engine/Outcome.h"
#include "app/Hotkey.h"
#include "lang/FileSystemReader.h"
#include "web/AnswerDialogLayout.h"
#include "web/TfrmAbout.h"
#include "web/VersionCheck.h"
#include "web/VersionFetch.h"

namespace orvelle {

class SettingsStore;

// The screen and the pointer.
class ScreenService {
public:
    virtual ~ScreenService() = default;
    // Nothing when the position cannot be read (another desktop is active, for example).
    virtual std::optional<Point> CursorPos() = 0;
    // Puts the pointer at `position`, a point of the virtual screen.
    virtual void SetCursorPos(Point position) = 0;
    // The rectangle spanning every monitor; its origin is negative when a
    // monitor lies left of or above the primary one.
    virtual Rect VirtualScreen() = 0;
    virtual Size PrimaryScreenSize() = 0;
    // Memory for the capture buffer that Capture can copy the screen into
    // directly.
    virtual std::unique_ptr<PixelSurface> NewCaptureSurface() = 0;
    // Copies the screen pixels of `source` into `into` at (0, 0); `into` has
    // the source's size. `includeLayered` also captures layered windows, among
    // them our own. On failure `into` may be unchanged.
    virtual Outcome Capture(const Rect& source, bool includeLayered, CaptureBuffer& into) = 0;

    struct Monitor {
        Rect bounds;
        Rect workArea;  // without the taskbar
        int dpi = 96;   // its scale: 120 is 125 %, 144 is 150 %
    };
    virtual Monitor NearestMonitor(const Rect& window) = 0;
    // True while the desktop is shown through a remote session.
    virtual bool InRemoteSession() = 0;
};

struct LocalTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class ClockService {
public:
    virtual ~ClockService() = default;
    // The local date and time, for what the user reads.
    virtual LocalTime Now() = 0;
    // Milliseconds of a clock that only ever runs forward, whatever happens
    // to the date and time (daylight saving, a time sync), for intervals.
    virtual std::int64_t SteadyMs() = 0;
};

// How the user's locale writes numbers.
struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string thousandSeparator = ",";
    int groupSize = 3;  // 0: no grouping
};

// The per-user list of programs that Windows starts at log-on.
class StartupListService {
public:
    virtual ~StartupListService() = default;
    // Adds the value unless one of that name exists (which is no failure);
    // creates the key when missing. A key that cannot be opened fails as
    // Unavailable, a value that cannot be written as any other failure.
    virtual Outcome AddIfMissing(const std::string& name, const std::string& command) = 0;
    // Deletes the value when the key and the value exist; failures are not reported.
    virtual void Remove(const std::string& name) = 0;
};

// What a save dialog offers: its title, its file types and the one chosen
// at the start. A name typed without an extension gets the chosen type's.
struct SaveDialogRequest {
    struct FileType {
        std::string name;       // "Bitmap (*.bmp)"
        std::string pattern;    // "*.bmp"
        std::string extension;  // "bmp", without the dot
    };
    std::string title;
    std::vector<FileType> types;
    std::size_t chosenType = 0;
};

// The name the user chose, and the type chosen with it.
struct SaveDialogAnswer {
    std::string path;
    std::size_t type = 0;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // A message box with the application title.
    virtual void ShowError(const std::string& text) = 0;
    // The system's save dialog: it asks before an existing file is replaced
    // and runs its own message loop, so timers go on while it is open. The
    // chosen full path (UTF-8), or nothing when the user cancels.
    virtual std::optional<SaveDialogAnswer> AskSaveFileName(const SaveDialogRequest& request) = 0;
    // The program's own modal message dialog; the 1-based number of the
    // button pressed, or kDismissed. A request while another dialog is open
    // gets a dialog of its own above the first.
    virtual int ShowAnswerDialog(const AnswerDialogRequest& request) = 0;
    // The program's own small dialog for one line of text: its title, the
    // explanation above the field, the text it starts with and its buttons'
    // captions. The text as the user left it, or nothing when cancelled.
    struct TextRequest {
        std::string title;
        std::string prompt;
        std::string text;
        std::string ok;
        std::string cancel;
    };
    virtual std::optional<std::string> AskText(const TextRequest& request) = 0;
    // The about window, modal; it tells `about` of each of its events.
    virtual void ShowAbout(TfrmAbout& about) = 0;
};

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    // Empties the clipboard and puts the picture on it as a bitmap.
    virtual Outcome PutBitmap(const TBitmap32& picture) = 0;
    // Empties the clipboard and puts the text (UTF-8) on it.
    virtual Outcome PutText(const std::string& text) = 0;
};

class FileService {
public:
    virtual ~FileService() = default;
    // Creates or replaces the file `path` (UTF-8) with exactly these bytes;
    // a failure leaves any file of that name as it was.
    virtual Outcome WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
    // True when a file or folder of that name exists.
    virtual bool Exists(const std::string& path) = 0;
    // Makes the folder and any missing folder above it; none missing is no failure.
    virtual Outcome MakeFolders(const std::string& path) = 0;
};

// Turns a picture into the bytes of a file type the program does not write
// itself.
class PictureEncoder {
public:
    virtual ~PictureEncoder() = default;
    // A lossless PNG of 24-bit RGB pixels, without alpha: the picture's
    // alpha byte means nothing.
    virtual Result<std::vector<std::uint8_t>> EncodePng(const TBitmap32& picture) = 0;
};

// System-wide hotkeys, which reach the program whichever one has the focus.
class HotkeyService {
public:
    virtual ~HotkeyService() = default;
    // Registers `hotkey` under `id`; false when another program holds it.
    virtual bool Register(int id, const Hotkey& hotkey) = 0;
    virtual void Unregister(int id) = 0;
};

// Hands work to other programs; none is waited for.
class ShellService {
public:
    virtual ~ShellService() = default;
    // Opens a web page in the default browser; a failure is not reported.
    virtual void OpenUrl(const std::string& url) = 0;
    // Starts the system's help viewer with `parameters` (a help file,
    // optionally "::" and a topic); the system's text when it did not start.
    virtual Outcome RunHelp(const std::string& parameters) = 0;
    // Opens a new message in the default mail program; a failure is not reported.
    virtual void OpenMail(const std::string& mailtoUrl) = 0;
    // Starts a program in `directory`, not waiting for it. A program that is
    // not there fails as NotFound or PathNotFound.
    virtual Outcome RunProgram(const std::string& file, const std::string& directory) = 0;
};

// Which of the machine-wide registry's two views on 64-bit Windows a read
// looks in: the one of the program's own bitness, or the other one, where
// installers of the other bitness record their programs.
enum class RegistryView { Own, Other };

// The machine-wide part of the registry, read only.
class RegistryService {
public:
    virtual ~RegistryService() = default;
    // A text value (expandable ones as stored) under HKEY_LOCAL_MACHINE in
    // `view`; nothing when the key or the value is missing, or the value is no text.
    virtual std::optional<std::string> ReadMachineString(const std::string& key, const std::string& name,
                                                         RegistryView view) = 0;
};

// Starts the worker that fetches the version file from `url` within `limits`
// and puts the reply's body, or "ERROR", into `slot` as its last act. The
// worker ends by itself within the limits' deadline, and the program's exit
// never waits for it.
class VersionCheckService {
public:
    virtual ~VersionCheckService() = default;
    virtual void Start(const std::string& url, const FetchLimits& limits, std::shared_ptr<OnlineCheckResult> slot) = 0;
};

// Everything the main window's logic needs from outside, handed over together.
struct Services {
    ScreenService& screen;
    ClockService& clock;
    StartupListService& startupList;
    DialogService& dialogs;
    SettingsStore& settings;
    ClipboardService& clipboard;
    FileService& files;
    FileSystemReader& fileSystem;
    ShellService& shell;
    RegistryService& registry;
    VersionCheckService& versionCheck;
    PictureEncoder& pictureEncoder;
    HotkeyService& hotkeys;
    NumberFormat numberFormat;
    std::string programPath;  // full path of the program file
    std::string picturesFolder;  // the user's Pictures folder; empty when the system has none
    std::uint32_t windowsBuild = 0;  // the system's true build number; 0 when unknown
};

}  // namespace orvelle
