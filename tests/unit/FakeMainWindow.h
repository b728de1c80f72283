// Recording doubles of the main window's view and services.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/MainView.h"
#include "app/Services.h"

namespace orvelle::testing {

class FakeMainView : public MainView {
public:
    // Every call, as text, in order: "SetChecked menuGrid 1" style entries.
    std::vector<std::string> calls;
    bool record = true;  // off: calls are not kept, and the view itself allocates nothing

    Size outer{400, 300};
    Rect bounds = Rect::FromSize(760, 250, 400, 300);
    WindowState state = WindowState::Normal;
    bool visible = false;
    std::string caption;
    std::map<Command, bool> checked;
    std::map<Command, bool> enabled;
    std::map<ToolButton, bool> buttons;
    std::map<Control, bool> controlVisible;
    std::map<Control, Rect> controlBounds;
    std::string statusTexts[6];
    std::string zoomLabel;
    int zoomPosition = 10;
    int gridColorSelection = 0;
    bool gridColorEnabled = true;
    int colorMenuImage = -1;
    bool topmost = false;
    bool closed = false;
    bool refresherEnabled = false;
    int refresherIntervalMs = 0;
    int repaints = 0;
    int focusCount = 0;

    bool captionFails = false;  // makes start-up fail at its first step

    void SetCaption(const std::string& text) override {
        if (captionFails) throw std::runtime_error("Cannot set the caption");
        caption = text;
        if (record) calls.push_back("SetCaption " + text);
    }
    Size OuterSize() const override { return outer; }
    Rect OuterBounds() const override { return bounds; }
    void SetOuterBounds(const Rect& b) override {
        bounds = b;
        outer = Size{b.Width(), b.Height()};
        if (record) calls.push_back("SetOuterBounds");
    }
    WindowState State() const override { return state; }
    void SetMaximized() override { state = WindowState::Maximized; if (record) calls.push_back("SetMaximized"); }
    bool IsVisible() const override { return visible; }
    void SetTopmost(bool on) override { topmost = on; if (record) calls.push_back("SetTopmost " + std::to_string(on)); }
    void Close() override { closed = true; if (record) calls.push_back("Close"); }
    void SetChecked(Command item, bool on) override {
        checked[item] = on;
        if (record) calls.push_back("SetChecked " + std::to_string(static_cast<int>(item)) + " " + std::to_string(on));
    }
    void SetEnabled(Command item, bool on) override {
        enabled[item] = on;
        if (record) calls.push_back("SetEnabled " + std::to_string(static_cast<int>(item)) + " " + std::to_string(on));
    }
    void SetButtonDown(ToolButton b, bool down) override {
        buttons[b] = down;
        if (record)
            calls.push_back("SetButtonDown " + std::to_string(static_cast<int>(b)) + " " + std::to_string(down));
    }
    void SetControlVisible(Control c, bool on) override {
        controlVisible[c] = on;
        if (record)
            calls.push_back("SetControlVisible " + std::to_string(static_cast<int>(c)) + " " + std::to_string(on));
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
    void SetColorMenuImage(int index) override {
        colorMenuImage = index;
        if (record) calls.push_back("SetColorMenuImage");
    }
    void SetStatusText(int panel, const std::string& text) override {
        statusTexts[panel] = text;
        if (record) calls.push_back("SetStatusText " + std::to_string(panel) + " " + text);
    }
    void FocusPanel() override { ++focusCount; if (record) calls.push_back("FocusPanel"); }
    void RepaintView() override { ++repaints; if (record) calls.push_back("RepaintView"); }
    void SetRefresher(bool on, int intervalMs) override {
        refresherEnabled = on;
        refresherIntervalMs = intervalMs;
        if (record) calls.push_back("SetRefresher " + std::to_string(on) + " " + std::to_string(intervalMs));
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

    static Pixel PixelAt(int x, int y) {
        return 0xFF000000u | (static_cast<Pixel>(x & 255) << 16) | (static_cast<Pixel>(y & 255) << 8) |
               static_cast<Pixel>((x ^ y) & 255);
    }

    bool CursorPos(Point& p) override {
        if (!cursorReadable) return false;
        p = cursor;
        return true;
    }
    Rect VirtualScreen() override { return virtualScreen; }
    Size PrimaryScreenSize() override { return primary; }
    bool Capture(const Rect& source, bool includeLayered, TBitmap32& into) override {
        if (record) {
            captures.push_back(source);
            captureIncludedLayered.push_back(includeLayered);
        }
        if (!captureWorks) return false;
        for (int y = 0; y < into.Height(); ++y)
            for (int x = 0; x < into.Width(); ++x) into.At(x, y) = PixelAt(source.left + x, source.top + y);
        return true;
    }
    Monitor NearestMonitor(const Rect&) override { return monitor; }
};

class FakeClock : public ClockService {
public:
    LocalTime now{2026, 12, 7, 10, 0, 0, 0};
    LocalTime Now() override { return now; }
    void Advance(int ms) {
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

    AddResult AddIfMissing(const std::string& name, const std::string& command) override {
        if (!keyAvailable) return AddResult::KeyUnavailable;
        if (values.count(name)) return AddResult::AlreadyPresent;
        if (!writable) return AddResult::WriteFailed;
        values[name] = command;
        return AddResult::Added;
    }
    void Remove(const std::string& name) override {
        if (keyAvailable) values.erase(name);
    }
};

class FakeDialogs : public DialogService {
public:
    std::vector<std::string> errors;
    void ShowError(const std::string& text) override { errors.push_back(text); }
};

}  // namespace orvelle::testing
