// The numbered texts of the user interface: the built-in English table, and
// how a language file's text is found by number.
//
// A language file holds entries "NNN.:text:.NNN", NNN being the number's tag
// of three digits. Everything between the markers is the text, line breaks
// and blanks included; anything outside entries is ignored.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orvelle {

inline constexpr const char* kTextNotDefined = "<text not defined>";

// "000" for 0 and below, "007", "062", "204", and "999" for 999 and above.
std::string TextNumberTag(int number);

// The characters between the first start marker of `number` and the first
// end marker, or the empty text when there is no start marker, no end marker,
// or the end marker does not come after the start marker.
std::u16string ExtractLanguageText(std::u16string_view text, int number);

// True when `text` holds a start marker of `number`, well formed or not.
bool HasLanguageEntry(std::u16string_view text, int number);

// The numbers up to this one form the published table that translators work
// from; a language file lacking one of them shows the empty text. Numbers
// after it are the program's own later additions, which a file written to
// the table cannot have: where it lacks them, they come in English.
inline constexpr int kLastPublishedTextNumber = 204;

// The built-in English text (UTF-8), or kTextNotDefined for a number without one.
std::string EnglishText(int number);

// Every number that has an English text, in ascending order.
std::span<const int> EnglishTextNumbers();

}  // namespace orvelle
