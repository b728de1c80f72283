#include "app/FrequencyText.h"

namespace orvelle {

namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr std::int64_t kMsPerDay = 86'400'000;

}  // namespace

std::int64_t MillisecondsSinceEpoch(const LocalTime& t) {
    const std::int64_t days = DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1899, 12, 30);
    return days * kMsPerDay + ((t.hour * 60 + t.minute) * 60 + t.second) * 1000LL + t.millisecond;
}

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
    const std::int64_t tenths = (20000 + intervalMs) / (2 * intervalMs);
    return "f: " + FormatTenths(tenths, format) + " Hz";
}

}  // namespace orvelle
