// Measuring that stays, a spot that stays, pictures saved as seen and as PNG,
// and the global hotkeys, through the main window's logic.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/ColorText.h"
#include "app/ProfileFile.h"
#include "engine/BmpCodec.h"

namespace orvelle::testing {
namespace {

class Capturing : public MainWindowFixture {
protected:
    void PointAt(Point at) {
        screen.cursor = at;
        clock.Advance(20);
        form->RefresherTimer();
    }
    // V2's handle dragged `by` view pixels right from where it starts.
    void DragV2(int by) {
        const Rect handle = form->State().guides.Bounds(GuidePart::imgIconV2);
        screen.cursor = Point{handle.left + 5, handle.top + 5};
        form->GuideMouseDown(GuidePart::imgIconV2);
        screen.cursor.x += by;
        form->GuideMouseMove(GuidePart::imgIconV2);
        form->GuideMouseUp(GuidePart::imgIconV2);
    }
};

TEST_F(Capturing, ALockKeepsTheViewOnItsColumnWhileThePointerMovesTheRow) {
    StartWith("[Magnification]\r\nLevel=8\r\n");
    PointAt({500, 400});
    form->Execute(CommandForKey('X', true, false, true));
    EXPECT_TRUE(form->Shown().Checked(Command::menuLockHorizontal));
    EXPECT_EQ(form->State().lockedColumn, 500);

    const Rect before = screen.captures.back();
    PointAt({900, 400});  // sideways: the view stays
    EXPECT_EQ(screen.captures.back(), before);
    EXPECT_EQ(view.statusTexts[3], "X: 500");
    EXPECT_EQ(view.statusTexts[kColorStatusPanel], HexColorText(FakeScreen::PixelAt(500, 400)));
    PointAt({900, 430});  // down: the row follows
    EXPECT_EQ(screen.captures.back().top, before.top + 30);
    EXPECT_EQ(view.statusTexts[4], "Y: 430");

    // The arrows move the locked column, and the pointer along the row.
    form->NudgePointer(1, 0, false);
    EXPECT_EQ(form->State().lockedColumn, 501);
    EXPECT_EQ(screen.cursor, (Point{900, 430}));
    EXPECT_EQ(view.statusTexts[3], "X: 501");
    form->NudgePointer(0, 1, true);
    EXPECT_EQ(screen.cursor, (Point{900, 438}));

    // Both: one spot stays live wherever the pointer goes.
    form->Execute(Command::menuLockVertical);
    EXPECT_EQ(form->State().lockedRow, 438);
    PointAt({10, 10});
    EXPECT_EQ(view.statusTexts[3], "X: 501");
    EXPECT_EQ(view.statusTexts[4], "Y: 438");
    screen.changed = std::pair{Point{501, 438}, Pixel{0xFF123456u}};  // still live, unlike Freeze
    PointAt({20, 20});
    EXPECT_EQ(view.statusTexts[kColorStatusPanel], "#123456");

    form->Execute(Command::menuLockHorizontal);
    form->Execute(Command::menuLockVertical);
    PointAt({30, 40});
    EXPECT_EQ(view.statusTexts[3], "X: 30");
    form->FormDestroy();
    const std::string file = *settings.Content();
    EXPECT_EQ(file.find("Lock"), std::string::npos);  // locks are not kept
}

TEST_F(Capturing, TheRectangleBetweenTheGuidesStaysOnTheStatusBarAndIsCopied) {
    Start();
    EXPECT_EQ(view.statusPanels[kMeasurementStatusPanel], 0);
    EXPECT_FALSE(form->Shown().Enabled(Command::menuCopyMeasurement));
    form->Execute(Command::menu8X);
    PointAt({500, 400});
    DragV2(80);  // the centres 91 view pixels apart: 11.4 screen pixels at 8 X
    EXPECT_EQ(view.statusTexts[kMeasurementStatusPanel], "11.4 × – px");
    EXPECT_GT(view.statusPanels[kMeasurementStatusPanel], 0);
    EXPECT_TRUE(form->Shown().Enabled(Command::menuCopyMeasurement));
    form->Execute(CommandForKey('M', true, false, true));
    EXPECT_EQ(clipboard.text, "11.4 × 0 px");

    // It follows the zoom, and a scaled monitor adds the logical size.
    form->Execute(Command::menu4X);
    screen.monitor.dpi = 144;
    PointAt({500, 400});
    const double viewDistance = (form->State().guides.Bounds(GuidePart::imgGuideV2).left -
                                 form->State().guides.Bounds(GuidePart::imgGuideV1).left);
    ASSERT_EQ(viewDistance, 91);
    EXPECT_EQ(view.statusTexts[kMeasurementStatusPanel], "22.8 × – px (15.2 × – at 150 %)");
    form->Execute(Command::menuCopyMeasurement);
    EXPECT_EQ(clipboard.text, "22.8 × 0 px (15.2 × 0 at 150 %)");
}

TEST_F(Capturing, SaveAsOffersBmpFirstWritesPngWhenChosenAndKeepsTheChoice) {
    StartWith("[Magnification]\r\nLevel=8\r\n");
    PointAt({500, 400});
    dialogs.saveAnswer = "C:\\Pictures\\view";
    dialogs.saveAnswerType = 1;
    form->Execute(Command::menuSaveAs);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].chosenType, 0u);
    const std::vector<std::uint8_t>& png = files.files.at("C:\\Pictures\\view");
    const TBitmap32 exported = form->Picture().ExportPicture();
    ASSERT_EQ(png.size(), 5u + 3u * static_cast<std::size_t>(exported.Width() * exported.Height()));
    EXPECT_EQ(std::string(png.begin(), png.begin() + 3), "PNG");
    EXPECT_EQ(png[5], static_cast<std::uint8_t>(exported.At(0, 0) >> 16));
    EXPECT_EQ(form->State().saveFormat, SaveFormat::Png);

