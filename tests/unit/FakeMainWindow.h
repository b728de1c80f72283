// Recording doubles of the main window's view and services.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/MainView.h"
#include "app/Presentation.h"
#include "app/Services.h"

namespace orvelle::testing {

class FakeMainView : public MainView {
public:
    // Every call, as text, in order: "SetChecked 42 1" style entries.
    std::vector<std::string> calls;
    bool record = true;  // off: calls are not kept, and the view itself allocates nothing

    int dpi = 96;
    // What the frame, the caption and the menu bar take of the outer size;
    // the layout's reference frame. Windows 10 at 100 % takes 16 x 59.
    Size frame{16, 52};
    Rect bounds = Rect::FromSize(760, 250, 400, 300);
    Size maximum{8000, 8000};  // the largest outer size the system allows
    WindowState state = WindowState::Normal;
    bool visible = false;
    std::string caption;
    int scale = 0;  // the DPI of the last SetScale
    Size minimum;
    std::map<Command, MenuItem> menu;  // as the menu shows each item
    std::map<Command, Command> insertedBefore;
    std::vector<Command> menuOrder;  // items in display order
    std::map<ToolButton, bool> buttons;
    std::map<HintTarget, std::string> hints;
    std::map<Control, bool> controlVisible;
    std::map<Control, Rect> controlBounds;
    std::vector<int> statusPanels;
    std::string statusTexts[kStatusPanelCount];
    std::optional<Pixel> statusSwatch;  // the contrast panel's
    std::optional<std::string> guideTip;  // shown with this text
    Point guideTipPointer;
    std::string zoomLabel;
    int zoomPosition = 0;
    int gridColorSelection = -1;
    bool gridColorEnabled = false;
    bool topmost = false;
    std::optional<bool> excludedFromCapture;  // never told: as the system made the window
    bool closed = false;
    std::map<Timer, int> timers;  // the running ones, with their intervals
    int repaints = 0;
    int focusCount = 0;
    // Runs inside SetOuterBounds, as the system's messages run inside SetWindowPos.
    std::function<void(const Rect&)> onBoundsChanged;

    bool captionFails = false;  // makes start-up fail at its first step

    Size OuterSize() const override { return Size{bounds.Width(), bounds.Height()}; }
    Size ClientSize() const override {
        return Size{bounds.Width() - frame.width, bounds.Height() - frame.height};
    }
    // A drag of the frame: the system keeps it within the minimum.
    void Resize(Size outer) { bounds = Clamped(Rect::FromSize(bounds.left, bounds.top, outer.width, outer.height)); }
    bool IsChecked(Command item) const { return menu.count(item) != 0 && menu.at(item).checked; }
    bool TimerRunning(Timer t) const { return timers.count(t) != 0; }

