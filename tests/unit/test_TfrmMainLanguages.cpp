// The language menu, the start-up choice, switching languages and the texts
// that a language puts into the window.
#include <string>

#include "LanguageFiles.h"
#include "MainWindowFixture.h"
#include "app/CaptionTable.h"
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
    void StartWith(const std::string& content) {
        settings = InMemorySettingsStore(content);
        Start();
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
    EXPECT_TRUE(form->Checked(Command::menuEN));
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
    EXPECT_EQ(form->CurrentLanguage(), "DEUTSCH");
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
    EXPECT_EQ(form->CurrentLanguage(), "EN");
    EXPECT_EQ(Caption(Command::menuFile), "File");
    EXPECT_EQ(view.menu.at(Command::menuLanguage).image, MenuImage::Picture(kEnglishFlagPicture));
    EXPECT_EQ(StoredLanguage(), "EN");
}

TEST_F(Languages, EveryCaptionHintAndTheSaveTitleComeFromTheChosenLanguage) {
    AddLanguage("Deutsch.lng", NumberedLanguage(u"Deutsch"));
    StartWith("[Options]\r\nLanguage=DEUTSCH\r\n");
    EXPECT_TRUE(view.menu.at(Item(0)).checked);
    for (const CaptionRow& row : MainWindowCaptions()) {
        const std::string tag = "<" + TextNumberTag(row.text) + ">";
        switch (row.target.kind) {
            case CaptionTarget::Kind::MenuCaption: {
                const std::string shortcut = ShortcutText(view.menu.at(row.target.item).shortcut);
                EXPECT_EQ(Caption(row.target.item), shortcut.empty() ? tag : tag + "\t" + shortcut);
                break;
            }
            case CaptionTarget::Kind::Hint:
                EXPECT_EQ(view.hints.at(row.target.hint),
                          row.note != 0 ? tag + "\r\n(<" + TextNumberTag(row.note) + ">)" : tag);
                break;
            case CaptionTarget::Kind::SaveDialogTitle:
                EXPECT_EQ(form->SaveDialogTitle(), tag);
                break;
        }
    }
    EXPECT_EQ(view.hints.at(HintTarget::tbRastered), "<023>\r\n(<063>)");
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
    EXPECT_EQ(form->CurrentLanguage(), "NAMELESS");
    EXPECT_EQ(Caption(Command::menuSave), "");
    EXPECT_EQ(Caption(Command::menuAutostart), "<035>");
}

TEST_F(Languages, TheStoredNameMustMatchExactly) {
    AddLanguage("Deutsch.lng", NumberedLanguage(u"Deutsch"));
    for (const char* stored : {"deutsch", "Deutsch", "KLINGON", ""}) {
        SCOPED_TRACE(stored);
        StartWith(std::string("[Options]\r\nLanguage=") + stored + "\r\n");
        EXPECT_TRUE(form->Checked(Command::menuEN));
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
