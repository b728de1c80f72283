#include "lang/InterfaceTexts.h"

#include <gtest/gtest.h>

#include <climits>

namespace orvelle {
namespace {

TEST(InterfaceTexts, EveryNumberHasATagOfThreeDigits) {
    const struct {
        int number;
        const char* tag;
    } cases[] = {{INT_MIN, "000"}, {-3, "000"}, {0, "000"},   {1, "001"},    {9, "009"},       {10, "010"},
                 {62, "062"},      {99, "099"}, {100, "100"}, {999, "999"}, {1000, "999"}, {INT_MAX, "999"}};
    for (const auto& c : cases) EXPECT_EQ(TextNumberTag(c.number), c.tag) << c.number;
}

TEST(InterfaceTexts, EnglishHasTheTableAndNothingElse) {
    EXPECT_EQ(EnglishText(7), "Magnification");
    EXPECT_EQ(EnglishText(165), "Download More Languages");
    EXPECT_EQ(EnglishText(64),
              "A compatible version of Tessaly was not found\r\non your computer.\r\n\r\n"
              "Would you like to download it from the Internet?");
    EXPECT_EQ(EnglishText(204).substr(0, 25), "Brief instructions:\r\n    ");
    EXPECT_EQ(EnglishText(305), "Pin Color");
    EXPECT_EQ(EnglishText(322), "Template");
    EXPECT_EQ(EnglishText(331).substr(0, 15), "Width and heigh");
    for (int missing : {INT_MIN, -3, 0, 31, 34, 43, 59, 65, 99, 102, 166, 203, 205, 299, 332, 1000})
        EXPECT_EQ(EnglishText(missing), kTextNotDefined) << missing;
    const auto numbers = EnglishTextNumbers();
    EXPECT_EQ(numbers.size(), 88u);
    for (std::size_t i = 1; i < numbers.size(); ++i) EXPECT_LT(numbers[i - 1], numbers[i]);
    for (int n : numbers) EXPECT_NE(EnglishText(n), kTextNotDefined) << n;
}

TEST(InterfaceTexts, AnEntryIsEverythingBetweenItsMarkers) {
    const struct {
        const char16_t* file;
        int number;
        const char16_t* text;
    } cases[] = {
        {u"062.:Stufe:.062", 62, u"Stufe"},
        {u"062.:Stufe:.062", 61, u""},
        {u"062.:Stufe:.062", 0, u""},
        // Line breaks and the blanks next to the markers belong to the text.
        {u"x\r\n064.: Zeile eins\r\n\r\nZeile drei :.064\r\n", 64, u" Zeile eins\r\n\r\nZeile drei "},
        {u"001.::.001", 1, u""},
        // 1000 and above read the entry tagged 999, negative numbers that tagged 000.
        {u"999.:last:.999", 1000, u"last"},
        {u"000.:Deutsch:.000", -3, u"Deutsch"},
        // The first start marker and the first end marker, each searched from the beginning.
        {u"005.:a:.005 005.:b:.005", 5, u"a"},
        {u":.005 005.:a:.005", 5, u""},
        {u"005.:a", 5, u""},
        {u"a:.005", 5, u""},
        {u"005.:005", 5, u""},
        // Markers run together: the end marker inside the start marker's end is no text.
        {u"005.:.005", 5, u""},
        {u"", 5, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.number);
        EXPECT_EQ(ExtractLanguageText(c.file, c.number), std::u16string(c.text));
    }
}

}  // namespace
}  // namespace orvelle
