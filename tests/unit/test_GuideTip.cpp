// The tooltip beside a dragged guide: distances in pixels of the captured picture.
#include <gtest/gtest.h>

#include "LanguageFiles.h"
#include "MainWindowFixture.h"
#include "app/GuideTipText.h"

namespace orvelle::testing {
namespace {

TEST(GuideTipText, WholeLengthsAsTheyAreOthersToOneDecimal) {
    const NumberFormat english;
    const NumberFormat german{",", ".", 3};
    const struct {
        ScreenLength length;
        const char* english;
        const char* german;
    } cases[] = {
        {{0, 4}, "0", "0"},          {{12, 1}, "12", "12"},       {{25, 2}, "12.5", "12,5"},
        {{1, 7}, "0.1", "0,1"},      {{51, 7}, "7.3", "7,3"},     {{67, 32}, "2.1", "2,1"},
        {{1, 20}, "0.1", "0,1"},     // a half tenth rounds up
        {{1999, 1000}, "2.0", "2,0"},  // not whole, though it rounds to a whole number
        {{2468000, 2}, "1,234,000", "1.234.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.length.numerator) + "/" + std::to_string(c.length.denominator));
        EXPECT_EQ(ScreenLengthText(c.length, english), c.english);
        EXPECT_EQ(ScreenLengthText(c.length, german), c.german);
    }
}

using GuideTip = MainWindowFixture;

TEST_F(GuideTip, ADraggedGuideTellsItsDistanceToTheOtherAndToTheEdgeAtAnyZoom) {
    // The lines start at the picture's left and top edges, 6 pixels thick; a
    // handle is 28 x 24 with its line across its middle.
    const struct {
        int zoom;
        GuidePart handle;
        int drag;  // view pixels right (vertical guides) or down
        const char* tip;
    } cases[] = {
        {2, GuidePart::imgIconV2, 30, "Distance: 20.5 px\r\nFrom left edge: 22 px"},
        {7, GuidePart::imgIconV2, 40, "Distance: 7.3 px\r\nFrom left edge: 7.7 px"},
        {7, GuidePart::imgIconV2, 3, "Distance: 2 px\r\nFrom left edge: 2.4 px"},
        {7, GuidePart::imgIconH1, 33, "Distance: 6 px\r\nFrom top edge: 6.4 px"},
        {32, GuidePart::imgIconV2, 53, "Distance: 2 px\r\nFrom left edge: 2.1 px"},
        {32, GuidePart::imgIconH1, 87, "Distance: 3 px\r\nFrom top edge: 3.1 px"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tip);
        view = FakeMainView{};
        Recreate();
        Start();
        view.bounds = Rect::FromSize(0, 0, 1200, 900);
        form->FormResize();
        DragZoom(c.zoom);
        const bool vertical = IsVertical(GuideOf(c.handle));
        screen.cursor = Point{600, 450};
        form->GuideMouseDown(c.handle);
        ASSERT_TRUE(view.guideTip);
        EXPECT_EQ(view.guideTipPointer, (Point{600, 450}));
        screen.cursor = vertical ? Point{600 + c.drag, 430} : Point{580, 450 + c.drag};
        form->GuideMouseMove(c.handle);
        EXPECT_EQ(view.guideTip.value_or(""), c.tip);
        EXPECT_EQ(view.guideTipPointer, screen.cursor);
        form->GuideMouseUp(c.handle);
        EXPECT_FALSE(view.guideTip);
    }
}

TEST_F(GuideTip, ALineDraggedItselfAndInTheChosenLanguage) {
    fileSystem.Add(kLanguageFolder, "Deutsch.lng",
                   LanguageFileBytes(u"000.:Deutsch:.000\r\n302.:Abstand:.302\r\n303.:Vom linken Rand:.303\r\n"));
    Start();
    DragZoom(2);
    form->Execute(form->LanguageItems().at(0));
    screen.cursor = Point{100, 100};
    form->GuideMouseDown(GuidePart::imgGuideV1);
    screen.cursor = Point{120, 300};
    form->GuideMouseMove(GuidePart::imgGuideV1);
    EXPECT_EQ(view.guideTip.value_or(""), "Abstand: 10 px\r\nVom linken Rand: 11.5 px");
    form->GuideMouseUp(GuidePart::imgGuideV1);
    EXPECT_FALSE(view.guideTip);
    // A move with no drag under way shows nothing.
    form->GuideMouseMove(GuidePart::imgGuideV1);
    EXPECT_FALSE(view.guideTip);
}

}  // namespace
}  // namespace orvelle::testing
