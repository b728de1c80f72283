// A language file and its flag as a user may drop them beside the program.
// The input's first two bytes tell how many of the rest are the language
// file; the remainder, when there is any, is its flag.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "engine/BmpCodec.h"
#include "lang/InterfaceTexts.h"
#include "lang/Languages.h"
#include "lang/Utf16.h"
#include "unit/FakeMainWindow.h"

using namespace orvelle;

namespace {

const std::string kFolder = "C:\\Orvelle\\Languages\\";

// The entry as a reader would find it by eye: the text between the first
// "NNN.:" and the first ":.NNN", when that lies after it.
std::u16string ReferenceEntry(const std::u16string& text, int number) {
    const std::u16string tag = Utf16FromUtf8(TextNumberTag(number));
    const std::u16string open = tag + u".:";
    const std::u16string close = u":." + tag;
    const std::size_t start = text.find(open);
    const std::size_t end = text.find(close);
    if (start == std::u16string::npos || end == std::u16string::npos || end < start + open.size()) return {};
    return text.substr(start + open.size(), end - start - open.size());
}

// What the chosen language shows: its entry, except that a text the program
// added after the published table (up to 204) comes in English where the file
// has no entry of that number at all.
std::string ReferenceText(const std::u16string& text, int number) {
    const std::u16string open = Utf16FromUtf8(TextNumberTag(number)) + u".:";
    if (number > 204 && text.find(open) == std::u16string::npos) return EnglishText(number);
    return Utf8FromUtf16(ReferenceEntry(text, number));
}

bool IsCleanUtf8(const std::string& text) { return Utf8FromUtf16(Utf16FromUtf8(text)) == text; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t languageSize = std::min<std::size_t>(data[0] | (data[1] << 8), size - 2);
    const std::vector<std::uint8_t> language(data + 2, data + 2 + languageSize);
    const std::vector<std::uint8_t> flag(data + 2 + languageSize, data + size);

    testing::FakeFileSystem files;
    files.Add(kFolder, "Fuzz.lng", language);
    if (!flag.empty()) files.Add(kFolder, "FUZZ.bmp", flag);

    Languages languages;
    languages.LoadLanguages(files, kFolder);
    const bool flagReads = flag.empty() || DecodeBmpFile(flag).ok();
    FUZZ_CHECK(languages.LanguageCount() == (flagReads ? 1 : 0));
    if (languages.LanguageCount() == 0) return 0;

    FUZZ_CHECK(languages.LanguageName(0) == "FUZZ");
    FUZZ_CHECK(languages.IsLanguageLoaded("FUZZ") && !languages.IsLanguageLoaded("Fuzz"));
    const TBitmap32* picture = languages.LanguageFlag(0);
    FUZZ_CHECK((picture != nullptr) == !flag.empty());
    if (picture != nullptr) FUZZ_CHECK(picture->Width() > 0 && picture->Height() > 0);

    // Only the file's start is read; entries beyond it do not exist.
    const std::size_t readBytes = std::min(language.size(), kLanguageFileMaxBytes);
    const std::u16string text = Utf16FromLittleEndian(std::span(language).first(readBytes));
    std::vector<int> numbers(EnglishTextNumbers().begin(), EnglishTextNumbers().end());
    numbers.insert(numbers.end(), {-1, 0, 999, 1000, 300});
    for (int number : numbers) {
        const std::string chosen = languages.LanguageText(number, "FUZZ");
        FUZZ_CHECK(IsCleanUtf8(chosen));
        FUZZ_CHECK(chosen == ReferenceText(text, number));
        // Under any other name the built-in English answers.
        FUZZ_CHECK(languages.LanguageText(number, "EN") == EnglishText(number));
    }
    FUZZ_CHECK(IsCleanUtf8(languages.LanguageCaption(0)));
    return 0;
}
