#include "app/FrequencyText.h"

namespace orvelle {

std::string FormatTenths(std::int64_t tenths, const NumberFormat& format) {
    const std::string digits = std::to_string(tenths / 10);
    std::string whole;
    const int group = format.groupSize;
    const int count = static_cast<int>(digits.size());
    for (int i = 0; i < count; ++i) {
        if (group > 0 && i > 0 && (count - i) % group == 0) whole += format.thousandSeparator;
        whole += digits[static_cast<std::size_t>(i)];
    }
    return whole + format.decimalSeparator + std::to_string(tenths % 10);
}

std::string FrequencyText(std::int64_t intervalMs, const NumberFormat& format) {
    if (intervalMs <= 0) return "f: ---- Hz";
    // 1000 / ms rounded to tenths, halves up, in integers: floor(10000 / ms + 1/2).
    // Beyond 20 s it is below 0.05 Hz, which rounds to 0.0.
    const std::int64_t tenths = intervalMs > 20000 ? 0 : (20000 + intervalMs) / (2 * intervalMs);
    return "f: " + FormatTenths(tenths, format) + " Hz";
}

}  // namespace orvelle
