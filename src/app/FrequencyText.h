// The refresh frequency shown in the last status panel.
#pragma once

#include <cstdint>
#include <string>

#include "app/Services.h"

namespace orvelle {

// Milliseconds since 1899-12-30 00:00, the epoch of the date-time scale the
// refresh clock starts from. Whole milliseconds keep the interval between two
// ticks exact, where a difference of fractional days would round 40 ms to 39.
std::int64_t MillisecondsSinceEpoch(const LocalTime& time);

// 1000 / intervalMs with one decimal in the locale's number style, or 0 for
// "no frequency": "f: 62.5 Hz", "f: 1,000.0 Hz", "f: ---- Hz".
std::string FrequencyText(std::int64_t intervalMs, const NumberFormat& format);

// Formats tenths (12345 -> "1,234.5") with the locale's separators.
std::string FormatTenths(std::int64_t tenths, const NumberFormat& format);

}  // namespace orvelle
