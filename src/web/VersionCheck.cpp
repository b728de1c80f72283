#include "web/VersionCheck.h"

#include <algorithm>

namespace orvelle {

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view Part(std::string_view version, std::size_t& at) {
    const std::size_t dot = version.find('.', at);
    const std::string_view part = version.substr(at, dot == std::string_view::npos ? dot : dot - at);
    at = dot == std::string_view::npos ? version.size() + 1 : dot + 1;
    return part;
}

// Whole numbers of any length, as digit strings.
int CompareWhole(std::string_view a, std::string_view b) {
    while (a.size() > 1 && a.front() == '0') a.remove_prefix(1);
    while (b.size() > 1 && b.front() == '0') b.remove_prefix(1);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

// Digits after a decimal point: the shorter one is padded with zeros.
int CompareFraction(std::string_view a, std::string_view b) {
    const std::size_t length = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char x = i < a.size() ? a[i] : '0';
        const char y = i < b.size() ? b[i] : '0';
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

}  // namespace

bool IsVersionNumber(std::string_view text) {
    if (text.empty() || text.size() > 64 || text.front() == '.' || text.back() == '.') return false;
    char previous = '.';
    for (char c : text) {
        if (c == '.' && previous == '.') return false;
        if (c != '.' && (c < '0' || c > '9')) return false;
        previous = c;
    }
    return true;
}

bool IsNewerVersion(std::string_view published, std::string_view ours) {
    std::size_t a = 0;
    std::size_t b = 0;
    for (int index = 0; a <= published.size() || b <= ours.size(); ++index) {
        const std::string_view x = a <= published.size() ? Part(published, a) : std::string_view("0");
        const std::string_view y = b <= ours.size() ? Part(ours, b) : std::string_view("0");
        const int order = index == 1 ? CompareFraction(x, y) : CompareWhole(x, y);
        if (order != 0) return order > 0;
    }
    return false;
}

VersionAnswer JudgeVersionAnswer(std::string_view body, std::string_view ours) {
    const std::string_view version = Trimmed(body);
    if (!IsVersionNumber(version)) return VersionAnswer::Failed;
    return IsNewerVersion(version, ours) ? VersionAnswer::Newer : VersionAnswer::UpToDate;
}

VersionAnswer JudgeVersionAnswer(const Result<std::string>& answer, std::string_view ours) {
    return answer.Ok() ? JudgeVersionAnswer(std::string_view(answer.Value()), ours) : VersionAnswer::Failed;
}

}  // namespace orvelle
