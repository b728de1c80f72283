// The refresh frequency shown in the last status panel.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "app/Services.h"

namespace orvelle {

// The interval before the first tick, as if the one before it lay at the
// beginning of time: its frequency shows as "f: 0.0 Hz".
inline constexpr std::int64_t kNoEarlierTickMs = std::numeric_limits<std::int64_t>::max();

// 1000 / intervalMs with one decimal in the locale's number style, or 0 for
// "no frequency": "f: 62.5 Hz", "f: 1,000.0 Hz", "f: ---- Hz".
std::string FrequencyText(std::int64_t intervalMs, const NumberFormat& format);

// Formats tenths (12345 -> "1,234.5") with the locale's separators.
std::string FormatTenths(std::int64_t tenths, const NumberFormat& format);

}  // namespace orvelle