    void SetCaption(const std::string& text) override {
        if (captionFails) throw std::runtime_error("Cannot set the caption");
        caption = text;
        if (record) calls.push_back("SetCaption " + text);
    }
    int Dpi() const override { return dpi; }
    // Runs inside SetScale, as a real window reports a change of its own
    // (a new size, say) while it is being told of another.
    std::function<void()> whileScaling;
    void SetScale(int value) override {
        if (whileScaling) whileScaling();
        scale = value;
        if (record) calls.push_back("SetScale " + std::to_string(value));
    }
    Rect OuterBounds() const override { return bounds; }
    void SetOuterBounds(const Rect& b) override {
        bounds = Clamped(b);
        if (record) calls.push_back("SetOuterBounds");
        if (onBoundsChanged) onBoundsChanged(bounds);
    }
    void SetClientSize(Size size) override {
        bounds = Clamped(Rect::FromSize(bounds.left, bounds.top, size.width + frame.width, size.height + frame.height));
        if (record) calls.push_back("SetClientSize");
    }
    void SetMinimumSize(Size size) override {
        minimum = size;
        if (record) calls.push_back("SetMinimumSize");
    }
    WindowState State() const override { return state; }
    void SetMaximized() override {
        state = WindowState::Maximized;
        if (record) calls.push_back("SetMaximized");
    }
    bool IsVisible() const override { return visible; }
    void SetTopmost(bool on) override {
        topmost = on;
        if (record) calls.push_back("SetTopmost " + std::to_string(on));
    }
    void SetExcludedFromCapture(bool excluded) override {
        excludedFromCapture = excluded;
        if (record) calls.push_back("SetExcludedFromCapture " + std::to_string(excluded));
    }
    void Close() override {
        closed = true;
        if (record) calls.push_back("Close");
    }
    void InsertMenuItem(const MenuItem& item, Command before) override {
        menu[item.id] = item;
        insertedBefore[item.id] = before;
        const auto at = before == Command::None ? menuOrder.end() : std::find(menuOrder.begin(), menuOrder.end(), before);
        menuOrder.insert(at, item.id);
        if (record) calls.push_back("InsertMenuItem " + std::to_string(static_cast<int>(item.id)));
    }
    void SetMenuCaption(Command item, const std::string& text) override {
        menu[item].caption = text;
        if (record) calls.push_back("SetMenuCaption " + std::to_string(static_cast<int>(item)) + " " + text);
    }
    void SetChecked(Command item, bool on) override {
        menu[item].checked = on;
        if (record) calls.push_back("SetChecked " + std::to_string(static_cast<int>(item)) + " " + std::to_string(on));
    }
    void SetEnabled(Command item, bool on) override {
        menu[item].enabled = on;
        if (record) calls.push_back("SetEnabled " + std::to_string(static_cast<int>(item)) + " " + std::to_string(on));
    }
    void SetMenuImage(Command item, const MenuImage& image) override {
        menu[item].image = image;
        if (record) calls.push_back("SetMenuImage " + std::to_string(static_cast<int>(item)));
    }
    std::vector<TBitmap32> addedPictures;
    void AddMenuPicture(const TBitmap32& picture) override {
        addedPictures.push_back(picture);
        if (record) calls.push_back("AddMenuPicture");
    }
    void SetButtonDown(ToolButton b, bool down) override {
        buttons[b] = down;
        if (record) calls.push_back("SetButtonDown " + std::to_string(static_cast<int>(b)) + " " + std::to_string(down));
    }
    void SetHint(HintTarget target, const std::string& text) override {
        hints[target] = text;
        if (record) calls.push_back("SetHint " + std::to_string(static_cast<int>(target)));
    }
    void SetControlVisible(Control c, bool on) override {
        controlVisible[c] = on;
        if (record) calls.push_back("SetControlVisible " + std::to_string(static_cast<int>(c)) + " " + std::to_string(on));
    }
    void SetControlBounds(Control c, const Rect& r) override {
        controlBounds[c] = r;
        if (record) calls.push_back("SetControlBounds " + std::to_string(static_cast<int>(c)));
    }
    void SetZoomPosition(int position) override {
        zoomPosition = position;
        if (record) calls.push_back("SetZoomPosition");
    }
    void SetZoomLabel(const std::string& text) override {
        zoomLabel = text;
        if (record) calls.push_back("SetZoomLabel " + text);
    }
    void SetGridColorSelection(int index) override {
        gridColorSelection = index;
        if (record) calls.push_back("SetGridColorSelection");
    }
    void SetGridColorEnabled(bool on) override {
        gridColorEnabled = on;
        if (record) calls.push_back("SetGridColorEnabled");
    }
    void SetStatusPanels(std::span<const int> widths) override {
        statusPanels.assign(widths.begin(), widths.end());
        if (record) calls.push_back("SetStatusPanels");
    }
    void SetStatusSwatch(int panel, std::optional<Pixel> color) override {
        statusSwatch = color;
        if (record) calls.push_back("SetStatusSwatch " + std::to_string(panel));
    }
    // Six pixels a character, as a narrow font would have it.
    int StatusTextWidth(const std::string& text) const override { return 6 * static_cast<int>(text.size()); }
    void SetStatusText(int panel, const std::string& text) override {
        statusTexts[panel] = text;
        if (record) calls.push_back("SetStatusText " + std::to_string(panel) + " " + text);
    }
    void ShowGuideTip(const std::string& text, Point pointer) override {
        guideTip = text;
        guideTipPointer = pointer;
    }
    void HideGuideTip() override { guideTip.reset(); }
    void FocusPanel() override {
        ++focusCount;
        if (record) calls.push_back("FocusPanel");
    }
    void RepaintView() override {
        ++repaints;
        if (record) calls.push_back("RepaintView");
    }
    // The guides as blocks of their own colour over their places, one per part.
    static Pixel GuideColor(std::size_t part) { return 0xFF102030u + static_cast<Pixel>(part); }
    void PaintGuides(ImageRef target) const override {
        for (const auto& [control, place] : controlBounds) {
            if (control < Control::imgGuideV1) continue;
            const auto part = static_cast<std::size_t>(control) - static_cast<std::size_t>(Control::imgGuideV1);
            const Rect r = Intersect(place, Rect{0, 0, target.width, target.height});
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) target.At(x, y) = GuideColor(part);
        }
    }
    int raised = 0;
    void RestoreAndRaise() override {
        ++raised;
        if (record) calls.push_back("RestoreAndRaise");
    }
    void StartTimer(Timer t, int intervalMs) override {
        timers[t] = intervalMs;
        if (record) calls.push_back("StartTimer " + std::to_string(static_cast<int>(t)) + " " + std::to_string(intervalMs));
    }
    void StopTimer(Timer t) override {
        timers.erase(t);
        if (record) calls.push_back("StopTimer " + std::to_string(static_cast<int>(t)));
    }

private:
    Rect Clamped(const Rect& b) const {
        const int width = std::clamp(b.Width(), minimum.width, std::max(minimum.width, maximum.width));
        const int height = std::clamp(b.Height(), minimum.height, std::max(minimum.height, maximum.height));
        return Rect::FromSize(b.left, b.top, width, height);
    }
};

