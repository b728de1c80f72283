#include "web/AnswerDialogLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvelle {
namespace {

// The default font's texts: 13 pixels high, captions up to 33 wide.
constexpr Size kOneLine{180, 13};
constexpr Size kCaption{20, 13};

TEST(AnswerDialogLayout, OneButtonAndOneLine) {
    const std::vector<Size> buttons{kCaption};
    const AnswerDialogLayout layout = LayoutAnswerDialog(kOneLine, buttons, true, 96);
    EXPECT_EQ(layout.label, Rect::FromSize(72, 24, 180, 32));
    EXPECT_EQ(layout.frame, Rect::FromSize(8, 8, 72 + 180 + 8, 64));
    EXPECT_EQ(layout.icon, Rect::FromSize(24, 24, 32, 32));
    EXPECT_EQ(layout.client, (Size{260 + 65 + 24, 80}));
    ASSERT_EQ(layout.buttons.size(), 1u);
    EXPECT_EQ(layout.buttons[0], (Rect{276, 47, 276 + 65, 72}));
}

TEST(AnswerDialogLayout, TwoButtonsStackUpFromTheBottom) {
    const std::vector<Size> buttons{kCaption, Size{33, 13}};
    const AnswerDialogLayout layout = LayoutAnswerDialog(kOneLine, buttons, true, 96);
    EXPECT_EQ(layout.label.Height(), 32);
    EXPECT_EQ(layout.client.height, 80);
    ASSERT_EQ(layout.buttons.size(), 2u);
    EXPECT_EQ(layout.buttons[0].top, 14);
    EXPECT_EQ(layout.buttons[1].top, 47);
    EXPECT_EQ(layout.buttons[1].Width(), 65);
}

TEST(AnswerDialogLayout, AShortMessageGrowsToTheButtonColumn) {
    const std::vector<Size> buttons{kCaption, kCaption, kCaption};
    const AnswerDialogLayout layout = LayoutAnswerDialog(Size{200, 52}, buttons, true, 96);
    EXPECT_EQ(layout.label.Height(), 59);
    EXPECT_EQ(layout.frame.Height(), 91);
    EXPECT_EQ(layout.client.height, 107);
    EXPECT_EQ(layout.buttons[2].bottom, 107 - 8);
    // A tall message keeps its height.
    EXPECT_EQ(LayoutAnswerDialog(Size{200, 130}, buttons, true, 96).label.Height(), 130);
}

TEST(AnswerDialogLayout, WithoutAnIconTheMessageMovesLeft) {
    const std::vector<Size> buttons{kCaption};
    const AnswerDialogLayout with = LayoutAnswerDialog(kOneLine, buttons, true, 96);
    const AnswerDialogLayout without = LayoutAnswerDialog(kOneLine, buttons, false, 96);
    EXPECT_EQ(without.label.left, 24);
    EXPECT_TRUE(without.icon.IsEmpty());
    EXPECT_EQ(with.client.width - without.client.width, 48);
}

TEST(AnswerDialogLayout, WideOrTallCaptionsWidenAndHeightenEveryButton) {
    const std::vector<Size> buttons{Size{90, 13}, Size{10, 20}};
    const AnswerDialogLayout layout = LayoutAnswerDialog(kOneLine, buttons, true, 96);
    for (const Rect& b : layout.buttons) {
        EXPECT_EQ(b.Width(), 122);
        EXPECT_EQ(b.Height(), 32);
    }
    EXPECT_EQ(layout.client.width, layout.frame.right - 8 + 122 + 24);
}

TEST(AnswerDialogLayout, SizesScaleWithTheDpiAndTheTitleHasALeadingBlank) {
    const std::vector<Size> buttons{Size{30, 20}};
    const AnswerDialogLayout layout = LayoutAnswerDialog(Size{270, 20}, buttons, true, 144);
    EXPECT_EQ(layout.label, Rect::FromSize(108, 36, 270, 48));
    EXPECT_EQ(layout.icon, Rect::FromSize(36, 36, 48, 48));
    EXPECT_EQ(layout.client.height, 48 + 48 + 24);
    EXPECT_EQ(layout.buttons[0].Height(), 38);
    EXPECT_EQ(layout.buttons[0].bottom, layout.client.height - 12);
    EXPECT_EQ(AnswerDialogTitle("Orvelle"), " Orvelle");
}

}  // namespace
}  // namespace orvelle

namespace orvelle {
namespace {

TEST(TextDialogLayout, PromptOverTheFieldAndTheButtonsBottomRight) {
    const TextDialogLayout layout = LayoutTextDialog(Size{300, 65}, kCaption, 13, 96);
    // The designed width: 360 less the margins; a short prompt does not narrow it.
    EXPECT_EQ(layout.prompt, Rect::FromSize(12, 12, 336, 65));
    EXPECT_EQ(layout.edit, Rect::FromSize(12, 85, 336, 23));
    EXPECT_EQ(layout.cancel, Rect::FromSize(267, 120, 81, 25));
    EXPECT_EQ(layout.ok, Rect::FromSize(178, 120, 81, 25));
    EXPECT_EQ(layout.client, (Size{360, 157}));
}

TEST(TextDialogLayout, WidePromptsAndCaptionsWidenItAndTheDpiScalesIt) {
    const TextDialogLayout wide = LayoutTextDialog(Size{500, 13}, Size{200, 13}, 13, 96);
    EXPECT_EQ(wide.prompt.Width(), 500);
    EXPECT_EQ(wide.edit.Width(), 500);
    EXPECT_EQ(wide.ok.Width(), 216);
    EXPECT_EQ(wide.cancel.right, wide.edit.right);
    EXPECT_GE(wide.ok.left, wide.edit.left);
    // Two long captions side by side need more than the designed width.
    const TextDialogLayout captions = LayoutTextDialog(Size{10, 13}, Size{180, 13}, 13, 96);
    EXPECT_EQ(captions.client.width, 2 * 196 + 8 + 24);

    const TextDialogLayout scaled = LayoutTextDialog(Size{300, 130}, Size{40, 26}, 26, 192);
    EXPECT_EQ(scaled.client.width, 720);
    EXPECT_EQ(scaled.ok.Height(), 50);
    EXPECT_EQ(scaled.edit.top, 24 + 130 + 16);
}

}  // namespace
}  // namespace orvelle
