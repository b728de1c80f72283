// The pointer pixel's colour as people write it: in style sheets, paint
// programs and code, in the format the user chose, and the contrast of two
// colours as the web's accessibility rules judge it. Numbers always use "."
// as the decimal point, whatever the locale: the text is meant to be pasted
// into code.
#pragma once

#include <string>
#include <string_view>

#include "engine/ColorScience.h"
#include "engine/Image.h"

namespace orvelle {

enum class ColorFormat { Hex, Rgb, Hsl, Hsv, Cmyk, Lab, Oklch, Template, Count };

inline constexpr const char* kDefaultColorTemplate = "{r}, {g}, {b}";
// Characters a template may have; as UTF-8 that fits a settings value.
inline constexpr int kMaxTemplateLength = 500;

// A template as it can be kept on one line of the settings file: line breaks
// (from a paste) become blanks.
std::string StorableTemplate(std::string_view text);

// "#RRGGBB" in capitals; the alpha byte is not part of it.
std::string HexColorText(Pixel color);

// The colour in `format` into `out`, whose memory is reused, so that a tick
// that writes the same length allocates nothing. `templateText` serves
// ColorFormat::Template: {r} {g} {b} become 0 ... 255, {R} {G} {B} two
// upper-case hex digits, {rf} {gf} {bf} 0 ... 1 with three decimals; any
// other text stays as it is.
void FormatColor(Pixel color, ColorFormat format, std::string_view templateText, std::string& out);
std::string ColorText(Pixel color, ColorFormat format, std::string_view templateText = kDefaultColorTemplate);

// The settings file's names of the formats: "HEX", "RGB", ..., "TEMPLATE".
std::string_view ColorFormatName(ColorFormat format);
ColorFormat ColorFormatNamed(std::string_view name);  // Hex for any other name

// "#RRGGBB" as stored, or nothing for any other text.
bool ParseHexColor(std::string_view text, Pixel& color);

// The contrast ratio cut (not rounded) to two decimals, so that a fail never
// reads as a pass: 4.549 gives 4.54.
double TruncatedContrast(double ratio);

// The lines Copy Contrast puts on the clipboard, each ended by CR LF: the
// pinned colour as the text, the pointer's as the background.
std::string ContrastReport(Pixel text, Pixel background);

// The status bar's summary into `out`: "4.54:1 AA" with the levels passed.
void ContrastSummary(Pixel text, Pixel background, std::string& out);

}  // namespace orvelle
