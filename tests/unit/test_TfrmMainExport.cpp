// Copying and saving the enlarged picture.
#include "MainWindowFixture.h"
#include "engine/BmpCodec.h"

namespace orvelle::testing {
namespace {

class Export : public MainWindowFixture {
protected:
    // Turns on every overlay, at zoom 8, and captures once.
    void PrepareOverlaidView() {
        Start();
        form->Execute(Command::menu8X);
        form->Execute(Command::menuShowGrid);
        form->Execute(Command::menuShowCursor);
        ASSERT_TRUE(form->Shown().Checked(Command::menuShowCursor));
        screen.cursor = Point{600, 420};
        form->RefresherTimer();
    }

    void SaveWhileThePointerMoves() {
        dialogs.saveAnswer = "C:\\shot.bmp";
        dialogs.whileOpen = [this] {
            for (int tick = 0; tick < 3; ++tick) {
                screen.cursor.x += 31;
                screen.cursor.y += 7;
                clock.Advance(20);
                form->RefresherTimer();
            }
        };
        form->Execute(Command::menuSaveAs);
        dialogs.whileOpen = nullptr;
    }
};

// Precise at zoom z: every z x z block of the picture is the screen pixel it enlarges.
void ExpectBlocksOfTheScreen(const TBitmap32& picture, Rect source, int zoom) {
    ASSERT_EQ(picture.Width(), source.Width() * zoom);
    ASSERT_EQ(picture.Height(), source.Height() * zoom);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const Pixel screenPixel = FakeScreen::PixelAt(source.left + x / zoom, source.top + y / zoom);
            // The top byte carries no colour; only the colour has to be exact.
            ASSERT_EQ(picture.At(x, y) & 0xFFFFFF, screenPixel & 0xFFFFFF) << x << ", " << y;
        }
}

TEST_F(Export, CopyPutsThePlainEnlargementOnTheClipboard) {
    PrepareOverlaidView();
    ASSERT_EQ(form->Picture().Capture().Width(), 47);
    ASSERT_EQ(form->Picture().Capture().Height(), 19);
    form->Execute(Command::menuCopy);
    ASSERT_TRUE(clipboard.bitmap.has_value());
    EXPECT_EQ(clipboard.emptied, 1);
    ExpectBlocksOfTheScreen(*clipboard.bitmap, screen.captures.back(), 8);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(Export, SmoothExportIsTheViewWithoutItsOverlays) {
    PrepareOverlaidView();
    form->Execute(Command::menuSmooth);
    form->Execute(Command::menuLanczos);
    form->Execute(Command::menuFreeze);
    form->Execute(Command::menuCopy);
    ASSERT_TRUE(clipboard.bitmap.has_value());
    const TBitmap32 exported = *clipboard.bitmap;

    // The view with every overlay off shows exactly the exported pixels.
    form->Execute(Command::menuShowGrid);
    form->Execute(Command::menuShowCursor);
    form->RefresherTimer();
    TBitmap32 shown(exported.Width(), exported.Height());
    form->PaintView(shown.Ref(), Rect{0, 0, shown.Width(), shown.Height()});
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) ASSERT_EQ(exported.At(x, y), shown.At(x, y)) << x << ", " << y;
}

TEST_F(Export, SaveAsWritesTheBmpUnderTheChosenName) {
    PrepareOverlaidView();
    const std::string name = "C:\\Users\\Zoë\\Bilder\\Größe 日本.bmp";
    dialogs.saveAnswer = name;
    form->Execute(Command::menuSaveAs);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const SaveDialogRequest& asked = dialogs.saveRequests[0];
    EXPECT_EQ(asked.title, "Save Image as...");
    ASSERT_EQ(asked.types.size(), 2u);
    EXPECT_EQ(asked.types[0].name, "Bitmap (*.bmp)");
    EXPECT_EQ(asked.types[0].pattern, "*.bmp");
    EXPECT_EQ(asked.types[0].extension, "bmp");
    EXPECT_EQ(asked.types[1].name, "PNG (*.png)");
    EXPECT_EQ(asked.types[1].pattern, "*.png");
    EXPECT_EQ(asked.types[1].extension, "png");
    EXPECT_EQ(asked.chosenType, 0u);  // BMP first and chosen

    ASSERT_EQ(files.files.count(name), 1u);
    const std::vector<std::uint8_t>& bytes = files.files[name];
    EXPECT_EQ(bytes.size(), 228662u);  // 54 + 4 * 376 * 152
    const BmpDecoded decoded = DecodeBmpFile(bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    ExpectBlocksOfTheScreen(decoded.picture, screen.captures.back(), 8);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(Export, CancelledDialogWritesNothingAndSaysNothing) {
    PrepareOverlaidView();
    form->Execute(Command::menuSaveAs);
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(files.files.empty());
    EXPECT_TRUE(dialogs.errors.empty());
}

// The view refreshes behind the open dialog while the pointer moves; the
// file shows the capture of the last tick before the dialog closed.
TEST_F(Export, SavedPictureIsTheLastTickBeforeTheDialogClosed) {
    PrepareOverlaidView();
    SaveWhileThePointerMoves();
    const BmpDecoded decoded = DecodeBmpFile(files.files.at("C:\\shot.bmp"));
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    ASSERT_EQ(screen.captures.size(), 4u);
    ASSERT_NE(screen.captures.back(), screen.captures.front());
    ExpectBlocksOfTheScreen(decoded.picture, screen.captures.back(), 8);
}

TEST_F(Export, FrozenPictureIsSavedWhateverThePointerDoes) {
    PrepareOverlaidView();
    const Rect frozenSource = screen.captures.back();
    form->Execute(Command::menuFreeze);
    SaveWhileThePointerMoves();
    const BmpDecoded decoded = DecodeBmpFile(files.files.at("C:\\shot.bmp"));
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    ExpectBlocksOfTheScreen(decoded.picture, frozenSource, 8);
}

TEST_F(Export, FailuresShowTheSystemsTextAndTheViewGoesOn) {
    PrepareOverlaidView();
    const int interval = form->Shown().Timer(Timer::Refresher);
    ASSERT_GT(interval, 0);
    clipboard.failure = MakeFailure("The clipboard is held by another program.");
    form->Execute(Command::menuCopy);
    files.failure = MakeFailure("Access is denied.");
    dialogs.saveAnswer = "C:\\Windows\\shot.bmp";
    form->Execute(Command::menuSaveAs);
    EXPECT_EQ(dialogs.errors,
              (std::vector<std::string>{"The clipboard is held by another program.", "Access is denied."}));
    EXPECT_TRUE(files.files.empty());

    // Nothing of the window changed, and the refresh goes on.
    EXPECT_EQ(form->Shown().Timer(Timer::Refresher), interval);
    EXPECT_FALSE(form->Shown().Checked(Command::menuFreeze));
    const int repaints = view.repaints;
    screen.cursor.x += 50;
    form->RefresherTimer();
    EXPECT_GT(view.repaints, repaints);
    EXPECT_EQ(screen.captures.back().left, 650 - 23);
}

}  // namespace
}  // namespace orvelle::testing
