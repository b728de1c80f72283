// The language files that ship with the program, read from the folder the
// build writes them to, as the program reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "lang/InterfaceTexts.h"
#include "lang/Languages.h"

namespace orvelle {
namespace {

class DiskFolder : public FileSystemReader {
public:
    std::optional<std::vector<std::string>> FindFiles(const std::string& folder, const std::string& pattern) override {
        if (!std::filesystem::is_directory(folder)) return std::nullopt;
        std::vector<std::string> names;
        const std::string extension = pattern.substr(1);
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name.size() > extension.size() && name.ends_with(extension)) names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t maxBytes) override {
        std::ifstream in(Resolve(path), std::ios::binary);
        if (!in) return std::nullopt;
        std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (bytes.size() > maxBytes) bytes.resize(maxBytes);
        return bytes;
    }
    bool FileExists(const std::string& path) override { return std::filesystem::is_regular_file(Resolve(path)); }

private:
    // File names compare without regard to case, as on Windows.
    static std::filesystem::path Resolve(const std::string& path) {
        const std::filesystem::path wanted(path);
        if (!std::filesystem::is_directory(wanted.parent_path())) return wanted;
        auto lower = [](std::string s) {
            std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
            return s;
        };
        for (const auto& entry : std::filesystem::directory_iterator(wanted.parent_path()))
            if (lower(entry.path().filename().string()) == lower(wanted.filename().string())) return entry.path();
        return wanted;
    }
};

std::size_t Lines(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(ShippedLanguages, EachTranslatesEveryTextAndHasItsFlag) {
    DiskFolder folder;
    Languages languages;
    languages.LoadLanguages(folder, ORVELLE_SHIPPED_LANGUAGES);
    std::vector<std::string> names;
    for (int i = 0; i < languages.LanguageCount(); ++i) names.push_back(languages.LanguageName(i));
    EXPECT_EQ(names, (std::vector<std::string>{"DEUTSCH", "ESPANOL", "FRANCAIS"}));

    for (int i = 0; i < languages.LanguageCount(); ++i) {
        const std::string& name = languages.LanguageName(i);
        SCOPED_TRACE(name);
        EXPECT_FALSE(languages.LanguageCaption(i).empty());
        const TBitmap32* flag = languages.LanguageFlag(i);
        ASSERT_NE(flag, nullptr);
        EXPECT_EQ(flag->Width(), 16);
        EXPECT_EQ(flag->Height(), 16);
        for (int number : EnglishTextNumbers()) {
            const std::string english = EnglishText(number);
            const std::string text = languages.LanguageText(number, name);
            EXPECT_FALSE(text.empty()) << number;
            // Line breaks where the English has them, and only CR LF ones.
            EXPECT_EQ(Lines(text), Lines(english)) << number;
            EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), std::count(english.begin(), english.end(), '\r'))
                << number;
            EXPECT_EQ(text.front() == ' ', english.front() == ' ') << number;
            EXPECT_NE(text.back(), ' ') << number;
        }
    }
}

}  // namespace
}  // namespace orvelle
