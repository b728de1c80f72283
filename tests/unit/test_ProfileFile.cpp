#include "app/ProfileFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orvelle {
namespace {

std::string Edited(const std::string& original, const char* section, const char* key, const char* value) {
    ProfileFile file(original);
    file.Write(section, key, value);
    return file.Text();
}

TEST(ProfileFile, TextIsTheInputUntouchedWhateverItHolds) {
    const std::vector<std::string> inputs = {
        "",
        "\r\n",
        "[Grid]\r\nColor=255\r\n",
        "[Grid]\nColor=255\n",
        "[Grid]\r\nColor=255\nShowGrid=1\r\n",  // mixed endings
        "[Grid]\r\nColor=255",                  // no final line break
        "\xEF\xBB\xBF[Grid]\r\nColor=255\r\n",
        "; comment\r\n\r\n  [ Odd ]  \r\n  spaced key  =  \"quoted value\"  \r\nno equals sign\r\n\t\r\n",
        "[Grid]\r\r\nColor=1\r",  // stray carriage returns
        std::string("bytes\0\x80\xFF=\x01\r\n", 11),
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        EXPECT_EQ(ProfileFile(input).Text(), input);
    }
}

TEST(ProfileFile, ReadsValuesAsTheProfileFunctionsDo) {
    const std::string text =
        "Orphan=before any section\r\n"
        "[Magnification]\r\n"
        "Level=7\r\n"
        "  Smoothing  =  Lanczos  \r\n"
        "Refresh=\t0.5s\t\r\n"
        ";Precise=0\r\n"
        "#OwnWindow=0\r\n"
        "Empty=\r\n"
        "Level=9\r\n"
        "Name=\"quoted\"\r\n"
        "Single='quoted'\r\n"
        "Inner=a \"b\" c\r\n"
        "Mismatched=\"open'\r\n"
        "LoneQuote=\"\r\n"
        "TwoQuotes=\"\"\r\n"
        "Spaced=\"  kept  \"\r\n"
        "Equals=a=b\r\n"
        "[Grid] ; trailing text\n"
        "color=255\n"
        "[ Options ]\r\n"
        "Language=DE\r\n"
        "[Broken\r\n"
        "Autostart=1\r\n"
        "[magnification]\r\n"
        "Extra=only in the second copy\r\n";
    const ProfileFile file(text);

    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"Magnification", "Level", "7"},  // the first of two counts
        {"MAGNIFICATION", "level", "7"},
        {"Magnification", "Smoothing", "Lanczos"},
        {"Magnification", "Refresh", "0.5s"},
        {"Magnification", "Precise", std::nullopt},    // commented out
        {"Magnification", "OwnWindow", std::nullopt},  // commented out
        {"Magnification", "Empty", ""},
        {"Magnification", "Name", "quoted"},
        {"Magnification", "Single", "quoted"},
        {"Magnification", "Inner", "a \"b\" c"},
        {"Magnification", "Mismatched", "\"open'"},
        {"Magnification", "LoneQuote", "\""},
        {"Magnification", "TwoQuotes", ""},
        {"Magnification", "Spaced", "  kept  "},
        {"Magnification", "Equals", "a=b"},
        {"Magnification", "Missing", std::nullopt},
        {"Magnification", "Color", std::nullopt},  // belongs to another section
        {"Magnification", "Extra", std::nullopt},  // a repeated section is not looked at
        {"Grid", "Color", "255"},
        {"Options", "Language", "DE"},
        {"Options", "Autostart", "1"},  // "[Broken" opens no section
        {"", "Orphan", std::nullopt},
        {"Window", "Left", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(file.Read(c.section, c.key), c.expected);
    }
    EXPECT_TRUE(file.HasSection("grid"));
    EXPECT_FALSE(file.HasSection("Window"));
    EXPECT_EQ(file.ReadString("Window", "Left", "fallback"), "fallback");
    EXPECT_EQ(file.ReadString("Magnification", "Empty", "fallback"), "");
}

TEST(ProfileFile, FindsTheFirstSectionBehindAByteOrderMark) {
    const ProfileFile file("\xEF\xBB\xBF[Magnification]\r\nLevel=12\r\n");
    EXPECT_EQ(file.Read("Magnification", "Level"), "12");
}

TEST(ProfileFile, ValuesAreCutTo2047Characters) {
    std::string longValue;
    for (int i = 0; i < 3000; ++i) longValue += static_cast<char>('a' + i % 26);
    struct Case {
        std::string stored;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {longValue.substr(0, 2046), longValue.substr(0, 2046)},
        {longValue.substr(0, 2047), longValue.substr(0, 2047)},
        {longValue.substr(0, 2048), longValue.substr(0, 2047)},
        {longValue, longValue.substr(0, 2047)},
        {"\"" + longValue.substr(0, 2047) + "\"", longValue.substr(0, 2047)},
        {"\"" + longValue + "\"", longValue.substr(0, 2047)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.size());
        const ProfileFile file("[S]\r\nK=" + c.stored + "\r\n");
        EXPECT_EQ(file.Read("S", "K"), c.expected);
    }
}