    // Next time PNG is chosen at the start; a name typed with ".bmp" is a BMP all the same.
    dialogs.saveAnswer = "C:\\Pictures\\again.BMP";
    form->Execute(Command::menuSaveAs);
    EXPECT_EQ(dialogs.saveRequests[1].chosenType, 1u);
    EXPECT_TRUE(DecodeBmpFile(files.files.at("C:\\Pictures\\again.BMP")).ok());
    EXPECT_EQ(form->State().saveFormat, SaveFormat::Bmp);

    pictureEncoder.failure = MakeFailure("The codec is missing.");
    dialogs.saveAnswer = "C:\\Pictures\\third.png";
    form->Execute(Command::menuSaveAs);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"The codec is missing."});
    EXPECT_EQ(files.files.count("C:\\Pictures\\third.png"), 0u);
    form->FormDestroy();
    EXPECT_EQ(ProfileFile(*settings.Content()).ReadString("Options", "SaveFormat", ""), "PNG");
}

TEST_F(Capturing, SaveImageAsSeenHoldsTheGridTheSquareAndTheGuides) {
    StartWith("[Magnification]\r\nLevel=8\r\n[Grid]\r\nShowGrid=1\r\n[Options]\r\nSampleSize=3\r\n");
    PointAt({500, 400});
    DragV2(80);
    form->Execute(Command::menuFreeze);
    dialogs.saveAnswer = "C:\\seen.bmp";
    form->Execute(CommandForKey('A', true, false, true));
    EXPECT_EQ(dialogs.saveRequests.at(0).title, "Save Image as Seen...");
    const BmpDecoded saved = DecodeBmpFile(files.files.at("C:\\seen.bmp"));
    ASSERT_TRUE(saved.ok()) << saved.error;

    // What the view paints, with the guides over it.
    TBitmap32 seen(saved.picture.Width(), saved.picture.Height());
    form->PaintView(seen.Ref(), Rect{0, 0, seen.Width(), seen.Height()});
    view.PaintGuides(seen.Ref());
    const Rect line = form->State().guides.Bounds(GuidePart::imgGuideV2);
    EXPECT_EQ(seen.At(line.left, 100), FakeMainView::GuideColor(static_cast<std::size_t>(GuidePart::imgGuideV2)));
    for (int y = 0; y < seen.Height(); ++y)
        for (int x = 0; x < seen.Width(); ++x)
            ASSERT_EQ(saved.picture.At(x, y) & 0xFFFFFFu, seen.At(x, y) & 0xFFFFFFu) << x << ", " << y;
    // Unlike Save Image as, which has the enlargement alone.
    const TBitmap32 plain = form->Picture().ExportPicture();
    EXPECT_NE(plain.At(line.left, 100), seen.At(line.left, 100));
}

