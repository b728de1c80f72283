// The language menu, the start-up choice, switching languages and the texts
// that a language puts into the window.
#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "LanguageFiles.h"
#include "MainWindowFixture.h"
#include "app/ProfileFile.h"
#include "lang/InterfaceTexts.h"

namespace orvelle::testing {
namespace {

// Every text the English table has, as "<NNN>" followed by the number.
std::u16string NumberedLanguage(const std::u16string& name, int without = -1) {
    std::u16string text = u"000.:" + name + u":.000\r\n";
    for (int n : EnglishTextNumbers()) {
        if (n == without) continue;
        const std::string tag = TextNumberTag(n);
        const std::u16string wide(tag.begin(), tag.end());
        text += wide + u".:<" + wide + u">:." + wide + u"\r\n";
    }
    return text;
}

class Languages : public MainWindowFixture {
protected:
    void AddLanguage(const std::string& fileName, const std::u16string& text) {
        fileSystem.Add(kLanguageFolder, fileName, LanguageFileBytes(text));
    }
    void AddFlag(const std::string& fileName, Pixel color) {
        fileSystem.Add(kLanguageFolder, fileName, FlagFileBytes(color));
    }
    std::vector<Command> LanguageMenu() const {
        std::vector<Command> items;
        for (Command c : view.menuOrder)
            if (view.menu.at(c).parent == Command::menuLanguage) items.push_back(c);
        return items;
    }
    std::string Caption(Command item) const { return view.menu.at(item).caption; }
    Command Item(int language) const { return form->LanguageItems().at(static_cast<std::size_t>(language)); }
    std::string StoredLanguage() {
        form->FormDestroy();
        return ProfileFile(*settings.Content()).ReadString("Options", "Language", "<missing>");
    }
};

TEST_F(Languages, WithoutLanguageFilesTheMenuHoldsEnglishAndTheDownloadItem) {
    Start();
    EXPECT_EQ(fileSystem.searched, std::vector<std::string>{kLanguageFolder + "*.lng"});
    EXPECT_EQ(LanguageMenu(), (std::vector<Command>{Command::menuEN, Command::N6, Command::menuMore}));
    EXPECT_TRUE(form->Shown().Checked(Command::menuEN));
    EXPECT_EQ(view.menu.at(Command::menuLanguage).image, MenuImage::Picture(kEnglishFlagPicture));
    EXPECT_EQ(Caption(Command::menuMore), "Download More Languages");
}

TEST_F(Languages, LoadedLanguagesFollowTheSeparatorInTheFoldersOrderWithTheirFlags) {
    AddLanguage("Italiano.lng", u"000.:Italiano:.000");
    AddLanguage("Deutsch.lng", u"000.:Deutsch:.000");
    AddFlag("Deutsch.bmp", 0xFF000000);
    AddLanguage("Fran\xc3\xa7" "ais.lng", u"000.:Fran\u00e7ais:.000");
    AddFlag("FRAN\xc3\xa7" "AIS.bmp", 0xFF0000FF);
    Start();

    ASSERT_EQ(form->LanguageItems().size(), 3u);
    EXPECT_EQ(LanguageMenu(), (std::vector<Command>{Command::menuEN, Command::menuLangSeparator, Item(0), Item(1),
                                                    Item(2), Command::N6, Command::menuMore}));
    EXPECT_EQ(Caption(Item(0)), "Italiano");
    EXPECT_EQ(Caption(Item(1)), "Deutsch");
    EXPECT_EQ(Caption(Item(2)), "Fran\xc3\xa7" "ais");
    EXPECT_EQ(view.menu.at(Item(0)).image, MenuImage{});
    EXPECT_EQ(view.menu.at(Item(1)).image, MenuImage::Picture(kDesignedMenuPictureCount));
    EXPECT_EQ(view.menu.at(Item(2)).image, MenuImage::Picture(kDesignedMenuPictureCount + 1));
    ASSERT_EQ(view.addedPictures.size(), 2u);
    EXPECT_EQ(view.addedPictures[1].At(0, 0), 0xFF0000FFu);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(view.menu.at(Item(i)).kind, MenuKind::Radio);
}

TEST_F(Languages, ClicksMoveTheOneCheckMarkAndTheLanguageMenusFlag) {
    AddLanguage("Deutsch.lng", NumberedLanguage(u"Deutsch"));
    AddFlag("Deutsch.bmp", 0xFF000000);
    AddLanguage("Plain.lng", NumberedLanguage(u"Plain"));
    Start();
    const Command deutsch = Item(0);
    const Command plain = Item(1);
    auto checks = [&] {
        return std::vector<bool>{view.menu.at(Command::menuEN).checked, view.menu.at(deutsch).checked,
                                 view.menu.at(plain).checked};
    };
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false}));

    form->Execute(deutsch);
    EXPECT_EQ(checks(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(form->State().language, "DEUTSCH");
    EXPECT_EQ(view.menu.at(Command::menuLanguage).image, MenuImage::Picture(kDesignedMenuPictureCount));
    EXPECT_EQ(Caption(Command::menuFile), "<001>");

    form->Execute(plain);
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(view.menu.at(Command::menuLanguage).image, MenuImage{});

    // A click on the chosen item applies the language again.
    form->Execute(plain);
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, true}));

    form->Execute(Command::menuEN);
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(form->State().language, "EN");
    EXPECT_EQ(Caption(Command::menuFile), "File");
    EXPECT_EQ(view.menu.at(Command::menuLanguage).image, MenuImage::Picture(kEnglishFlagPicture));
    EXPECT_EQ(StoredLanguage(), "EN");
}

