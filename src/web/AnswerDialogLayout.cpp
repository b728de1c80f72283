#include "web/AnswerDialogLayout.h"

#include <algorithm>

#include "engine/Dpi.h"

namespace orvelle {

namespace {

// Designed at 96 DPI.
constexpr int kFrameInset = 8;       // the frame from the window's left and top
constexpr int kContentInset = 24;    // icon and message from the window's left and top
constexpr int kIconSide = 32;
constexpr int kLabelLeftWithIcon = 72;
constexpr int kFramePadding = 16;    // between the frame and what it holds, at the bottom and right
constexpr int kButtonMinHeight = 25;
constexpr int kButtonTextHeightPadding = 12;
constexpr int kButtonMinWidth = 65;
constexpr int kButtonTextWidthPadding = 32;
constexpr int kButtonGap = 8;
constexpr int kMinLabelHeight = 32;

}  // namespace

AnswerDialogLayout LayoutAnswerDialog(Size message, std::span<const Size> buttonTexts, bool hasIcon, int dpi) {
    auto scaled = [dpi](int designed) { return ScaleToDpi(designed, dpi); };
    AnswerDialogLayout layout;

    int buttonHeight = scaled(kButtonMinHeight);
    int buttonWidth = scaled(kButtonMinWidth);
    for (const Size& text : buttonTexts) {
        buttonHeight = std::max(buttonHeight, text.height + scaled(kButtonTextHeightPadding));
        buttonWidth = std::max(buttonWidth, text.width + scaled(kButtonTextWidthPadding));
    }
    const int count = static_cast<int>(buttonTexts.size());
    const int gap = scaled(kButtonGap);
    const int stackHeight = count * (buttonHeight + gap) - gap;

    // A short message grows to the button column's height, and never below
    // the icon's; the frame's padding counts on both sides.
    const int padding = 2 * scaled(kFramePadding);
    int labelHeight = message.height;
    if (labelHeight + padding < stackHeight || labelHeight < scaled(kMinLabelHeight))
        labelHeight = std::max(stackHeight - padding, scaled(kMinLabelHeight));

    const int labelLeft = scaled(hasIcon ? kLabelLeftWithIcon : kContentInset);
    const int contentTop = scaled(kContentInset);
    layout.label = Rect::FromSize(labelLeft, contentTop, message.width, labelHeight);
    if (hasIcon) layout.icon = Rect::FromSize(contentTop, contentTop, scaled(kIconSide), scaled(kIconSide));

    // Measured from the window's left edge to the label's right plus the
    // frame's inset, which leaves the frame's padding on its right.
    const int frameWidth = labelLeft + message.width + scaled(kFrameInset);
    const int frameHeight = labelHeight + padding;
    layout.frame = Rect::FromSize(scaled(kFrameInset), scaled(kFrameInset), frameWidth, frameHeight);
    layout.client = Size{frameWidth + buttonWidth + scaled(kContentInset), frameHeight + scaled(kFramePadding)};

    for (int i = 0; i < count; ++i)
        layout.buttons.push_back(Rect::FromSize(frameWidth + scaled(kFramePadding),
                                                layout.client.height - (count - i) * (buttonHeight + gap),
                                                buttonWidth, buttonHeight));
    return layout;
}

TextDialogLayout LayoutTextDialog(Size prompt, Size button, int editText, int dpi) {
    const auto s = [dpi](int designed) { return ScaleToDpi(designed, dpi); };
    const int margin = s(12);
    const int gap = s(8);
    const Size buttonSize{std::max(s(81), button.width + s(16)), std::max(s(25), button.height + s(8))};
    const int width = std::max({s(360) - 2 * margin, prompt.width, 2 * buttonSize.width + gap});
    TextDialogLayout layout;
    layout.prompt = Rect::FromSize(margin, margin, width, prompt.height);
    // As tall as a dialog unit template makes an edit field: 14 units, 23 pixels at 96 DPI.
    layout.edit = Rect::FromSize(margin, layout.prompt.bottom + gap, width, std::max(s(23), editText + s(10)));
    const int buttonsTop = layout.edit.bottom + margin;
    layout.cancel = Rect::FromSize(margin + width - buttonSize.width, buttonsTop, buttonSize.width, buttonSize.height);
    layout.ok = Rect::FromSize(layout.cancel.left - gap - buttonSize.width, buttonsTop, buttonSize.width,
                               buttonSize.height);
    layout.client = Size{width + 2 * margin, buttonsTop + buttonSize.height + margin};
    return layout;
}

std::string AnswerDialogTitle(const std::string& caption) { return " " + caption; }

}  // namespace orvelle