TEST_F(Capturing, QuickSaveWritesAPngBesideTheOthersAndSaysWhereForFiveSeconds) {
    Start();
    clock.now = LocalTime{2026, 12, 9, 14, 5, 12, 0};
    PointAt({500, 400});
    form->Execute(CommandForKey('S', true, false, true));
    const std::string folder = "C:\\Users\\Zoë\\Pictures\\Orvelle";
    const std::string first = folder + "\\Orvelle 2026-12-09 14-05-12.png";
    EXPECT_EQ(files.folders.count(folder), 1u);
    ASSERT_EQ(files.files.count(first), 1u);
    EXPECT_EQ(view.statusTexts[kNoteStatusPanel], "Saved to " + first);
    EXPECT_GT(view.statusPanels[kNoteStatusPanel], 0);

    form->Execute(Command::menuQuickSave);  // within the same second
    EXPECT_EQ(files.files.count(folder + "\\Orvelle 2026-12-09 14-05-12 (2).png"), 1u);

    clock.Advance(4900);
    form->RefresherTimer();
    EXPECT_NE(view.statusTexts[kNoteStatusPanel], "");
    clock.Advance(200);
    form->RefresherTimer();
    EXPECT_EQ(view.statusTexts[kNoteStatusPanel], "");
    EXPECT_EQ(view.statusPanels[kNoteStatusPanel], 0);

    // A folder of the user's own; one that cannot be made is reported, and nothing is written.
    files.folderFailure = MakeFailure("Access is denied.");
    form->Execute(Command::menuQuickSave);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Access is denied."});
    EXPECT_EQ(files.files.size(), 2u);
}

TEST_F(Capturing, GlobalHotkeysWhileCheckedAKeyHeldElsewhereToldOnceAndAllGoneAtExit) {
    hotkeys.taken = {Hotkey{true, true, true, false, 'K'}};
    StartWith("[Options]\r\nGlobalHotkeys=1\r\n[Hotkeys]\r\nFreeze=\r\nShow=Win+F9\r\nCopyColor=Ctrl+nonsense\r\n");
    EXPECT_TRUE(form->Shown().Checked(Command::menuGlobalHotkeys));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("Ctrl+Shift+Alt+K"), std::string::npos);
    // Freeze empty: none; CopyColor unreadable: its default; Show as stored.
    ASSERT_EQ(hotkeys.registered.size(), 2u);
    EXPECT_EQ(hotkeys.registered.begin()->second, (Hotkey{true, true, true, false, 'C'}));
    EXPECT_EQ(hotkeys.registered.rbegin()->second, (Hotkey{false, false, false, true, 0x78}));

    PointAt({321, 123});
    const int copyColorId = hotkeys.registered.begin()->first;
    form->HotkeyPressed(copyColorId);
    EXPECT_EQ(clipboard.text, HexColorText(FakeScreen::PixelAt(321, 123)));
    form->HotkeyPressed(hotkeys.registered.rbegin()->first);
    EXPECT_EQ(view.raised, 1);
    form->HotkeyPressed(999);  // none of ours

    form->Execute(Command::menuGlobalHotkeys);
    EXPECT_TRUE(hotkeys.registered.empty());
    form->Execute(Command::menuGlobalHotkeys);
    EXPECT_EQ(hotkeys.registered.size(), 2u);
    EXPECT_EQ(dialogs.errors.size(), 2u);  // turned on anew: told again
    form->FormDestroy();
    EXPECT_TRUE(hotkeys.registered.empty());
    EXPECT_EQ(ProfileFile(*settings.Content()).ReadString("Hotkeys", "CopyColor", "?"), "Ctrl+Shift+Alt+C");
    EXPECT_EQ(ProfileFile(*settings.Content()).ReadString("Hotkeys", "Freeze", "?"), "");
}

}  // namespace
}  // namespace orvelle::testing