TEST(ProfileFile, WritingChangesOnlyTheLinesItMust) {
    const std::string original =
        "; Orvelle settings, edited by hand\r\n"
        "[Other Program]\n"
        "Level=99\n"
        "\n"
        "[Magnification]\r\n"
        "  level = 7 ; old\r\n"
        "Smoothing=Lanczos\r\n"
        "\r\n"
        "; about the grid\r\n"
        "[Grid]\r\n"
        "Color=255";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"magnification", "Level", "12",
         "; Orvelle settings, edited by hand\r\n[Other Program]\nLevel=99\n\n[Magnification]\r\nLevel=12\r\n"
         "Smoothing=Lanczos\r\n\r\n; about the grid\r\n[Grid]\r\nColor=255"},
        // A new key follows the section's last key, ahead of the blank line
        // and the comment that introduce the next section.
        {"Magnification", "Refresh", "0.5s",
         "; Orvelle settings, edited by hand\r\n[Other Program]\nLevel=99\n\n[Magnification]\r\n  level = 7 ; old\r\n"
         "Smoothing=Lanczos\r\nRefresh=0.5s\r\n\r\n; about the grid\r\n[Grid]\r\nColor=255"},
        // The last line keeps its missing line break when it is replaced...
        {"GRID", "color", "0",
         "; Orvelle settings, edited by hand\r\n[Other Program]\nLevel=99\n\n[Magnification]\r\n  level = 7 ; old\r\n"
         "Smoothing=Lanczos\r\n\r\n; about the grid\r\n[Grid]\r\ncolor=0"},
        // ...and gets one when something follows it.
        {"Grid", "ShowGrid", "1",
         "; Orvelle settings, edited by hand\r\n[Other Program]\nLevel=99\n\n[Magnification]\r\n  level = 7 ; old\r\n"
         "Smoothing=Lanczos\r\n\r\n; about the grid\r\n[Grid]\r\nColor=255\r\nShowGrid=1\r\n"},
        {"Window", "Width", "400",
         "; Orvelle settings, edited by hand\r\n[Other Program]\nLevel=99\n\n[Magnification]\r\n  level = 7 ; old\r\n"
         "Smoothing=Lanczos\r\n\r\n; about the grid\r\n[Grid]\r\nColor=255\r\n[Window]\r\nWidth=400\r\n"},
        {"Other Program", "Level", "1",
         "; Orvelle settings, edited by hand\r\n[Other Program]\nLevel=1\n\n[Magnification]\r\n  level = 7 ; old\r\n"
         "Smoothing=Lanczos\r\n\r\n; about the grid\r\n[Grid]\r\nColor=255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(Edited(original, c.section, c.key, c.value), c.expected);
    }
}

TEST(ProfileFile, WritingIntoSectionsWithoutKeysOrDuplicates) {
    struct Case {
        const char* name;
        std::string original;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"empty document", "", "[Options]\r\nLanguage=EN\r\n"},
        {"header only, no break", "[Options]", "[Options]\r\nLanguage=EN\r\n"},
        {"header followed by a comment", "[Options]\n; none yet\n", "[Options]\nLanguage=EN\r\n; none yet\n"},
        {"comment ending in a lone CR", "; note\r", "; note\r[Options]\r\nLanguage=EN\r\n"},
        {"key twice: the first is the one", "[Options]\nlanguage=DE\nLanguage=FR\n",
         "[Options]\nLanguage=EN\nLanguage=FR\n"},
        {"section twice: the first is the one", "[Options]\nA=1\n[Grid]\n[OPTIONS]\nLanguage=FR\n",
         "[Options]\nA=1\nLanguage=EN\r\n[Grid]\n[OPTIONS]\nLanguage=FR\n"},
        {"commented keys are no keys", "[Options]\n;Language=DE\n# Autostart=1\n",
         "[Options]\nLanguage=EN\r\n;Language=DE\n# Autostart=1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Edited(c.original, "Options", "Language", "EN"), c.expected);
    }
}

TEST(ProfileFile, SectionsWrittenInOrderFollowOneAnother) {
    ProfileFile file;
    file.Write("Magnification", "Precise", "1");
    file.Write("Magnification", "Level", "8");
    file.Write("Grid", "ShowCursor", "0");
    file.Write("Options", "Language", "EN");
    file.Write("Magnification", "Level", "16");
    EXPECT_EQ(file.Text(),
              "[Magnification]\r\nPrecise=1\r\nLevel=16\r\n"
              "[Grid]\r\nShowCursor=0\r\n"
              "[Options]\r\nLanguage=EN\r\n");
}

