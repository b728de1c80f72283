#include "app/ProfileValues.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace orvelle {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(ProfileValues, ParsesIntegersInEveryStoredForm) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const std::vector<Case> cases = {
        {"100", 100},
        {"0", 0},
        {"5", 5},
        {"-5000", -5000},
        {"+7", 7},
        {"-0", 0},
        {"00012", 12},  // leading zeros are still decimal
        {"0x10", 16},
        {"0X1f", 31},
        {"0x0", 0},
        {"$10", 16},
        {"$ff", 255},
        {"$000000010", 16},  // leading zeros do not count towards 32 bits
        {"2147483647", kMax},
        {"-2147483648", kMin},
        {"$7FFFFFFF", kMax},
        {"0X80000000", kMin},  // hexadecimal is a 32-bit pattern
        {"$FFFFFFFF", -1},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"0x", std::nullopt},
        {"0X", std::nullopt},
        {"$", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"5x", std::nullopt},
        {"1e3", std::nullopt},
        {"12.0", std::nullopt},
        {"0x1G", std::nullopt},
        {"$-1", std::nullopt},
        {"0x-1", std::nullopt},
        {"-$10", std::nullopt},  // a sign goes with decimal only
        {"+0x10", std::nullopt},
        {"x10", std::nullopt},
        {"0b101", std::nullopt},
        {" 5", std::nullopt},  // the file already trims blanks; none are left to skip
        {"5 ", std::nullopt},
        {"- 5", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"4294967296", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$100000000", std::nullopt},
        {"0xFFFFFFFFF", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseProfileInteger(c.text), c.expected);
    }
}

TEST(ProfileValues, ReadsFallBackToTheDefault) {
    const ProfileFile file(
        "[Magnification]\r\n"
        "Level=abc\r\n"
        "Precise=0\r\n"
        "OwnWindow=2\r\n"
        "Refresh=-1\r\n"
        "Smoothing=\r\n"
        "Quoted=\"12\"\r\n"
        "Spaced =  0x10  \r\n"
        "Word=yes\r\n");
    struct Case {
        const char* key;
        std::int32_t defaultValue;
        std::int32_t expected;
    };
    const std::vector<Case> integers = {
        {"Level", 8, 8},   {"Precise", 1, 0},   {"OwnWindow", 0, 2}, {"Refresh", 0, -1},
        {"Smoothing", 3, 3}, {"Quoted", 0, 12}, {"Spaced", 0, 16},   {"Missing", 300, 300},
    };
    for (const Case& c : integers) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ReadProfileInteger(file, "magnification", c.key, c.defaultValue), c.expected);
    }
    struct BoolCase {
        const char* key;
        bool expected[2];  // with default false, with default true
    };
    const std::vector<BoolCase> switches = {
        {"Precise", {false, false}},  {"OwnWindow", {true, true}}, {"Refresh", {true, true}},
        {"Word", {false, true}},      {"Smoothing", {false, true}}, {"Missing", {false, true}},
    };
    for (const BoolCase& c : switches) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ReadProfileBool(file, "Magnification", c.key, false), c.expected[0]);
        EXPECT_EQ(ReadProfileBool(file, "Magnification", c.key, true), c.expected[1]);
    }
}

TEST(ProfileValues, WritesDecimalAndSwitchesAsZeroOrOne) {
    EXPECT_EQ(FormatProfileInteger(8), "8");
    EXPECT_EQ(FormatProfileInteger(-5000), "-5000");
    EXPECT_EQ(FormatProfileInteger(kMin), "-2147483648");
    EXPECT_EQ(FormatProfileInteger(16777215), "16777215");
    EXPECT_EQ(FormatProfileBool(true), "1");
    EXPECT_EQ(FormatProfileBool(false), "0");

    ProfileFile file;
    WriteProfileBool(file, "Magnification", "Precise", true);
    WriteProfileInteger(file, "Magnification", "Level", 8);
    WriteProfileBool(file, "Grid", "ShowGrid", false);
    EXPECT_EQ(file.Text(), "[Magnification]\r\nPrecise=1\r\nLevel=8\r\n[Grid]\r\nShowGrid=0\r\n");
}

TEST(ProfileValues, EveryWrittenIntegerReadsBack) {
    std::vector<std::int32_t> values = {0, 1, -1, kMin, kMax, kMin + 1, kMax - 1, 2, 32, 16777215};
    std::mt19937 random(20240517);
    std::uniform_int_distribution<std::int32_t> any(kMin, kMax);
    for (int i = 0; i < 1000; ++i) values.push_back(any(random));
    ProfileFile file;
    for (std::int32_t value : values) {
        SCOPED_TRACE(value);
        WriteProfileInteger(file, "Window", "Left", value);
        EXPECT_EQ(ReadProfileInteger(ProfileFile(file.Text()), "Window", "Left", value == 0 ? 1 : 0), value);
    }
    for (bool value : {false, true}) {
        WriteProfileBool(file, "Options", "Autostart", value);
        EXPECT_EQ(ReadProfileBool(ProfileFile(file.Text()), "Options", "Autostart", !value), value);
    }
}

}  // namespace
}  // namespace orvelle
