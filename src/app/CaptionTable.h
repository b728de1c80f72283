// Every translatable text of the main window's menu and hints, as one table:
// what it goes on and its interface text number. Applying a language walks
// the table in order; the menu is built with the English texts.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/Commands.h"

namespace orvelle {

struct CaptionTarget {
    enum class Kind { MenuCaption, Hint, SaveDialogTitle };
    Kind kind;
    Command item = Command::None;         // MenuCaption
    HintTarget hint = HintTarget::Count;  // Hint

    static constexpr CaptionTarget Menu(Command item) { return {Kind::MenuCaption, item, HintTarget::Count}; }
    static constexpr CaptionTarget HintOf(HintTarget hint) { return {Kind::Hint, Command::None, hint}; }
    static constexpr CaptionTarget SaveDialog() { return {Kind::SaveDialogTitle, Command::None, HintTarget::Count}; }
};

struct CaptionRow {
    CaptionTarget target;
    int text;  // interface text number
    // A second text shown on its own line in parentheses, as the rastered
    // grid button's hint explains itself; 0 for none.
    int note = 0;
};

// In the order in which a language is applied.
std::span<const CaptionRow> MainWindowCaptions();

// The interface text with this number in the chosen language (UTF-8).
using TextLookup = std::function<std::string(int text)>;

// The row's whole text: its text, or its text, a line break and the note in parentheses.
std::string CaptionText(const CaptionRow& row, const TextLookup& lookup);

// A text with its "%s" (a key's name, a file's path) replaced by `value`.
std::string TextWith(std::string text, std::string_view value);

// The English caption of a menu item from the table, or nothing when the
// table has none for it.
std::optional<std::string> EnglishMenuCaption(Command item);

}  // namespace orvelle