// Which text each caption and hint shows, written down from the table of
// captions the program was designed with, not read from the program's own table.
struct TextOf {
    Command item;
    int text;
};
constexpr TextOf kMenuTexts[] = {
    {Command::menuFile, 1},           {Command::menuFreeze, 2},       {Command::menuCopy, 3},
    {Command::menuSaveAs, 4},         {Command::menuRuler, 5},        {Command::menuExit, 6},
    {Command::menuMagnification, 7},  {Command::menuPrecise, 8},      {Command::menuSmooth, 9},
    {Command::menuSmoothingType, 10}, {Command::menuSimple, 11},      {Command::menuLinear, 12},
    {Command::menuCosine, 13},        {Command::menuBicubic, 14},     {Command::menuLanczos, 15},
    {Command::menuMitchell, 16},      {Command::menuLevel, 17},       {Command::menuRefresh, 18},
    {Command::menuOwn, 19},           {Command::menuGrid, 20},        {Command::menuShowCursor, 21},
    {Command::menuShowGrid, 22},      {Command::menuRastered, 23},    {Command::menuColor, 24},
    {Command::menuOptions, 25},       {Command::menuOnTop, 26},       {Command::menuToolbar, 27},
    {Command::menuStatusbar, 28},     {Command::menuSnap, 29},        {Command::menuLanguage, 30},
    {Command::menuMore, 165},         {Command::menuAutostart, 35},   {Command::menuSave, 36},
    {Command::menuHelp, 37},          {Command::menuShowHelp, 37},    {Command::menuBrowse, 38},
    {Command::menuStartupCheck, 159}, {Command::menuCheckNow, 160},   {Command::menuSupport, 39},
    {Command::menuQuestion, 40},      {Command::menuComment, 41},     {Command::menuBug, 42},
    {Command::menuAbout, 46},         {Command::menuCopyColor, 300},  {Command::menuPinColor, 305},
    {Command::menuUnpinColor, 306},   {Command::menuCopyContrast, 307}, {Command::menuRecentColors, 308},
    {Command::menuColorFormat, 309},  {Command::menuColorTemplate, 310}, {Command::menuSampleSize, 311},
    {Command::menuVision, 312},       {Command::menuVisionNormal, 313}, {Command::menuVisionProtanopia, 314},
    {Command::menuVisionDeuteranopia, 315}, {Command::menuVisionTritanopia, 316},
    {Command::menuVisionAchromatopsia, 317}, {Command::menuVisionInverted, 318},
    {Command::menuFormatTemplate, 322},
    {Command::menuLockHorizontal, 323}, {Command::menuLockVertical, 324}, {Command::menuCopyMeasurement, 325},
    {Command::menuSaveAsSeen, 326},     {Command::menuQuickSave, 327},    {Command::menuGlobalHotkeys, 328},
};
const std::pair<HintTarget, const char*> kHints[] = {
    {HintTarget::tbPrecise, "<060>"}, {HintTarget::tbSmooth, "<061>"},  {HintTarget::tbZoom, "<062>"},
    {HintTarget::labelZoom, "<062>"}, {HintTarget::tbCursor, "<021>"},  {HintTarget::tbGrid, "<022>"},
    {HintTarget::tbRastered, "<023>\r\n(<063>)"},                      {HintTarget::cbGrid, "<024>"},
    {HintTarget::tbOnTop, "<026>"},   {HintTarget::tbRuler, "<005>"},   {HintTarget::tbHelp, "<037>"},
    {HintTarget::imgLogo, "<038>"},   {HintTarget::sbColor, "<301>"},   {HintTarget::sbContrast, "<321>"},
    {HintTarget::sbMeasurement, "<331>"},
};

