// The rectangle between the guides on the status bar and on the clipboard,
// and locks, keys and names that the measuring and saving rest on.
#include <gtest/gtest.h>

#include <set>

#include "app/GlobalHotkeys.h"
#include "app/Hotkey.h"
#include "app/Measurement.h"
#include "app/PictureFiles.h"
#include "app/PointerNudge.h"
#include "FakeMainWindow.h"

namespace orvelle::testing {
namespace {

// A pair whose line centres lie `viewDistance` view pixels apart, at `zoom`.
std::optional<ScreenLength> Apart(int viewDistance, int zoom) {
    if (viewDistance == 0) return std::nullopt;
    return ScreenLength{2 * viewDistance, 2 * zoom};
}

TEST(Measurement, ScreenPixelsAndLogicalOnesAtEveryScale) {
    // Expected values worked out by hand: the view distance / z, then / (dpi / 96).
    const struct {
        int width, height, zoom, dpi;
        const char* panel;
        const char* copied;
    } cases[] = {
        {240, 72, 2, 96, "120 × 36 px", "120 × 36 px"},
        {240, 72, 2, 120, "120 × 36 px (96 × 28,8 at 125 %)", "120 × 36 px (96 × 28.8 at 125 %)"},
        {240, 72, 2, 144, "120 × 36 px (80 × 24 at 150 %)", "120 × 36 px (80 × 24 at 150 %)"},
        {240, 72, 2, 192, "120 × 36 px (60 × 18 at 200 %)", "120 × 36 px (60 × 18 at 200 %)"},
        {240, 70, 7, 96, "34,3 × 10 px", "34.3 × 10 px"},
        {240, 70, 7, 120, "34,3 × 10 px (27,4 × 8 at 125 %)", "34.3 × 10 px (27.4 × 8 at 125 %)"},
        {240, 70, 7, 144, "34,3 × 10 px (22,9 × 6,7 at 150 %)", "34.3 × 10 px (22.9 × 6.7 at 150 %)"},
        {240, 70, 7, 192, "34,3 × 10 px (17,1 × 5 at 200 %)", "34.3 × 10 px (17.1 × 5 at 200 %)"},
        {240, 64, 32, 96, "7,5 × 2 px", "7.5 × 2 px"},
        {240, 64, 32, 120, "7,5 × 2 px (6 × 1,6 at 125 %)", "7.5 × 2 px (6 × 1.6 at 125 %)"},
        {240, 64, 32, 192, "7,5 × 2 px (3,8 × 1 at 200 %)", "7.5 × 2 px (3.8 × 1 at 200 %)"},
        // A pair on top of each other: no number on the panel, 0 on the clipboard.
        {0, 64, 32, 96, "– × 2 px", "0 × 2 px"},
        {100, 0, 2, 144, "50 × – px (33,3 × – at 150 %)", "50 × 0 px (33.3 × 0 at 150 %)"},
        // Thousands are grouped on the panel only; a scale of no whole percent keeps its tenth.
        {4000, 2, 2, 110, "2.000 × 1 px (1.745,5 × 0,9 at 114,6 %)", "2000 × 1 px (1745.5 × 0.9 at 114.6 %)"},
    };
    const NumberFormat german{",", ".", 3};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.copied);
        const GuideRectangle rectangle{Apart(c.width, c.zoom), Apart(c.height, c.zoom)};
        EXPECT_EQ(MeasurementPanelText(rectangle, c.dpi, german), c.panel);
        EXPECT_EQ(MeasurementCopyText(rectangle, c.dpi), c.copied);
    }
}

TEST(Measurement, OnlyPairsApartMeasure) {
    MeasuringGuides guides(GuideSizes{6, {28, 24}});
    guides.FitToPicture(Size{800, 600});
    EXPECT_FALSE(MeasureGuideRectangle(guides, 8));  // all four at the edges
    // V2's handle dragged 80 view pixels right: its line's centre, in the
    // handle's middle, is then 91 view pixels from V1's (3 px in, at the edge).
    const Rect handle = guides.Bounds(GuidePart::imgIconV2);
    guides.MouseDown(GuidePart::imgIconV2, Point{handle.left + 5, handle.top + 5});
    guides.AnyIconMouseMove(Point{handle.left + 85, handle.top + 5});
    guides.AnyIconMouseUp();
    const std::optional<GuideRectangle> r = MeasureGuideRectangle(guides, 8);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->width, (ScreenLength{182, 16}));  // 11.4 screen pixels at 8 X
    EXPECT_FALSE(r->height);
    EXPECT_FALSE(MeasureGuideRectangle(guides, 0));
}

