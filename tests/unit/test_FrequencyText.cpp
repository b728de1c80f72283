#include "app/FrequencyText.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST(FrequencyText, EnglishFormatting) {
    const NumberFormat english;
    EXPECT_EQ(FrequencyText(16, english), "f: 62.5 Hz");
    EXPECT_EQ(FrequencyText(1, english), "f: 1,000.0 Hz");
    EXPECT_EQ(FrequencyText(20, english), "f: 50.0 Hz");
    EXPECT_EQ(FrequencyText(40, english), "f: 25.0 Hz");
    EXPECT_EQ(FrequencyText(3, english), "f: 333.3 Hz");
    EXPECT_EQ(FrequencyText(6, english), "f: 166.7 Hz");
    EXPECT_EQ(FrequencyText(32, english), "f: 31.3 Hz");  // 31.25: halves round up
    EXPECT_EQ(FrequencyText(1000, english), "f: 1.0 Hz");
}

TEST(FrequencyText, NoIntervalShowsDashes) { EXPECT_EQ(FrequencyText(0, NumberFormat{}), "f: ---- Hz"); }

TEST(FrequencyText, FirstTickAfterTheEpochIsVanishinglySmall) {
    const std::int64_t now = MillisecondsSinceEpoch(LocalTime{2026, 12, 7, 12, 30, 0, 0});
    EXPECT_EQ(FrequencyText(now, NumberFormat{}), "f: 0.0 Hz");
}

TEST(FrequencyText, LocaleSeparators) {
    const NumberFormat german{",", ".", 3};
    EXPECT_EQ(FrequencyText(1, german), "f: 1.000,0 Hz");
    EXPECT_EQ(FrequencyText(16, german), "f: 62,5 Hz");
    const NumberFormat ungrouped{".", ",", 0};
    EXPECT_EQ(FrequencyText(1, ungrouped), "f: 1000.0 Hz");
    const NumberFormat french{",", "\xC2\xA0", 3};  // a no-break space between groups
    EXPECT_EQ(FormatTenths(12345678, french), "1\xC2\xA0" "234\xC2\xA0" "567,8");
}

TEST(MillisecondsSinceEpoch, CountsFromTheDateTimeEpoch) {
    EXPECT_EQ(MillisecondsSinceEpoch(LocalTime{}), 0);
    EXPECT_EQ(MillisecondsSinceEpoch(LocalTime{1899, 12, 31, 0, 0, 0, 0}), 86'400'000);
    EXPECT_EQ(MillisecondsSinceEpoch(LocalTime{1900, 3, 1, 0, 0, 0, 0}), 61LL * 86'400'000);  // 1900 is no leap year
    // 2000-01-01 is day 36526 of the scale.
    EXPECT_EQ(MillisecondsSinceEpoch(LocalTime{2000, 1, 1, 0, 0, 0, 0}), 36526LL * 86'400'000);
}

TEST(MillisecondsSinceEpoch, IntervalsAcrossMidnightAndMonthEnds) {
    const auto a = MillisecondsSinceEpoch(LocalTime{2024, 2, 29, 23, 59, 59, 990});
    const auto b = MillisecondsSinceEpoch(LocalTime{2024, 3, 1, 0, 0, 0, 30});
    EXPECT_EQ(b - a, 40);
    const auto c = MillisecondsSinceEpoch(LocalTime{2026, 12, 31, 23, 59, 59, 999});
    const auto d = MillisecondsSinceEpoch(LocalTime{2027, 1, 1, 0, 0, 0, 19});
    EXPECT_EQ(d - c, 20);
}

}  // namespace
}  // namespace orvelle