TEST_F(Languages, EveryCaptionHintAndTheSaveTitleComeFromTheChosenLanguage) {
    AddLanguage("Deutsch.lng", NumberedLanguage(u"Deutsch"));
    StartWith("[Options]\r\nLanguage=DEUTSCH\r\n");
    EXPECT_TRUE(view.menu.at(Item(0)).checked);
    std::set<Command> translated;
    for (const TextOf& row : kMenuTexts) {
        SCOPED_TRACE(static_cast<int>(row.item));
        const std::string shortcut = ShortcutText(view.menu.at(row.item).shortcut);
        const std::string tag = "<" + TextNumberTag(row.text) + ">";
        EXPECT_EQ(Caption(row.item), shortcut.empty() ? tag : tag + "\t" + shortcut);
        translated.insert(row.item);
    }
    // No other item shows a numbered text: the list above is complete.
    for (const auto& [item, shown] : view.menu) {
        if (translated.count(item) == 0) {
            EXPECT_NE(shown.caption.rfind("<", 0), 0u) << static_cast<int>(item);
        }
    }
    ASSERT_EQ(std::size(kHints), static_cast<std::size_t>(HintTarget::Count));
    for (const auto& [target, text] : kHints) EXPECT_EQ(view.hints.at(target), text);
    EXPECT_EQ(form->Shown().saveDialogTitle, "<004>");
    // Texts no language changes.
    EXPECT_EQ(Caption(Command::menuEN), "English");
    EXPECT_EQ(Caption(Command::menu2X), "2 X");
    EXPECT_EQ(Caption(Command::menuKvOnline), "Quorbit Online (www.orvelle.example)");
    EXPECT_EQ(StoredLanguage(), "DEUTSCH");
}

TEST_F(Languages, AMissingEntryIsAnEmptyTextAndANamelessLanguageStillSwitches) {
    std::u16string text = NumberedLanguage(u"", 36);
    AddLanguage("Nameless.lng", text);
    Start();
    EXPECT_EQ(Caption(Item(0)), "");
    form->Execute(Item(0));
    EXPECT_EQ(form->State().language, "NAMELESS");
    EXPECT_EQ(Caption(Command::menuSave), "");
    EXPECT_EQ(Caption(Command::menuAutostart), "<035>");
}

TEST_F(Languages, TheStoredNameMustMatchExactly) {
    AddLanguage("Deutsch.lng", NumberedLanguage(u"Deutsch"));
    for (const char* stored : {"deutsch", "Deutsch", "KLINGON", ""}) {
        SCOPED_TRACE(stored);
        StartWith(std::string("[Options]\r\nLanguage=") + stored + "\r\n");
        EXPECT_TRUE(form->Shown().Checked(Command::menuEN));
        EXPECT_EQ(Caption(Command::menuFile), "File");
        EXPECT_EQ(StoredLanguage(), "EN");
        Recreate();
        view = FakeMainView();
    }
    started = false;
}

TEST_F(Languages, TextsShownLaterAreFetchedInTheLanguageChosenLast) {
    AddLanguage("Deutsch.lng", u"000.:Deutsch:.000 161.:Neueste:.161");
    Start();
    EXPECT_EQ(form->Text(161), "You are currently using the latest\r\nversion of Orvelle.");
    form->Execute(Item(0));
    EXPECT_EQ(form->Text(161), "Neueste");
    EXPECT_EQ(form->Text(162), "");
}

TEST_F(Languages, DownloadMoreLanguagesOpensItsPageOnTheProductSite) {
    StartWith("[Web]\r\nProductHost=localhost:8123\r\n");
    form->Execute(Command::menuMore);
    EXPECT_EQ(shell.opened, std::vector<std::string>{"http://localhost:8123/download-languages.htm"});
}

}  // namespace
}  // namespace orvelle::testing