TEST(LockedCentre, ArrowsMoveALockedAxisHeldOnTheVirtualScreen) {
    const Rect primary = Rect::FromSize(0, 0, 1920, 1080);
    const Rect spanning{-1280, -300, 1920, 1080};  // a monitor left of and above the primary one
    const struct {
        NudgeTarget from;
        int dx, dy, step;
        Rect screen;
        NudgeTarget to;
    } cases[] = {
        // Lock Horizontal: left and right move the locked column, up and down the pointer.
        {{{500, 400}, 700, {}}, 1, 0, 1, primary, {{500, 400}, 701, {}}},
        {{{500, 400}, 700, {}}, 0, -1, 1, primary, {{500, 399}, 700, {}}},
        {{{500, 400}, 0, {}}, -1, 0, 8, primary, {{500, 400}, 0, {}}},
        {{{500, 400}, 1915, {}}, 1, 0, 8, primary, {{500, 400}, 1919, {}}},
        // Lock Vertical, and both: the pointer stays where it is.
        {{{500, 400}, {}, 1079}, 0, 1, 32, primary, {{500, 400}, {}, 1079}},
        {{{500, 400}, 10, 20}, -1, -1, 32, primary, {{500, 400}, 0, 0}},
        {{{500, 400}, -1270, -290}, -1, -1, 32, spanning, {{500, 400}, -1280, -300}},
        {{{500, 400}, -5, 1000}, 1, 1, 16, spanning, {{500, 400}, 11, 1016}},
        {{{-1280, 0}, {}, -300}, -1, -1, 1, spanning, {{-1280, 0}, {}, -300}},
        // A lock read far off the screen comes back onto it.
        {{{500, 400}, 5000, -5000}, 0, 0, 1, spanning, {{500, 400}, 1919, -300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from.lockedColumn.value_or(-99999)) + "," +
                     std::to_string(c.from.lockedRow.value_or(-99999)));
        EXPECT_EQ(Nudged(c.from, c.dx, c.dy, c.step, c.screen), c.to);
    }
}

TEST(QuickSaveNames, TheTimeThenANumberWhileTheNameIsTaken) {
    const LocalTime time{2026, 12, 9, 14, 5, 12, 999};
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& path) { return taken.count(path) != 0; };
    EXPECT_EQ(QuickSavePath("C:\\Pics", time, isTaken), "C:\\Pics\\Orvelle 2026-12-09 14-05-12.png");
    EXPECT_EQ(QuickSavePath("C:\\Pics\\", time, isTaken), "C:\\Pics\\Orvelle 2026-12-09 14-05-12.png");
    taken = {"C:\\Pics\\Orvelle 2026-12-09 14-05-12.png", "C:\\Pics\\Orvelle 2026-12-09 14-05-12 (2).png"};
    EXPECT_EQ(QuickSavePath("C:\\Pics", time, isTaken), "C:\\Pics\\Orvelle 2026-12-09 14-05-12 (3).png");
    EXPECT_EQ(QuickSavePath("D:", LocalTime{2027, 1, 2, 3, 4, 5, 0}, isTaken), "D:\\Orvelle 2027-01-02 03-04-05.png");
    EXPECT_FALSE(QuickSavePath("C:\\Pics", time, [](const std::string&) { return true; }));

    EXPECT_EQ(QuickSaveFolder("", "C:\\Users\\Zoë\\Pictures"), "C:\\Users\\Zoë\\Pictures\\Orvelle");
    EXPECT_EQ(QuickSaveFolder("E:\\Shots", "C:\\Users\\Zoë\\Pictures"), "E:\\Shots");
    EXPECT_FALSE(QuickSaveFolder("", ""));
}