// A screen of given size whose pixel at (x, y) is PixelAt(x, y).
class FakeScreen : public ScreenService {
public:
    Rect virtualScreen = Rect::FromSize(0, 0, 1920, 1080);
    Size primary{1920, 1080};
    Point cursor{500, 400};
    bool cursorReadable = true;
    bool captureWorks = true;
    Monitor monitor{Rect::FromSize(0, 0, 1920, 1080), Rect::FromSize(0, 0, 1920, 1040)};
    std::vector<Rect> captures;
    std::vector<bool> captureIncludedLayered;
    bool record = true;  // off: captures are not listed, and capturing allocates nothing
    std::optional<std::pair<Point, Pixel>> changed;  // one screen pixel of another colour

    static Pixel PixelAt(int x, int y) {
        return 0xFF000000u | (static_cast<Pixel>(x & 255) << 16) | (static_cast<Pixel>(y & 255) << 8) |
               static_cast<Pixel>((x ^ y) & 255);
    }

    std::optional<Point> CursorPos() override {
        if (!cursorReadable) return std::nullopt;
        return cursor;
    }
    void SetCursorPos(Point p) override { cursor = p; }
    Rect VirtualScreen() override { return virtualScreen; }
    Size PrimaryScreenSize() override { return primary; }
    std::unique_ptr<PixelSurface> NewCaptureSurface() override { return std::make_unique<MemorySurface>(); }
    Outcome Capture(const Rect& source, bool includeLayered, CaptureBuffer& into) override {
        if (record) {
            captures.push_back(source);
            captureIncludedLayered.push_back(includeLayered);
        }
        if (!captureWorks) return MakeFailure("The operation failed.");
        for (int y = 0; y < into.Height(); ++y)
            for (int x = 0; x < into.Width(); ++x) {
                const Point at{source.left + x, source.top + y};
                into.At(x, y) = changed && at == changed->first ? changed->second : PixelAt(at.x, at.y);
            }
        return std::nullopt;
    }
    Monitor NearestMonitor(const Rect&) override { return monitor; }
    bool remoteSession = false;
    bool InRemoteSession() override { return remoteSession; }
};

class FakeClock : public ClockService {
public:
    LocalTime now{2026, 12, 7, 10, 0, 0, 0};
    std::int64_t steady = 123'456'789;  // since the system started
    LocalTime Now() override { return now; }
    std::int64_t SteadyMs() override { return steady; }
    void Advance(int ms) {
        steady += ms;
        int total = now.millisecond + ms;
        now.millisecond = total % 1000;
        int seconds = now.second + total / 1000;
        now.second = seconds % 60;
        now.minute += seconds / 60;
    }
};

class FakeStartupList : public StartupListService {
public:
    std::map<std::string, std::string> values;
    bool keyAvailable = true;
    bool writable = true;

    Outcome AddIfMissing(const std::string& name, const std::string& command) override {
        if (!keyAvailable) return MakeFailure("", Failure::Kind::Unavailable);
        if (values.count(name)) return std::nullopt;
        if (!writable) return MakeFailure("Access is denied.");
        values[name] = command;
        return std::nullopt;
    }
    void Remove(const std::string& name) override {
        if (keyAvailable) values.erase(name);
    }
};

