#include "app/GuideTipText.h"

#include "app/FrequencyText.h"

namespace orvelle {

std::string ScreenLengthText(const ScreenLength& length, const NumberFormat& format) {
    const std::int64_t n = length.numerator;
    const std::int64_t d = length.denominator;
    if (d <= 0 || n < 0) return "?";
    // Tenths rounded half up, in integers: floor(10 n / d + 1/2).
    const std::string tenths = FormatTenths((20 * n + d) / (2 * d), format);
    if (n % d != 0) return tenths;
    // A whole number: its digits, without the separator and the tenth.
    return tenths.substr(0, tenths.size() - format.decimalSeparator.size() - 1);
}

std::string GuideTipText(const GuideMeasure& measure, const TextLookup& text, const NumberFormat& format) {
    const int edge = IsVertical(measure.guide) ? kTextFromLeftEdge : kTextFromTopEdge;
    return text(kTextGuideDistance) + ": " + ScreenLengthText(measure.distance, format) + " px\r\n" + text(edge) +
           ": " + ScreenLengthText(measure.position, format) + " px";
}

}  // namespace orvelle