TEST(HotkeyText, ReadsWhatItWritesAndTheDefaultsForWhatItCannotRead) {
    constexpr int F1 = 0x70, F12 = 0x7B, F24 = 0x87;
    const struct {
        const char* text;
        bool readable;
        std::optional<Hotkey> key;
        const char* written;
    } cases[] = {
        {"Ctrl+Shift+Alt+F", true, Hotkey{true, true, true, false, 'F'}, "Ctrl+Shift+Alt+F"},
        {"alt + ctrl + shift + c", true, Hotkey{true, true, true, false, 'C'}, "Ctrl+Shift+Alt+C"},
        {"Win+Shift+7", true, Hotkey{false, true, false, true, '7'}, "Shift+Win+7"},
        {"Ctrl+F12", true, Hotkey{true, false, false, false, F12}, "Ctrl+F12"},
        {"F1", true, Hotkey{false, false, false, false, F1}, "F1"},  // a function key may stand alone
        {"Shift+f24", true, Hotkey{false, true, false, false, F24}, "Shift+F24"},
        {"", true, std::nullopt, ""},  // empty: no hotkey
        {"   ", true, std::nullopt, ""},
        {"K", false, {}, ""},                // a bare letter would stop its typing everywhere
        {"Shift+K", false, {}, ""},          // and so would a capital one
        {"Ctrl+Ctrl+K", false, {}, ""},      // a modifier twice
        {"Ctrl+Shift", false, {}, ""},       // no key
        {"Ctrl+", false, {}, ""},
        {"+K", false, {}, ""},
        {"Ctrl+Hyper+K", false, {}, ""},
        {"Ctrl+KK", false, {}, ""},
        {"Ctrl+F25", false, {}, ""},
        {"Ctrl+F0", false, {}, ""},
        {"Ctrl+F01", false, {}, ""},
        {"Ctrl+Ä", false, {}, ""},
        {"Ctrl+-", false, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::optional<Hotkey> key = Hotkey{false, false, false, true, 'Q'};  // untouched unless readable
        EXPECT_EQ(ParseHotkey(c.text, key), c.readable);
        if (!c.readable) {
            EXPECT_EQ(key, (Hotkey{false, false, false, true, 'Q'}));
            continue;
        }
        EXPECT_EQ(key, c.key);
        EXPECT_EQ(HotkeyText(key), c.written);
    }
}

TEST(GlobalHotkeys, RegisteredWhileOnAKeyHeldElsewhereReportedOnceAndAllReleasedWhenOff) {
    FakeHotkeys system;
    system.taken = {*kDefaultHotkeys[1]};  // another program holds Ctrl+Shift+Alt+C
    GlobalHotkeys hotkeys(system);
    EXPECT_TRUE(hotkeys.Apply(false, kDefaultHotkeys).empty());
    EXPECT_TRUE(system.registered.empty());

    EXPECT_EQ(hotkeys.Apply(true, kDefaultHotkeys), std::vector<std::string>{"Ctrl+Shift+Alt+C"});
    EXPECT_EQ(system.registered.size(), 3u);
    const int attempts = system.registrations;
    EXPECT_TRUE(hotkeys.Apply(true, kDefaultHotkeys).empty());  // settled: nothing tried again
    EXPECT_EQ(system.registrations, attempts);
    for (const auto& [id, key] : system.registered) {
        const std::optional<HotkeyAction> action = GlobalHotkeys::ActionOf(id);
        ASSERT_TRUE(action);
        EXPECT_EQ(key, kDefaultHotkeys[static_cast<std::size_t>(*action)]);
    }

    // One key for two actions is the first one's, and nobody else's fault.
    HotkeySet twice = kDefaultHotkeys;
    twice[3] = twice[0];
    EXPECT_TRUE(hotkeys.Apply(true, twice).empty());
    EXPECT_EQ(system.registered.size(), 2u);

    hotkeys.ReleaseAll();
    EXPECT_TRUE(system.registered.empty());
    // Turned on anew, the held key is tried, and reported, again.
    EXPECT_EQ(hotkeys.Apply(true, kDefaultHotkeys).size(), 1u);
    EXPECT_FALSE(GlobalHotkeys::ActionOf(0));
    EXPECT_FALSE(GlobalHotkeys::ActionOf(5));
}

}  // namespace
}  // namespace orvelle::testing
