#include "lang/Languages.h"

#include <gtest/gtest.h>

#include "FakeMainWindow.h"
#include "LanguageFiles.h"
#include "lang/InterfaceTexts.h"

namespace orvelle::testing {
namespace {

class LanguagesTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    Languages languages;

    void AddLanguage(const std::string& fileName, const std::u16string& text) {
        files.Add(kLanguageFolder, fileName, LanguageFileBytes(text));
    }
    void Load() { languages.LoadLanguages(files, kLanguageFolder); }
};

TEST_F(LanguagesTest, NamesAreTheFileNamesUpperCasedInTheAsciiRangeWithoutTheExtension) {
    EXPECT_EQ(LanguageNameFromFileName("Deutsch.lng"), "DEUTSCH");
    EXPECT_EQ(LanguageNameFromFileName("deutsch.LNG"), "DEUTSCH");
    EXPECT_EQ(LanguageNameFromFileName("Fran\xc3\xa7" "ais.lng"), "FRAN\xc3\xa7" "AIS");
    EXPECT_EQ(LanguageNameFromFileName("EN.lng"), "EN");
    EXPECT_EQ(LanguageNameFromFileName("a.lng.lng"), "A");
    EXPECT_EQ(LanguageNameFromFileName("x.lngx.lng"), "XX");
}

TEST_F(LanguagesTest, AMissingFolderLoadsNothingAndEnglishAnswers) {
    Load();
    EXPECT_EQ(files.searched, std::vector<std::string>{kLanguageFolder + "*.lng"});
    EXPECT_EQ(languages.LanguageCount(), 0);
    EXPECT_EQ(languages.LanguageText(7, "DEUTSCH"), "Magnification");
    EXPECT_EQ(languages.LanguageText(31, "EN"), kTextNotDefined);
}

TEST_F(LanguagesTest, TheChosenFileAloneDecidesOnceItsNameMatches) {
    AddLanguage("Deutsch.lng", u"062.:Stufe:.062");
    Load();
    ASSERT_EQ(languages.LanguageCount(), 1);
    EXPECT_TRUE(languages.IsLanguageLoaded("DEUTSCH"));
    EXPECT_FALSE(languages.IsLanguageLoaded("Deutsch"));
    EXPECT_EQ(languages.LanguageText(62, "DEUTSCH"), "Stufe");
    EXPECT_EQ(languages.LanguageText(7, "DEUTSCH"), "");
    EXPECT_EQ(languages.LanguageCaption(0), "");
    EXPECT_EQ(languages.LanguageText(62, "EN"), "Magnification Level");
    EXPECT_EQ(languages.LanguageText(62, "deutsch"), "Magnification Level");
}

TEST_F(LanguagesTest, TextsAfterThePublishedTableComeInEnglishWhereTheFileLacksThem) {
    AddLanguage("Deutsch.lng", u"204.:Kurzanleitung:.204 302.:Abstand:.302 303.::.303 304.:broken");
    Load();
    const struct {
        int number;
        const char* expected;
    } cases[] = {
        {204, "Kurzanleitung"},
        {165, ""},             // the published table: a missing entry is empty
        {300, "Copy Color"},   // lacking, after the table: English
        {301, "Color of the pixel under the mouse pointer (Ctrl+Shift+C copies it)"},
        {302, "Abstand"},
        {303, ""},             // present and empty: the translator's choice
        {304, ""},             // present without its end: the file's own, as for any entry
        {305, "Pin Color"},
        {331, "Width and height between the measuring guides, in screen pixels (Ctrl+Shift+M copies them)"},
        {332, kTextNotDefined},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(languages.LanguageText(c.number, "DEUTSCH"), c.expected);
    }
}

TEST_F(LanguagesTest, AFileNamedEnReplacesTheEnglishAndTheLastOfOneNameWins) {
    AddLanguage("EN.lng", u"007.:Zoom:.007");
    AddLanguage("a.lng", u"000.:first:.000 001.:one:.001");
    AddLanguage("a.LNG.lng", u"000.:second:.000 001.:two:.001");
    Load();
    EXPECT_EQ(languages.LanguageText(7, "EN"), "Zoom");
    EXPECT_EQ(languages.LanguageText(1, "A"), "two");
    EXPECT_EQ(languages.LanguageCaption(1), "first");
    EXPECT_EQ(languages.LanguageCaption(2), "second");
}

TEST_F(LanguagesTest, EntriesBeyondTheFirst16KiBDoNotExist) {
    // Entry 001 ends before the limit; 002 starts before it and ends after.
    std::u16string text = u"001.:";
    text += std::u16string(kLanguageFileMaxBytes / 2 - 16, u'x');
    text += u":.001002.:y:.002";
    AddLanguage("Big.lng", text + u"003.:z:.003");
    Load();
    ASSERT_EQ(languages.LanguageCount(), 1);
    EXPECT_EQ(languages.LanguageList()[0].Text.size(), kLanguageFileMaxBytes / 2);
    EXPECT_EQ(languages.LanguageText(1, "BIG").size(), kLanguageFileMaxBytes / 2 - 16);
    EXPECT_EQ(languages.LanguageText(2, "BIG"), "");
    EXPECT_EQ(languages.LanguageText(3, "BIG"), "");
}

TEST_F(LanguagesTest, OddFilesLoadAndNoneStopsTheScan) {
    files.Add(kLanguageFolder, "Empty.lng", {});
    files.Add(kLanguageFolder, "Locked.lng", LanguageFileBytes(u"000.:Locked:.000"), false);
    files.Add(kLanguageFolder, "Folder.lng", {}, false);
    std::vector<std::uint8_t> odd = LanguageFileBytes(u"000.:Odd:.000");
    odd.push_back(0x41);
    files.Add(kLanguageFolder, "Odd.lng", odd);
    AddLanguage("Bom.lng", u"\uFEFF000.:Bom:.000");
    AddLanguage("Last.lng", u"000.:Last:.000");
    Load();
    ASSERT_EQ(languages.LanguageCount(), 4);
    EXPECT_EQ(languages.LanguageName(0), "EMPTY");
    EXPECT_EQ(languages.LanguageCaption(0), "");
    EXPECT_EQ(languages.LanguageText(7, "EMPTY"), "");
    EXPECT_EQ(languages.LanguageCaption(1), "Odd");
    EXPECT_EQ(languages.LanguageCaption(2), "Bom");
    EXPECT_EQ(languages.LanguageCaption(3), "Last");
}

TEST_F(LanguagesTest, AFlagIsOptionalButADamagedOneLeavesItsLanguageOut) {
    AddLanguage("Deutsch.lng", u"000.:Deutsch:.000");
    files.Add(kLanguageFolder, "deutsch.bmp", FlagFileBytes(0xFF112233));
    AddLanguage("Plain.lng", u"000.:Plain:.000");
    AddLanguage("Broken.lng", u"000.:Broken:.000");
    std::vector<std::uint8_t> truncated = FlagFileBytes(0xFF000000);
    truncated.resize(truncated.size() - 1);
    files.Add(kLanguageFolder, "BROKEN.bmp", truncated);
    AddLanguage("Huge.lng", u"000.:Huge:.000");
    std::vector<std::uint8_t> huge = FlagFileBytes(0xFF000000, 1);
    huge[18] = 0xA0, huge[19] = 0x86, huge[20] = 0x01;  // 100000 pixels wide
    huge[22] = 0xA0, huge[23] = 0x86, huge[24] = 0x01;  // and high
    files.Add(kLanguageFolder, "HUGE.bmp", huge);
    AddLanguage("Italiano.lng", u"000.:Italiano:.000");
    TBitmap32 unusedAlpha(16, 16);
    unusedAlpha.Clear(0x00445566);
    files.Add(kLanguageFolder, "Italiano.bmp", EncodeBmp32(unusedAlpha));
    Load();

    ASSERT_EQ(languages.LanguageCount(), 3);
    EXPECT_EQ(languages.LanguageName(0), "DEUTSCH");
    ASSERT_NE(languages.LanguageFlag(0), nullptr);
    EXPECT_EQ(languages.LanguageFlag(0)->At(5, 5), 0xFF112233u);
    EXPECT_EQ(languages.LanguageName(1), "PLAIN");
    EXPECT_EQ(languages.LanguageFlag(1), nullptr);
    EXPECT_EQ(languages.LanguageName(2), "ITALIANO");
    // A picture whose fourth bytes are all 0 was written without transparency.
    ASSERT_NE(languages.LanguageFlag(2), nullptr);
    EXPECT_EQ(languages.LanguageFlag(2)->At(0, 15), 0xFF445566u);
}

}  // namespace
}  // namespace orvelle::testing