class FakeDialogs : public DialogService {
public:
    std::vector<std::string> errors;
    void ShowError(const std::string& text) override { errors.push_back(text); }

    // What the save dialog answers; nothing is a cancel. `whileOpen` runs
    // while the dialog is "open", as the real one lets timers tick.
    std::optional<std::string> saveAnswer;
    std::size_t saveAnswerType = 0;  // the file type chosen with it
    std::function<void()> whileOpen;
    std::vector<SaveDialogRequest> saveRequests;
    std::optional<SaveDialogAnswer> AskSaveFileName(const SaveDialogRequest& request) override {
        saveRequests.push_back(request);
        if (whileOpen) whileOpen();
        if (!saveAnswer) return std::nullopt;
        return SaveDialogAnswer{*saveAnswer, saveAnswerType};
    }

    // The program's own dialogs: each request, and the answers given in turn
    // (kDismissed once they run out). `whileAnswerOpen` runs while a dialog is
    // "open", as the real one's message loop lets the window's timers tick.
    // The text dialog: each request, and the answer (nothing: cancelled).
    std::vector<TextRequest> textRequests;
    std::optional<std::string> textAnswer;
    std::optional<std::string> AskText(const TextRequest& request) override {
        textRequests.push_back(request);
        return textAnswer;
    }

    std::vector<AnswerDialogRequest> asked;
    std::vector<int> answers;
    std::function<void()> whileAnswerOpen;
    int ShowAnswerDialog(const AnswerDialogRequest& request) override {
        asked.push_back(request);
        if (whileAnswerOpen) whileAnswerOpen();
        if (answers.empty()) return kDismissed;
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    // The about window: shown, activated, then `aboutAction` (the user's
    // doing while it is open, by default its OK button), then closed if the
    // action closed it.
    struct AboutWindow : AboutView {
        std::string title;
        std::map<AboutControl, std::string> texts;
        bool open = false;
        void SetTitle(const std::string& text) override { title = text; }
        void SetText(AboutControl control, const std::string& text) override { texts[control] = text; }
        void Close() override { open = false; }
    } about;
    int aboutShown = 0;
    std::function<void(TfrmAbout&)> aboutAction = [](TfrmAbout& form) { form.btnOKClick(); };
    std::function<void()> whileAboutOpen;
    void ShowAbout(TfrmAbout& form) override {
        ++aboutShown;
        about.open = true;
        form.FormShow(about);
        form.FormActivate();
        if (whileAboutOpen) whileAboutOpen();
        while (about.open) {
            aboutAction(form);
            if (about.open) aboutAction = [](TfrmAbout& f) { f.btnOKClick(); };
        }
        form.FormClose();
    }
};

class FakeClipboard : public ClipboardService {
public:
    std::optional<TBitmap32> bitmap;
    Outcome failure;  // set: the clipboard cannot be opened
    int emptied = 0;
    std::optional<std::string> text;
    Outcome PutBitmap(const TBitmap32& picture) override {
        if (failure) return failure;
        ++emptied;
        bitmap = picture;
        text.reset();
        return std::nullopt;
    }
    Outcome PutText(const std::string& t) override {
        if (failure) return failure;
        ++emptied;
        bitmap.reset();
        text = t;
        return std::nullopt;
    }
};

class FakeFiles : public FileService {
public:
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::set<std::string> folders;
    Outcome failure;  // set: every write fails with this text
    Outcome folderFailure;  // set: making a folder fails with this text
    Outcome WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override {
        if (failure) return failure;
        files[path].assign(bytes.begin(), bytes.end());
        return std::nullopt;
    }
    bool Exists(const std::string& path) override { return files.count(path) != 0 || folders.count(path) != 0; }
    Outcome MakeFolders(const std::string& path) override {
        if (folderFailure) return folderFailure;
        folders.insert(path);
        return std::nullopt;
    }
};

// "PNG" followed by the width, the height and each pixel's red, green and
// blue, so that a test can read back what was encoded.
class FakePictureEncoder : public PictureEncoder {
public:
    Outcome failure;
    Result<std::vector<std::uint8_t>> EncodePng(const TBitmap32& picture) override {
        if (failure) return *failure;
        std::vector<std::uint8_t> bytes{'P', 'N', 'G', static_cast<std::uint8_t>(picture.Width()),
                                        static_cast<std::uint8_t>(picture.Height())};
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                for (int shift : {16, 8, 0}) bytes.push_back(static_cast<std::uint8_t>(picture.At(x, y) >> shift));
        return bytes;
    }
};

// Hotkeys held by another program are listed in `taken`.
class FakeHotkeys : public HotkeyService {
public:
    std::map<int, Hotkey> registered;
    std::vector<Hotkey> taken;
    int registrations = 0;
    bool Register(int id, const Hotkey& hotkey) override {
        ++registrations;
        for (const Hotkey& other : taken)
            if (other == hotkey) return false;
        for (const auto& [otherId, other] : registered)
            if (other == hotkey) return false;  // the system refuses one key twice
        registered[id] = hotkey;
        return true;
    }
    void Unregister(int id) override { registered.erase(id); }
};

// A folder tree in memory. Names compare as written, except that FileExists
// ignores ASCII case, as Windows file systems do.
class FakeFileSystem : public FileSystemReader {
public:
    struct Entry {
        std::vector<std::uint8_t> bytes;
        bool openable = true;  // false: opening fails, as for a locked file or a folder
    };
    // Folder (ending with a separator) -> names in listing order.
    std::map<std::string, std::vector<std::string>> listings;
    std::map<std::string, Entry> entries;  // full path -> contents
    std::vector<std::string> searched;

