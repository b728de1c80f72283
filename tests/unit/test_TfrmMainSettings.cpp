// The settings file as the main window reads and writes it.
#include <cstdint>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ProfileFile.h"

namespace orvelle::testing {
namespace {

class Settings : public MainWindowFixture {
protected:
    std::string Stored(const char* section, const char* key) {
        return ProfileFile(*settings.Content()).ReadString(section, key, "<missing>");
    }
    void Exit() { form->FormDestroy(); }
};

TEST_F(Settings, FirstExitWritesTheDefaultFile) {
    Start();  // no file
    Exit();
    ASSERT_TRUE(settings.Content().has_value());
    EXPECT_EQ(*settings.Content(),
              "[Magnification]\r\nPrecise=1\r\nSmoothing=Simple\r\nLevel=8\r\nRefresh=40ms\r\nOwnWindow=1\r\n"
              "Vision=NORMAL\r\n"
              "[Grid]\r\nShowCursor=0\r\nShowGrid=0\r\nRastered=0\r\nColor=0\r\n"
              "[Options]\r\nAlwaysOnTop=0\r\nShowToolbar=1\r\nShowStatusbar=1\r\nSnapToEdge=0\r\nLanguage=EN\r\n"
              "Autostart=0\r\nStartupCheck=1\r\nColorFormat=HEX\r\nColorTemplate={r}, {g}, {b}\r\nSampleSize=1\r\n"
              "SaveFormat=BMP\r\nQuickSaveFolder=\r\nGlobalHotkeys=0\r\nSaveSettings=1\r\n"
              "[Hotkeys]\r\nFreeze=Ctrl+Shift+Alt+F\r\nCopyColor=Ctrl+Shift+Alt+C\r\nPinColor=Ctrl+Shift+Alt+K\r\n"
              "Show=Ctrl+Shift+Alt+Z\r\n"
              "[Window]\r\nMaximized=0\r\nLeft=601\r\nTop=374\r\nWidth=400\r\nHeight=300\r\n");
}

struct LevelCase {
    const char* text;
    int zoom;
};

TEST_F(Settings, LevelIsClampedAndParsedLikeAnyInteger) {
    const LevelCase cases[] = {{"100", 32}, {"0", 2}, {"abc", 8}, {"5", 5}, {"0x10", 16}, {"$10", 16},
                               {"-3", 2},   {"", 8},  {"0x", 8},  {"12", 12}};
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(c.text);
        view = FakeMainView{};
        Recreate();
        StartWith(std::string("[Magnification]\nLevel=") + c.text + "\n");
        EXPECT_EQ(form->State().zoom, c.zoom);
        EXPECT_EQ(view.zoomLabel, std::to_string(c.zoom) + " X");
    }
}

TEST_F(Settings, OddValuesGiveTheDefaultOrTheNearestSaneState) {
    struct Case {
        const char* file;
        int zoom;
        int refreshMs;
        bool precise;
        bool grid;
    };
    const Case cases[] = {
        {"[Magnification]\nLevel=99999999999999999999\n", 8, 40, true, false},  // beyond 32 bits: no number
        {"[Magnification]\nLevel=$FFFFFFFF\n", 2, 40, true, false},
        {"[Magnification]\nLevel=-2147483648\nRefresh=0ms\n", 2, 40, true, false},
        {"[Magnification]\nLevel= 1e3 \nRefresh=20MS\nPrecise=\n", 8, 40, true, false},
        {"[Magnification]\nLevel=\"24\"\nRefresh='1s'\nPrecise=0x0\n", 24, 1000, false, false},
        {"[Magnification]\nPrecise=-1\n[Grid]\nShowGrid=2147483647\n", 8, 40, true, true},
        {"[Grid]\nShowGrid=\xEF\xBC\x91\nColor=-1\n", 8, 40, true, false},  // a full-width digit one
        {"[Magnification]\nLevel=\0" "16\n", 8, 40, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        view = FakeMainView{};
        Recreate();
        StartWith(c.file);
        EXPECT_EQ(form->State().zoom, c.zoom);
        EXPECT_EQ(form->State().RefreshIntervalMs(), c.refreshMs);
        EXPECT_EQ(form->Shown().Checked(Command::menuPrecise), c.precise);
        EXPECT_EQ(form->Shown().Checked(Command::menuShowGrid), c.grid);
        EXPECT_EQ(form->State().gridColor, 0);
        EXPECT_TRUE(dialogs.errors.empty());
    }
}

TEST_F(Settings, GarbageAndHugeLinesAreReadAsNoSettingsAndSurviveTheWrite) {
    std::string garbage(100 << 20, '\0');
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    for (char& c : garbage) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        c = static_cast<char>(state >> 56);
    }
    garbage[0] = 'x';  // no byte-order mark of UTF-16 by chance
    const std::string longForeign = "[Other]\r\nNotes=" + std::string(1'000'000, 'n') + "\r\n";
    const std::string longOwn = "[Magnification]\r\nLevel=" + std::string(1'000'000, '7') + "\r\n";
    for (const std::string* content : std::vector<const std::string*>{&garbage, &longForeign, &longOwn}) {
        SCOPED_TRACE(content->size());
        view = FakeMainView{};
        Recreate();
        StartWith(*content);
        EXPECT_EQ(form->State().zoom, 8);
        Exit();
        EXPECT_TRUE(dialogs.errors.empty());
        const std::string& written = *settings.Content();
        if (content == &longOwn) {
            EXPECT_EQ(Stored("Magnification", "Level"), "8");
        } else {
            EXPECT_EQ(written.compare(0, content->size(), *content), 0) << "the original bytes come first, unchanged";
            EXPECT_EQ(Stored("Magnification", "Level"), "8");
        }
    }
}

TEST_F(Settings, TheDesignedLevelIsCheckedInTheMenuWhenStored) {
    StartWith("[Magnification]\nLevel=10\n");
    EXPECT_TRUE(view.IsChecked(Command::menu10X));
    EXPECT_FALSE(view.IsChecked(Command::menu8X));
    EXPECT_EQ(view.zoomLabel, "10 X");
}

TEST_F(Settings, OddLevelChecksNoLevelItem) {
    StartWith("[Magnification]\nLevel=5\n");
    for (Command level : {Command::menu2X, Command::menu4X, Command::menu6X, Command::menu8X, Command::menu10X,
                          Command::menu12X, Command::menu16X, Command::menu24X, Command::menu32X})
        EXPECT_FALSE(form->Shown().Checked(level));
    EXPECT_EQ(view.zoomLabel, "5 X");
}

TEST_F(Settings, TextsAreCaseSensitiveAndUnknownOnesGiveTheDefault) {
    StartWith("[Magnification]\nPrecise=0\nSmoothing=linear\nRefresh=100ms\n");
    EXPECT_TRUE(form->Shown().Checked(Command::menuSmooth));
    EXPECT_TRUE(form->Shown().Checked(Command::menuSimple));
    EXPECT_FALSE(form->Shown().Checked(Command::menuLinear));
    EXPECT_EQ(form->State().RefreshIntervalMs(), 40);
    EXPECT_TRUE(form->Shown().Checked(Command::menu40ms));
}

TEST_F(Settings, GridColourMustBeAStandardColour) {
    StartWith("[Grid]\nColor=123\n");
    EXPECT_EQ(form->State().gridColor, 0);
    EXPECT_TRUE(form->Shown().Checked(ColorItem(0)));
    view = FakeMainView{};
    Recreate();
    StartWith("[Grid]\nColor=255\n");
    EXPECT_EQ(form->State().gridColor, 9);
    EXPECT_TRUE(form->Shown().Checked(ColorItem(9)));
    EXPECT_EQ(view.gridColorSelection, 9);
    EXPECT_EQ(view.menu[Command::menuColor].image, MenuImage::Swatch(kStandardColors[9].value));
}

TEST_F(Settings, UnknownLanguageGivesEnglishAndEnglishIsWrittenBack) {
    StartWith("[Options]\nLanguage=DE\n");
    EXPECT_TRUE(form->Shown().Checked(Command::menuEN));
    Exit();
    EXPECT_EQ(Stored("Options", "Language"), "EN");
}

TEST_F(Settings, WindowIsPlacedOnItsMonitorWithTheMinimumSize) {
    StartWith("[Window]\nLeft=-5000\nTop=100\nWidth=100\nHeight=100\n");
    EXPECT_EQ(view.bounds, Rect::FromSize(0, 100, 320, 300));
}

TEST_F(Settings, WindowLargerThanItsMonitorEndsFlushWithItsRightEdge) {
    // The system lets a window grow to the screen and its frame, no further; placing pulls back by what it got.
    view.maximum = Size{1936, 1096};
    StartWith("[Window]\nLeft=100\nTop=50\nWidth=3840\nHeight=1200\n");
    EXPECT_EQ(view.bounds, Rect::FromSize(1920 - 1936, 1080 - 1096, 1936, 1096));
}

TEST_F(Settings, HostileBoundsLeaveTheWindowOnItsMonitorAndTheBufferWithinTheScreen) {
    // As under a system that sets no largest size of its own.
    view.maximum = Size{1 << 30, 1 << 30};
    const std::vector<std::string> windows = {
        "Left=2147483647\nTop=0\nWidth=400\nHeight=300",
        "Left=0\nTop=0\nWidth=400\nHeight=2147483647",
        "Left=-2147483648\nTop=-2147483648\nWidth=2147483647\nHeight=2147483647",
        "Left=0\nTop=0\nWidth=2000000000\nHeight=2000000000",
        "Left=40000\nTop=40000\nWidth=40000\nHeight=40000",
        "Left=$7FFFFFFF\nTop=$80000000\nWidth=-1\nHeight=-2147483648",
    };
    for (const std::string& window : windows) {
        SCOPED_TRACE(window);
        view = FakeMainView{};
        view.maximum = Size{1 << 30, 1 << 30};
        Recreate();
        StartWith("[Magnification]\nLevel=2\n[Window]\n" + window + "\n");
        const Rect& b = view.bounds;
        EXPECT_GE(b.left, -view.frame.width);
        EXPECT_GE(b.top, -view.frame.height);
        EXPECT_LE(b.right, 1920);
        EXPECT_LE(b.bottom, 1080);
        EXPECT_LE(form->Picture().Capture().Width(), 1920);
        EXPECT_LE(form->Picture().Capture().Height(), 1080);
        Exit();
        EXPECT_EQ(Stored("Window", "Left"), std::to_string(b.left));
        EXPECT_EQ(Stored("Window", "Height"), std::to_string(b.Height()));
    }
}

TEST_F(Settings, AnEightKViewAtLevelTwoCapturesHalfTheScreen) {
    screen.virtualScreen = Rect::FromSize(0, 0, 7680, 4320);
    screen.primary = Size{7680, 4320};
    screen.monitor = {screen.virtualScreen, Rect::FromSize(0, 0, 7680, 4280)};
    view.maximum = Size{7680 + view.frame.width, 4320 + view.frame.height};
    StartWith("[Magnification]\nLevel=2\n[Window]\nLeft=0\nTop=0\nWidth=9000\nHeight=9000\n");
    EXPECT_EQ(view.bounds.right, 7680);
    const Size client = view.ClientSize();
    EXPECT_LE(form->Picture().Capture().Width() * 2, client.width);
    EXPECT_GE(form->Picture().Capture().Width(), 3800);
    EXPECT_GE(form->Picture().Capture().Height(), 2000);
    form->RefresherTimer();
    EXPECT_EQ(form->Picture().Capture().At(0, 0), screen.PixelAt(form->Picture().CaptureOrigin().x, form->Picture().CaptureOrigin().y));
}

TEST_F(Settings, MaximizedExitKeepsTheStoredNormalBounds) {
    StartWith("[Window]\nLeft=10\nTop=20\nWidth=500\nHeight=400\n");
    view.state = WindowState::Maximized;
    view.bounds = Rect::FromSize(0, 0, 1920, 1040);
    Exit();
    EXPECT_EQ(Stored("Window", "Maximized"), "1");
    EXPECT_EQ(Stored("Window", "Left"), "10");
    EXPECT_EQ(Stored("Window", "Width"), "500");
    // And it comes back maximised over those bounds.
    view = FakeMainView{};
    Recreate();
    Start();
    EXPECT_EQ(view.state, WindowState::Maximized);
    EXPECT_EQ(view.bounds, Rect::FromSize(10, 20, 500, 400));
}

TEST_F(Settings, SaveSettingsOffStoresOnlyThatSwitch) {
    StartWith("[Magnification]\nLevel=12\n");
    form->Execute(Command::menu4X);
    form->Execute(Command::menuSave);
    Exit();
    EXPECT_EQ(*settings.Content(), "[Magnification]\nLevel=12\n[Options]\r\nSaveSettings=0\r\n");
    view = FakeMainView{};
    Recreate();
    Start();
    EXPECT_FALSE(form->Shown().Checked(Command::menuSave));
    EXPECT_EQ(form->State().zoom, 12);
}

TEST_F(Settings, AutostartFromTheFileOnlySetsTheCheckMark) {
    StartWith("[Options]\nAutostart=1\n");
    EXPECT_TRUE(form->Shown().Checked(Command::menuAutostart));
    EXPECT_TRUE(startupList.values.empty());
}

TEST_F(Settings, NonDefaultStateSurvivesARestart) {
    Start();
    form->Execute(Command::menuSmooth);
    form->Execute(Command::menuLanczos);
    DragZoom(7);
    form->Execute(Command::menu05s);
    form->Execute(Command::menuOwn);
    form->Execute(ColorItem(9));
    form->Execute(Command::menuShowGrid);
    form->Execute(Command::menuShowCursor);
    form->Execute(Command::menuRastered);
    form->Execute(Command::menuOnTop);
    form->Execute(Command::menuSnap);
    form->Execute(Command::menuToolbar);
    form->Execute(Command::menuStatusbar);
    form->Execute(Command::menuStartupCheck);
    view.bounds = Rect::FromSize(123, 45, 640, 480);
    Exit();
    const std::string first = *settings.Content();

    view = FakeMainView{};
    Recreate();
    Start();
    EXPECT_TRUE(form->Shown().Checked(Command::menuSmooth));
    EXPECT_EQ(form->Picture().Capture().StretchFilter(), TStretchFilter::sfLanczos);
    EXPECT_EQ(form->State().zoom, 7);
    EXPECT_EQ(form->State().RefreshIntervalMs(), 500);
    EXPECT_FALSE(form->Shown().Checked(Command::menuOwn));
    EXPECT_EQ(form->State().gridColor, 9);
    EXPECT_TRUE(form->Shown().ButtonDown(ToolButton::tbGrid));
    EXPECT_TRUE(form->Shown().ButtonDown(ToolButton::tbCursor));
    EXPECT_TRUE(form->Shown().ButtonDown(ToolButton::tbRastered));
    EXPECT_FALSE(form->Shown().Enabled(Command::menuColor));
    EXPECT_TRUE(view.topmost);
    EXPECT_TRUE(form->Shown().Checked(Command::menuSnap));
    EXPECT_FALSE(form->Shown().Place(Control::ToolBar1).visible);
    EXPECT_FALSE(form->Shown().Place(Control::StatusBar1).visible);
    EXPECT_FALSE(form->Shown().Checked(Command::menuStartupCheck));
    EXPECT_EQ(view.bounds, Rect::FromSize(123, 45, 640, 480));
    Exit();
    EXPECT_EQ(*settings.Content(), first);
}

TEST_F(Settings, OtherLinesOfTheFileSurviveAWrite) {
    const std::string original =
        "; written by hand\r\n[Magnification]\r\nLevel=16\r\nComment=keep me\r\n\r\n[Other]\r\nx=1\r\n";
    StartWith(original);
    Exit();
    const std::string& written = *settings.Content();
    EXPECT_EQ(written.rfind("; written by hand\r\n[Magnification]\r\nLevel=16\r\nComment=keep me\r\n", 0), 0u);
    EXPECT_NE(written.find("\r\n[Other]\r\nx=1\r\n"), std::string::npos);
    EXPECT_EQ(Stored("Magnification", "Comment"), "keep me");
}

TEST_F(Settings, UnwritableFileIsReportedWithItsPath) {
    settings.FailWrites();
    Start();
    Exit();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Unable to write to C:\\Program Files\\Orvelle\\Orvelle.ini");
    EXPECT_FALSE(view.TimerRunning(Timer::Refresher));
}

TEST_F(Settings, FileThatCouldNotBeReadIsNotOverwritten) {
    settings = InMemorySettingsStore(std::string("[Magnification]\nLevel=16\n"));
    settings.FailReads();
    Start();
    EXPECT_EQ(form->State().zoom, 8);  // defaults, for this run only
    Exit();
    EXPECT_TRUE(settings.Writes().empty());
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(Settings, FailedStartUpDoesNotOverwriteTheFile) {
    settings = InMemorySettingsStore(std::string("[Magnification]\nLevel=16\n"));
    view.captionFails = true;
    Start();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Cannot set the caption");
    Exit();
    EXPECT_TRUE(settings.Writes().empty());
    EXPECT_EQ(*settings.Content(), "[Magnification]\nLevel=16\n");
}

}  // namespace
}  // namespace orvelle::testing
