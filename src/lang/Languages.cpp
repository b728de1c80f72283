#include "lang/Languages.h"

#include "engine/BmpCodec.h"
#include "lang/InterfaceTexts.h"
#include "lang/Utf16.h"

namespace orvelle {

namespace {

// Most programs write 32-bit pictures with the fourth byte 0 throughout:
// such a picture has no transparency, it is opaque.
void MakeOpaqueWhenAlphaUnused(TBitmap32& picture) {
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if ((picture.At(x, y) >> 24) != 0) return;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) picture.At(x, y) |= 0xFF000000u;
}

}  // namespace

std::string LanguageNameFromFileName(std::string_view fileName) {
    std::string upper(fileName);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    std::string name;
    name.reserve(upper.size());
    constexpr std::string_view kExtension = ".LNG";
    for (std::size_t i = 0; i < upper.size();) {
        if (upper.compare(i, kExtension.size(), kExtension) == 0) {
            i += kExtension.size();
        } else {
            name += upper[i++];
        }
    }
    return name;
}

void Languages::LoadLanguages(FileSystemReader& files, const std::string& folder) {
    const auto found = files.FindFiles(folder, "*.lng");
    if (!found) return;
    for (const std::string& entry : *found) {
        // A file that cannot be opened (a folder of that name, a file locked
        // by another program) is one language less, never the end of the scan.
        const auto bytes = files.ReadFileStart(folder + entry, kLanguageFileMaxBytes);
        if (!bytes) continue;
        TLanguage language;
        language.Name = LanguageNameFromFileName(entry);
        language.Text = Utf16FromLittleEndian(*bytes);
        const std::string flagPath = folder + language.Name + ".bmp";
        if (files.FileExists(flagPath)) {
            const auto flagBytes = files.ReadFileStart(flagPath, kFlagFileMaxBytes);
            if (!flagBytes) continue;
            BmpDecoded flag = DecodeBmpFile(*flagBytes);
            if (!flag.ok()) continue;
            MakeOpaqueWhenAlphaUnused(flag.picture);
            language.Flag = std::move(flag.picture);
        }
        list_.push_back(std::move(language));
    }
}

std::string Languages::LanguageCaption(int index) const {
    return Utf8FromUtf16(ExtractLanguageText(list_[static_cast<std::size_t>(index)].Text, 0));
}

const TBitmap32* Languages::LanguageFlag(int index) const {
    const auto& flag = list_[static_cast<std::size_t>(index)].Flag;
    return flag ? &*flag : nullptr;
}

bool Languages::IsLanguageLoaded(std::string_view name) const {
    for (const TLanguage& language : list_)
        if (language.Name == name) return true;
    return false;
}

std::string Languages::LanguageText(int number, std::string_view currentLanguage) const {
    for (auto language = list_.rbegin(); language != list_.rend(); ++language) {
        if (language->Name != currentLanguage) continue;
        if (number > kLastPublishedTextNumber && !HasLanguageEntry(language->Text, number)) break;
        return Utf8FromUtf16(ExtractLanguageText(language->Text, number));
    }
    return EnglishText(number);
}

}  // namespace orvelle
