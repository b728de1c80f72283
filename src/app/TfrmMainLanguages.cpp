// The languages found beside the program, their menu items and the texts of
// the chosen one.
#include "app/TfrmMain.h"

namespace orvelle {

namespace {

std::string ProgramFolder(const std::string& programPath) {
    const std::size_t separator = programPath.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : programPath.substr(0, separator + 1);
}

// Identifiers for items made at run time follow the designed commands, and
// stay below those of the system's own commands.
Command RuntimeItem(std::size_t index) { return static_cast<Command>(kCommandCount + static_cast<int>(index)); }

}  // namespace

// One item per loaded language, in the order the folder listed them, each with
// its flag when it has one; the menu puts them between English and the last separator.
void TfrmMain::BuildLanguages() {
    languages_.LoadLanguages(services_.fileSystem, ProgramFolder(services_.programPath) + "Languages\\");
    int picture = kDesignedMenuPictureCount;
    for (int i = 0; i < languages_.LanguageCount() && i < kMaxRuntimeCommands; ++i) {
        LanguageItem item{RuntimeItem(static_cast<std::size_t>(i)), languages_.LanguageCaption(i), -1};
        if (const TBitmap32* flag = languages_.LanguageFlag(i)) {
            flags_.push_back(flag);
            item.picture = picture++;
        }
        languageItems_.push_back(item);
        languageCommands_.push_back(item.id);
        languageNames_.push_back(languages_.LanguageName(i));
    }
}

std::string TfrmMain::Text(int number) const {
    if (textsLanguage_ != state_.language) {
        texts_.clear();
        textsLanguage_ = state_.language;
    }
    const auto known = texts_.find(number);
    if (known != texts_.end()) return known->second;
    return texts_[number] = languages_.LanguageText(number, state_.language);
}

}  // namespace orvelle
