// The program's own message dialog: a framed message with an optional system
// icon on the left, a column of answer buttons on the right. Its size follows
// the texts; this is the arithmetic, in physical pixels at the window's DPI
// (at 96 DPI exactly the designed pixel sizes).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/Image.h"

namespace orvelle {

// The system icon a dialog shows.
enum class IconKind { None = 0, Information = 1, Question = 2, Warning = 3, Error = 4 };

// What a caller asks: the title, the message (CR LF starts a new line; it is
// never wrapped), the button captions from the top, and the icon. The full
// form adds a dialog without system menu (Esc then does nothing) and a button
// that opens help instead of answering (1-based; 0 for none).
struct AnswerDialogRequest {
    std::string caption;
    std::string message;
    std::vector<std::string> buttons;
    IconKind icon = IconKind::None;
    bool systemMenu = true;
    int helpButton = 0;
    std::string helpReference;  // what the help viewer is given
};

struct AnswerDialogLayout {
    Size client;
    Rect frame;  // the lowered box around icon and message
    Rect icon;   // empty without an icon
    Rect label;
    std::vector<Rect> buttons;  // from the top
};

// `message` is the message's measured size, `buttonTexts` each caption's, in
// the dialog's font at `dpi`.
AnswerDialogLayout LayoutAnswerDialog(Size message, std::span<const Size> buttonTexts, bool hasIcon, int dpi);

// The program's small dialog for one line of text: an explanation, the edit
// field under it, OK and Cancel at the bottom right. `prompt` is the
// explanation's measured size, `button` the wider caption's, `edit` the edit
// field's text height.
struct TextDialogLayout {
    Size client;
    Rect prompt;
    Rect edit;
    Rect ok;
    Rect cancel;
};
TextDialogLayout LayoutTextDialog(Size prompt, Size button, int editText, int dpi);

// The window title: one blank, then the caption.
std::string AnswerDialogTitle(const std::string& caption);

// The result of a dialog: k for the k-th button (1-based), 0 when it was
// dismissed (close box, Esc) without an answer.
constexpr int kDismissed = 0;

}  // namespace orvelle
