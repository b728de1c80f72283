// The colour inspector: formats, the average of an area, a pinned colour and
// its contrast, the ways others see, and the colours copied last.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/ColorText.h"
#include "app/SettingsBinding.h"
#include "engine/Vision.h"

namespace orvelle::testing {
namespace {

class Colors : public MainWindowFixture {
protected:
    void PointAt(Point at) {
        screen.cursor = at;
        clock.Advance(20);
        form->RefresherTimer();
    }
    std::string CopiedColor() {
        clipboard.text.reset();
        form->Execute(Command::menuCopyColor);
        return clipboard.text.value_or("(nothing)");
    }
};

TEST_F(Colors, TheChosenFormatIsShownAndCopied) {
    Start();
    PointAt({500, 400});  // #F49064
    const struct {
        Command item;
        const char* text;
    } rows[] = {
        {Command::menuFormatRgb, "rgb(244, 144, 100)"},
        {Command::menuFormatHsl, "hsl(18, 87%, 67%)"},
        {Command::menuFormatCmyk, "cmyk(0%, 41%, 59%, 4%)"},
        {Command::menuFormatHex, "#F49064"},
    };
    for (const auto& row : rows) {
        form->Execute(row.item);
        EXPECT_TRUE(form->Shown().Checked(row.item));
        // At once, without waiting for the next tick.
        EXPECT_EQ(view.statusTexts[kColorStatusPanel], row.text);
        EXPECT_EQ(CopiedColor(), row.text);
    }
}

TEST_F(Colors, TheTemplateIsEditedInItsDialogAndCancelKeepsIt) {
    Start();
    PointAt({500, 400});
    form->Execute(Command::menuFormatTemplate);
    EXPECT_EQ(CopiedColor(), "244, 144, 100");

    dialogs.textAnswer = "Color.FromArgb({r}, {g}, {b}) // {R}{G}{B}";
    form->Execute(Command::menuColorTemplate);
    ASSERT_EQ(dialogs.textRequests.size(), 1u);
    EXPECT_EQ(dialogs.textRequests[0].text, "{r}, {g}, {b}");
    EXPECT_NE(dialogs.textRequests[0].prompt.find("{rf}"), std::string::npos);
    EXPECT_EQ(view.statusTexts[kColorStatusPanel], "Color.FromArgb(244, 144, 100) // F49064");
    EXPECT_EQ(CopiedColor(), "Color.FromArgb(244, 144, 100) // F49064");

    dialogs.textAnswer.reset();
    form->Execute(Command::menuColorTemplate);
    EXPECT_EQ(dialogs.textRequests[1].text, "Color.FromArgb({r}, {g}, {b}) // {R}{G}{B}");
    EXPECT_EQ(form->State().colorTemplate, "Color.FromArgb({r}, {g}, {b}) // {R}{G}{B}");
}

TEST_F(Colors, TemplatesKeepTheirBlanksAndQuotesThroughARestart) {
    Start();
    const struct {
        const char* typed;
        const char* kept;
    } rows[] = {
        {" {r} ", " {r} "},
        {"\"{R}{G}{B}\"", "\"{R}{G}{B}\""},
        {"'{r}'", "'{r}'"},
        {"{r}\r\n{g}\n", "{r}  {g} "},  // pasted lines: one line in the file
        {"", ""},
    };
    for (const auto& row : rows) {
        dialogs.textAnswer = row.typed;
        form->Execute(Command::menuColorTemplate);
        EXPECT_EQ(form->State().colorTemplate, row.kept);
        ProfileFile file;
        WriteStoredSettings(form->State(), WindowState::Normal, Rect::FromSize(0, 0, 400, 300), file);
        const StoredSettings stored = ReadStoredSettings(MainState{}, file.Text(), LanguageChoices{}, WindowDefaults{});
        EXPECT_EQ(stored.state.colorTemplate, row.kept) << file.Text();
    }
}

TEST_F(Colors, TheColourPanelWidensToItsText) {
    Start();
    PointAt({500, 400});
    const int hexWidth = view.statusPanels[kColorStatusPanel];
    form->Execute(Command::menuFormatOklch);
    EXPECT_GT(view.statusPanels[kColorStatusPanel], hexWidth);
    form->Execute(Command::menuFormatHex);
    EXPECT_EQ(view.statusPanels[kColorStatusPanel], hexWidth);
}

// Reference: the mean of the fake screen's pixels (x, y, x ^ y in the low
// bytes) over the square, worked out by hand and checked in a script.
TEST_F(Colors, TheSampleIsTheMeanOfTheSquareOnTheScreen) {
    Start();
    const struct {
        Rect screens;
        Point pointer;
        Command size;
        const char* mean;
    } rows[] = {
        {Rect::FromSize(0, 0, 1920, 1080), {500, 400}, Command::menuSample1, "#F49064"},
        {Rect::FromSize(0, 0, 1920, 1080), {500, 400}, Command::menuSample3, "#F4906C"},
        {Rect::FromSize(0, 0, 1920, 1080), {500, 400}, Command::menuSample9, "#F4906E"},
        // At the corners only the pixels on the screen count: 4 of 9, 9 of 25.
        {Rect::FromSize(0, 0, 1920, 1080), {0, 0}, Command::menuSample3, "#010101"},
        {Rect::FromSize(0, 0, 1920, 1080), {1919, 1079}, Command::menuSample5, "#7E3649"},
        // A screen left of and above the primary one.
        {Rect{-1280, -200, 1920, 1080}, {-1280, -200}, Command::menuSample3, "#013939"},
    };
    for (const auto& row : rows) {
        screen.virtualScreen = row.screens;
        form->Execute(row.size);
        PointAt(row.pointer);
        EXPECT_EQ(view.statusTexts[kColorStatusPanel], row.mean) << row.pointer.x << ", " << row.pointer.y;
        EXPECT_EQ(CopiedColor(), row.mean);
    }
    EXPECT_EQ(view.statusTexts[0], "R: 1");
}

TEST_F(Colors, TheSampleIsReadFromTheScreenWhereTheViewShowsLess) {
    Start();
    const Size smallest = form->Shown().minimumSize;
    view.bounds = Rect::FromSize(760, 250, smallest.width, smallest.height);
    form->FormResize();
    form->Execute(Command::menu32X);
    form->Execute(Command::menuSample9);
    PointAt({500, 400});
    ASSERT_LT(form->Picture().Capture().Height(), 9);
    EXPECT_EQ(view.statusTexts[kColorStatusPanel], "#F4906E");
    ASSERT_FALSE(screen.captures.empty());
    EXPECT_EQ(screen.captures.back(), (Rect{496, 396, 505, 405}));
}

TEST_F(Colors, TheSampledSquareIsOutlinedWithOrWithoutTheMarker) {
    Start();
    form->Execute(Command::menu8X);
    PointAt({500, 400});
    ASSERT_FALSE(form->State().showCursor);
    const Size size = form->Shown().view;
    TBitmap32 plain(size.width, size.height), outlined(size.width, size.height);
    form->PaintView(plain.Ref(), Rect{0, 0, size.width, size.height});
    form->Execute(Command::menuSample3);
    form->RefresherTimer();
    form->PaintView(outlined.Ref(), Rect{0, 0, size.width, size.height});
    int changed = 0;
    Rect changedArea{size.width, size.height, 0, 0};
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            if (plain.At(x, y) != outlined.At(x, y)) {
                ++changed;
                changedArea = Rect{std::min(changedArea.left, x), std::min(changedArea.top, y),
                                   std::max(changedArea.right, x + 1), std::max(changedArea.bottom, y + 1)};
            }
    // An outline, not a filled square: 3 x 3 blocks of 8 pixels, drawn around them.
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, 24 * 24);
    EXPECT_GE(changedArea.Width(), 24);
    EXPECT_LE(changedArea.Width(), 28);
    EXPECT_EQ(changedArea.Width(), changedArea.Height());
}

TEST_F(Colors, APinnedColourShowsItsContrastAndCopiesTheReport) {
    Start();
    EXPECT_FALSE(form->Shown().Enabled(Command::menuCopyContrast));
    EXPECT_FALSE(form->Shown().Enabled(Command::menuUnpinColor));
    EXPECT_EQ(view.statusPanels[kContrastStatusPanel], 0);  // hidden
    PointAt({500, 400});
    form->Execute(CommandForKey('K', true, false, false));
    ASSERT_EQ(form->State().pinned, FakeScreen::PixelAt(500, 400));
    EXPECT_TRUE(form->Shown().Enabled(Command::menuCopyContrast));
    EXPECT_GT(view.statusPanels[kContrastStatusPanel], 0);
    EXPECT_EQ(view.statusSwatch, FakeScreen::PixelAt(500, 400));

    PointAt({20, 30});
    std::string summary;
    ContrastSummary(FakeScreen::PixelAt(500, 400), FakeScreen::PixelAt(20, 30), summary);
    EXPECT_EQ(view.statusTexts[kContrastStatusPanel], summary);
    form->Execute(CommandForKey('K', true, false, true));
    EXPECT_EQ(clipboard.text, ContrastReport(FakeScreen::PixelAt(500, 400), FakeScreen::PixelAt(20, 30)));
    EXPECT_EQ(clipboard.text->rfind("Text: #F49064\r\nBackground: #141E0A\r\n", 0), 0u);

    // Pressed again, it pins the colour read now; Unpin lets it go.
    form->Execute(Command::menuPinColor);
    EXPECT_EQ(form->State().pinned, FakeScreen::PixelAt(20, 30));
    form->Execute(Command::menuUnpinColor);
    EXPECT_FALSE(form->State().pinned);
    EXPECT_EQ(view.statusPanels[kContrastStatusPanel], 0);
    clipboard.text.reset();
    form->Execute(Command::menuCopyContrast);
    EXPECT_FALSE(clipboard.text);
}

TEST_F(Colors, AVisionModeChangesTheViewButNotTheColourRead) {
    Start();
    form->Execute(Command::menu4X);
    PointAt({500, 400});
    const Size size = form->Shown().view;
    TBitmap32 normal(size.width, size.height), seen(size.width, size.height);
    form->PaintView(normal.Ref(), Rect{0, 0, size.width, size.height});
    form->Execute(Command::menuCopy);
    const TBitmap32 exportedNormally = *clipboard.bitmap;

    form->Execute(Command::menuVisionDeuteranopia);
    form->RefresherTimer();
    form->PaintView(seen.Ref(), Rect{0, 0, size.width, size.height});
    for (int y = 0; y < size.height; y += 7)
        for (int x = 0; x < size.width; x += 5)
            ASSERT_EQ(seen.At(x, y) & 0xFFFFFF, SimulateVision(normal.At(x, y), VisionMode::Deuteranopia) & 0xFFFFFF)
                << x << ", " << y;
    EXPECT_EQ(view.statusTexts[kColorStatusPanel], "#F49064");
    EXPECT_EQ(CopiedColor(), "#F49064");
    form->Execute(Command::menuCopy);
    for (int y = 0; y < exportedNormally.Height(); ++y)
        for (int x = 0; x < exportedNormally.Width(); ++x)
            ASSERT_EQ(clipboard.bitmap->At(x, y), exportedNormally.At(x, y)) << x << ", " << y;

    // Ctrl+Shift+V steps through the modes, round again after the last.
    const VisionMode expected[] = {VisionMode::Tritanopia, VisionMode::Achromatopsia, VisionMode::Inverted,
                                   VisionMode::Normal, VisionMode::Protanopia};
    for (VisionMode mode : expected) {
        form->Execute(CommandForKey('V', true, false, true));
        EXPECT_EQ(form->State().vision, mode);
    }
    EXPECT_TRUE(form->Shown().Checked(Command::menuVisionProtanopia));
}

TEST_F(Colors, RecentColoursAreNewestFirstWithoutRepeatsAndCopyAgainInTheFormatNow) {
    Start();
    EXPECT_FALSE(form->Shown().Enabled(Command::menuRecentColors));
    for (int i = 0; i < 18; ++i) {
        PointAt({i, 0});
        CopiedColor();
    }
    PointAt({5, 0});
    CopiedColor();  // again: it moves to the front
    ASSERT_EQ(form->State().recentColors.size(), 16u);
    EXPECT_EQ(form->State().recentColors[0], FakeScreen::PixelAt(5, 0));
    EXPECT_EQ(form->State().recentColors[1], FakeScreen::PixelAt(17, 0));
    EXPECT_EQ(form->State().recentColors[15], FakeScreen::PixelAt(2, 0));  // 0 and 1 fell off
    const MenuItem* newest = form->Shown().Item(RecentColorItem(0));
    ASSERT_NE(newest, nullptr);
    EXPECT_EQ(newest->caption, "#050005");
    EXPECT_EQ(std::count_if(form->Shown().menu.begin(), form->Shown().menu.end(),
                            [](const MenuItem& item) { return item.parent == Command::menuRecentColors; }),
              16);

    form->Execute(Command::menuFormatRgb);
    clipboard.text.reset();
    form->Execute(RecentColorItem(1));
    EXPECT_EQ(clipboard.text, "rgb(17, 0, 17)");
    EXPECT_EQ(form->State().recentColors[0], FakeScreen::PixelAt(17, 0));

    // A copy that fails is no copy.
    clipboard.failure = MakeFailure("The clipboard is in use.");
    PointAt({100, 100});
    form->Execute(Command::menuCopyColor);
    EXPECT_EQ(form->State().recentColors[0], FakeScreen::PixelAt(17, 0));
}

TEST_F(Colors, SettingsKeepEverythingAndPassOverWhatIsNoValue) {
    StartWith(
        "[Magnification]\r\nVision=TRITANOPIA\r\n"
        "[Options]\r\nColorFormat=OKLCH\r\nColorTemplate={R}-{G}\r\nSampleSize=5\r\n"
        "[Colors]\r\nRecent1=#123456\r\nRecent2=red\r\nRecent3=#ABCDEF\r\nRecent4=#123456\r\nRecent17=#000000\r\n");
    EXPECT_EQ(form->State().vision, VisionMode::Tritanopia);
    EXPECT_EQ(form->State().colorFormat, ColorFormat::Oklch);
    EXPECT_EQ(form->State().colorTemplate, "{R}-{G}");
    EXPECT_EQ(form->State().sampleSize, 5);
    EXPECT_EQ(form->State().recentColors, (std::vector<Pixel>{0xFF123456u, 0xFFABCDEFu}));

    form->FormDestroy();
    const std::string written = *settings.Content();
    EXPECT_NE(written.find("Vision=TRITANOPIA\r\n"), std::string::npos);
    EXPECT_NE(written.find("ColorFormat=OKLCH\r\n"), std::string::npos);
    EXPECT_NE(written.find("SampleSize=5\r\n"), std::string::npos);
    EXPECT_NE(written.find("[Colors]\r\nRecent1=#123456\r\nRecent2=#ABCDEF\r\nRecent17=#000000\r\n"),
              std::string::npos)
        << written;
}

TEST_F(Colors, ValuesThatAreNotTheProgramsGiveTheDefaults) {
    StartWith("[Magnification]\r\nVision=normal\r\n[Options]\r\nColorFormat=hex2\r\nSampleSize=4\r\n");
    EXPECT_EQ(form->State().vision, VisionMode::Normal);
    EXPECT_EQ(form->State().colorFormat, ColorFormat::Hex);
    EXPECT_EQ(form->State().sampleSize, 1);
    EXPECT_TRUE(form->State().recentColors.empty());
}

}  // namespace
}  // namespace orvelle::testing
