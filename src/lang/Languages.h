// The languages found beside the program: one ".lng" file each, with an
// optional flag picture, read once at start-up and kept until the program
// ends. Texts are looked up by number in the language the user has chosen;
// the built-in English answers only while no loaded language carries the
// chosen name.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Bitmap32.h"
#include "lang/FileSystemReader.h"

namespace orvelle {

// Only this much of a language file is read; entries beyond it do not exist.
inline constexpr std::size_t kLanguageFileMaxBytes = 16384;
// A flag is a 16 x 16 picture; a file this large is no flag.
inline constexpr std::size_t kFlagFileMaxBytes = 1 << 20;
// The name under which the built-in English is chosen and stored.
inline constexpr const char* kEnglishLanguageName = "EN";

struct TLanguage {
    std::string Name;               // the file name upper-cased (ASCII letters only), ".LNG" removed
    std::optional<TBitmap32> Flag;  // from Name + ".bmp" beside the file
    std::u16string Text;            // the file's first kLanguageFileMaxBytes bytes
};

// "Deutsch.lng" and "deutsch.LNG" give "DEUTSCH"; only ASCII letters change case.
std::string LanguageNameFromFileName(std::string_view fileName);

class Languages {
public:
    // Scans `folder` (ending with a path separator) once. A file that cannot
    // be opened or whose flag is damaged is left out; the scan goes on.
    void LoadLanguages(FileSystemReader& files, const std::string& folder);

    int LanguageCount() const { return static_cast<int>(list_.size()); }
    // Index arguments lie in 0 .. LanguageCount() - 1.
    const std::string& LanguageName(int index) const { return list_[static_cast<std::size_t>(index)].Name; }
    // Entry 000, the language's own name, as its menu item shows it (UTF-8).
    std::string LanguageCaption(int index) const;
    const TBitmap32* LanguageFlag(int index) const;
    bool IsLanguageLoaded(std::string_view name) const;
    // Text `number` (UTF-8) in the language named `currentLanguage`: the last
    // loaded language of that name decides alone, a number of the published
    // table that its file lacks giving the empty text and a later one the
    // English text; with none of that name, the English text.
    std::string LanguageText(int number, std::string_view currentLanguage) const;

    const std::vector<TLanguage>& LanguageList() const { return list_; }

private:
    std::vector<TLanguage> list_;
};

}  // namespace orvelle