TEST(ProfileFile, RemovingAKeyDropsOnlyItsLinesInItsSection) {
    const struct {
        const char* name;
        const char* original;
        const char* expected;
    } cases[] = {
        {"in the middle", "[Colors]\r\nRecent1=#000000\r\nRecent2=#FFFFFF\r\nRecent3=#123456\r\n",
         "[Colors]\r\nRecent1=#000000\r\nRecent3=#123456\r\n"},
        {"twice, and in any case", "[colors]\nRECENT2=a\n;Recent2=b\nRecent2=c\n", "[colors]\n;Recent2=b\n"},
        {"the last line, without a break", "[Colors]\nRecent1=x\nRecent2=y", "[Colors]\nRecent1=x\n"},
        {"another section keeps its own", "[Grid]\nRecent2=1\n[Colors]\nRecent2=2\n", "[Grid]\nRecent2=1\n[Colors]\n"},
        {"no such key", "[Colors]\nRecent1=x\n", "[Colors]\nRecent1=x\n"},
        {"no such section", "[Grid]\nRecent2=1\n", "[Grid]\nRecent2=1\n"},
    };
    for (const auto& c : cases) {
        ProfileFile file(c.original);
        file.Remove("Colors", "Recent2");
        EXPECT_EQ(file.Text(), c.expected) << c.name;
    }
}

TEST(ProfileFile, WhatIsWrittenReadsBack) {
    const std::vector<std::string> values = {"", "0", "Lanczos", "0.5s", "with spaces inside", "=", "a=b", "'", "\"x",
                                             "\xC4\xE9"};
    ProfileFile file("[Magnification]\r\nLevel=7\r\n; keep\r\n");
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        file.Write("Magnification", "Level", value);
        file.Write("New", "Key", value);
        const ProfileFile reread(file.Text());
        EXPECT_EQ(reread.Read("Magnification", "Level"), value);
        EXPECT_EQ(reread.Read("New", "Key"), value);
        EXPECT_NE(file.Text().find("; keep\r\n"), std::string::npos);
    }
}

// Little-endian UTF-16 bytes of an ASCII or UTF-8 text, with the byte-order mark.
std::string Utf16LittleEndian(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(ProfileFile, LinesEndingInALoneCarriageReturnAreLinesOfTheirOwn) {
    const std::string original = "[Magnification]\rLevel=12\rSmoothing=Lanczos\r[Grid]\rShowGrid=1";
    ProfileFile file(original);
    EXPECT_EQ(file.Read("Magnification", "Level"), "12");
    EXPECT_EQ(file.Read("Magnification", "Smoothing"), "Lanczos");
    EXPECT_EQ(file.Read("Grid", "ShowGrid"), "1");
    EXPECT_EQ(file.Text(), original);
    file.Write("Magnification", "Level", "4");
    file.Write("Grid", "Color", "255");
    EXPECT_EQ(file.Text(), "[Magnification]\rLevel=4\rSmoothing=Lanczos\r[Grid]\rShowGrid=1\r\nColor=255\r\n");
}

TEST(ProfileFile, AUnicodeFileIsReadAndWrittenInUtf16) {
    const std::string original =
        Utf16LittleEndian(u"; Notizen \u00E4\u00F6\r\n[Magnification]\r\nLevel=12\r\n[Options]\r\nLanguage=Fran\u00E7ais\r\n");
    ProfileFile file(original);
    EXPECT_EQ(file.Read("Magnification", "Level"), "12");
    EXPECT_EQ(file.Read("Options", "Language"), "Fran\xC3\xA7" "ais");
    EXPECT_EQ(file.Text(), original);

    file.Write("Magnification", "Level", "4");
    file.Write("Window", "Left", "-8");
    EXPECT_EQ(file.Text(), Utf16LittleEndian(u"; Notizen \u00E4\u00F6\r\n[Magnification]\r\nLevel=4\r\n[Options]\r\n"
                                             u"Language=Fran\u00E7ais\r\n[Window]\r\nLeft=-8\r\n"));
}

TEST(ProfileFile, DamagedUnicodeFilesSurviveUnitForUnit) {
    const std::vector<std::string> inputs = {
        "\xFF\xFE",                                                // the mark alone
        Utf16LittleEndian(u"[S]\r\nK=\xD800 lone high\r\nL=\xDC00\r\n"),  // lone surrogates
        Utf16LittleEndian(u"[S]\r\nK=\xD83D\xDE00\r\n") + "\x41",     // a pair, then an odd byte
        std::string("\xFE\xFF\x00[\x00S\x00]\x00\n\x00K\x00=\x00\x31", 16),  // big-endian
        std::string("\xFF\xFE\x00\x00\x0A\x00", 6),                   // a zero unit
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(testing::PrintToString(input));
        EXPECT_EQ(ProfileFile(input).Text(), input);
    }
    EXPECT_EQ(ProfileFile(inputs[3]).Read("s", "k"), "1");
    EXPECT_EQ(ProfileFile(inputs[2]).Read("S", "K"), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace orvelle
