// The language menu, the choice of a language and its texts in the window.
#include "app/TfrmMain.h"
#include "web/WebSites.h"

#include <utility>

namespace orvelle {

namespace {

std::string ProgramFolder(const std::string& programPath) {
    const std::size_t separator = programPath.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : programPath.substr(0, separator + 1);
}

}  // namespace

// English, a separator, one item per loaded language in the order the folder
// listed them, a separator and "Download More Languages".
void TfrmMain::BuildLanguageMenu() {
    languages_.LoadLanguages(services_.fileSystem, ProgramFolder(services_.programPath) + "Languages\\");
    if (languages_.LanguageCount() < 1) return;  // no separator under English then
    MenuItem separator;
    separator.id = Command::menuLangSeparator;
    separator.parent = Command::menuLanguage;
    separator.kind = MenuKind::Separator;
    menu_.Insert(separator, Command::N6);
    for (int i = 0; i < languages_.LanguageCount(); ++i) {
        MenuItem item;
        item.parent = Command::menuLanguage;
        item.kind = MenuKind::Radio;
        item.caption = languages_.LanguageCaption(i);
        if (const TBitmap32* flag = languages_.LanguageFlag(i)) {
            view_.AddMenuPicture(*flag);
            item.image = MenuImage::Picture(menuPictureCount_++);
        }
        const Command id = menu_.InsertRuntimeItem(item, Command::N6, [this, i] {
            menuAnyLangClick(languageItems_[static_cast<std::size_t>(i)]);
        });
        if (id == Command::None) break;  // no identifiers left for more languages
        languageItems_.push_back(id);
    }
}

// A stored name that no loaded language carries exactly (its file removed,
// or the name in another case) chooses English.
void TfrmMain::ChooseStartupLanguage(const std::string& stored) {
    if (stored != kEnglishLanguageName && languages_.IsLanguageLoaded(stored)) {
        for (std::size_t j = 0; j < languageItems_.size(); ++j)
            if (languages_.LanguageName(static_cast<int>(j)) == stored) menuAnyLangClick(languageItems_[j]);
        return;
    }
    menuAnyLangClick(Command::menuEN);
}

// Every click applies the language again, even on the item already chosen.
void TfrmMain::menuAnyLangClick(Command item) {
    if (item == Command::menuEN) {
        currentLanguage_ = kEnglishLanguageName;
    } else {
        for (std::size_t i = 0; i < languageItems_.size(); ++i)
            if (languageItems_[i] == item) currentLanguage_ = languages_.LanguageName(static_cast<int>(i));
    }
    menu_.CheckRadio(item);
    const MenuItem* chosen = std::as_const(menu_).Find(item);
    menu_.SetImage(Command::menuLanguage, chosen != nullptr ? chosen->image : MenuImage{});
    SetLanguage();
}

std::string TfrmMain::Text(int number) const { return languages_.LanguageText(number, currentLanguage_); }

void TfrmMain::SetLanguage() {
    const TextLookup lookup = [this](int number) { return Text(number); };
    for (const CaptionRow& row : MainWindowCaptions()) {
        const std::string text = CaptionText(row, lookup);
        switch (row.target.kind) {
            case CaptionTarget::Kind::MenuCaption:
                menu_.SetCaption(row.target.item, text);
                break;
            case CaptionTarget::Kind::Hint:
                SetHint(row.target.hint, text);
                break;
            case CaptionTarget::Kind::SaveDialogTitle:
                saveDialogTitle_ = text;
                break;
        }
    }
}

void TfrmMain::menuMoreClick() { actBrowse(WebPageUrl(hosts_, WebSite::Product, "/download-languages.htm")); }

}  // namespace orvelle
