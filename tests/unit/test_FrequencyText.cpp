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

TEST(FrequencyText, TheFirstTickAndVeryLongIntervalsRoundToZero) {
    EXPECT_EQ(FrequencyText(kNoEarlierTickMs, NumberFormat{}), "f: 0.0 Hz");
    EXPECT_EQ(FrequencyText(20000, NumberFormat{}), "f: 0.1 Hz");  // 0.05 rounds up
    EXPECT_EQ(FrequencyText(20001, NumberFormat{}), "f: 0.0 Hz");
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

}  // namespace
}  // namespace orvelle