    void Add(const std::string& folder, const std::string& name, std::vector<std::uint8_t> bytes, bool openable = true) {
        listings[folder].push_back(name);
        entries[folder + name] = Entry{std::move(bytes), openable};
    }

    std::optional<std::vector<std::string>> FindFiles(const std::string& folder, const std::string& pattern) override {
        searched.push_back(folder + pattern);
        const auto found = listings.find(folder);
        if (found == listings.end()) return std::nullopt;
        std::vector<std::string> names;
        for (const std::string& name : found->second)
            if (Lower(name).ends_with(Lower(pattern.substr(1)))) names.push_back(name);
        return names;
    }
    std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t maxBytes) override {
        const Entry* entry = Find(path);
        if (entry == nullptr || !entry->openable) return std::nullopt;
        const std::size_t size = std::min(maxBytes, entry->bytes.size());
        return std::vector<std::uint8_t>(entry->bytes.begin(), entry->bytes.begin() + static_cast<std::ptrdiff_t>(size));
    }
    bool FileExists(const std::string& path) override { return Find(path) != nullptr; }

private:
    static std::string Lower(std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return text;
    }
    const Entry* Find(const std::string& path) const {
        for (const auto& [name, entry] : entries)
            if (Lower(name) == Lower(path)) return &entry;
        return nullptr;
    }
};

class FakeShell : public ShellService {
public:
    std::vector<std::string> opened;  // web pages
    std::vector<std::string> helpRuns;
    std::vector<std::string> mails;
    Outcome helpFailure;
    void OpenUrl(const std::string& url) override { opened.push_back(url); }
    Outcome RunHelp(const std::string& parameters) override {
        helpRuns.push_back(parameters);
        return helpFailure;
    }
    void OpenMail(const std::string& mailtoUrl) override { mails.push_back(mailtoUrl); }

    struct Run {
        std::string file;
        std::string directory;
    };
    std::vector<Run> runs;
    Outcome runResult;  // started
    Outcome RunProgram(const std::string& file, const std::string& directory) override {
        runs.push_back({file, directory});
        return runResult;
    }
};

class FakeRegistry : public RegistryService {
public:
    std::map<std::string, std::string> machineStrings;  // "key\\name" -> value, in the program's own view
    std::map<std::string, std::string> otherViewStrings;  // the same, in the other view
    std::optional<std::string> ReadMachineString(const std::string& key, const std::string& name,
                                                 RegistryView view) override {
        const auto& strings = view == RegistryView::Own ? machineStrings : otherViewStrings;
        const auto found = strings.find(key + "\\" + name);
        if (found == strings.end()) return std::nullopt;
        return found->second;
    }
};

// A worker that answers when the test says so.
class FakeVersionCheck : public VersionCheckService {
public:
    std::vector<std::string> urls;
    FetchLimits limits;
    std::shared_ptr<OnlineCheckResult> slot;
    void Start(const std::string& url, const FetchLimits& given, std::shared_ptr<OnlineCheckResult> into) override {
        urls.push_back(url);
        limits = given;
        slot = std::move(into);
    }
    void Answer(Result<std::string> answer) { slot->Set(std::move(answer)); }
};

}  // namespace orvelle::testing
