#include "lang/Utf16.h"

#include <gtest/gtest.h>

#include <random>

namespace orvelle {
namespace {

TEST(Utf16, KnownCharactersConvertBothWays) {
    const struct {
        std::u16string utf16;
        std::string utf8;
    } cases[] = {
        {u"", ""},
        {u"Stufe", "Stufe"},
        {u"Fran\u00e7ais", "Fran\xc3\xa7" "ais"},
        {u"\u20ac", "\xe2\x82\xac"},
        {u"\U0001F600", "\xf0\x9f\x98\x80"},
        {u"a\r\nb", "a\r\nb"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8FromUtf16(c.utf16), c.utf8);
        EXPECT_EQ(Utf16FromUtf8(c.utf8), c.utf16);
    }
}

TEST(Utf16, DamagedInputBecomesReplacementCharacters) {
    const std::u16string loneHigh{u'a', static_cast<char16_t>(0xD800), u'b'};
    const std::u16string loneLow{static_cast<char16_t>(0xDC00)};
    EXPECT_EQ(Utf8FromUtf16(loneHigh), "a\xef\xbf\xbd" "b");
    EXPECT_EQ(Utf8FromUtf16(loneLow), "\xef\xbf\xbd");
    for (const char* bad : {"\x80", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82"})
        EXPECT_EQ(Utf16FromUtf8(bad).front(), u'\xFFFD') << bad;
}

TEST(Utf16, RandomTextSurvivesTheRoundTrip) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::uint32_t> plane(0, 0x10FFFF);
    for (int round = 0; round < 500; ++round) {
        std::u16string text;
        for (int i = 0; i < 40; ++i) {
            std::uint32_t c = plane(random);
            if (c >= 0xD800 && c <= 0xDFFF) c = 0x41;
            if (c < 0x10000) {
                text += static_cast<char16_t>(c);
            } else {
                text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
                text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            }
        }
        ASSERT_EQ(Utf16FromUtf8(Utf8FromUtf16(text)), text);
    }
}

TEST(Utf16, BytesAreLittleEndianPairsAndAnOddLastByteIsDropped) {
    const std::uint8_t bytes[] = {0xFF, 0xFE, 0x41, 0x00, 0xE7, 0x00, 0xAC, 0x20, 0x7F};
    EXPECT_EQ(Utf16FromLittleEndian(bytes), (std::u16string{u'\xFEFF', u'A', u'\u00e7', u'\u20ac'}));
}

}  // namespace
}  // namespace orvelle
