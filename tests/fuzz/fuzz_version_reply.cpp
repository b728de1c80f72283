// The body of the web site's version file, as the worker hands it over, and
// the reading of a reply that arrives in pieces of any size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "web/Product.h"
#include "web/VersionCheck.h"
#include "web/VersionFetch.h"

using namespace orvelle;

namespace {

// The body fed to a fetch in pieces whose sizes its own bytes choose, with or
// without its length announced: the answer is the body itself exactly when it
// is neither empty nor longer than a version file may be.
void CheckPieces(std::string_view body) {
    for (const bool announce : {false, true}) {
        std::int64_t now = 0;
        VersionFetch fetch("http://www.orvelle.example/lastver/zelt.txt", FetchLimits{}, now);
        fetch.Head(200, announce ? std::optional<std::uint64_t>(body.size()) : std::nullopt, "", now);
        std::size_t at = 0;
        while (at < body.size() && fetch.Next() == VersionFetch::Step::ReadBody) {
            const std::size_t piece = 1 + static_cast<unsigned char>(body[at]) % 97;
            fetch.Body(body.substr(at, piece), ++now);
            at += piece;
        }
        fetch.End(++now);
        const bool fits = !body.empty() && body.size() <= kVersionReplyMaxBytes;
        FUZZ_CHECK(fetch.Answer().Ok() == fits);
        if (fits) FUZZ_CHECK(fetch.Answer().Value() == body);
        FUZZ_CHECK(fetch.Next() == (fits ? VersionFetch::Step::Done : VersionFetch::Step::Failed));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    CheckPieces(body);
    const VersionAnswer answer = JudgeVersionAnswer(body, ProgramVersion);

    // The judgement is that of the trimmed text alone.
    std::string_view trimmed = body;
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; };
    while (!trimmed.empty() && blank(trimmed.front())) trimmed.remove_prefix(1);
    while (!trimmed.empty() && blank(trimmed.back())) trimmed.remove_suffix(1);
    if (!IsVersionNumber(trimmed)) {
        FUZZ_CHECK(answer == VersionAnswer::Failed);
        return 0;
    }
    FUZZ_CHECK(answer == (IsNewerVersion(trimmed, ProgramVersion) ? VersionAnswer::Newer : VersionAnswer::UpToDate));

    // "Newer" is a strict order: never both ways, never of itself, and a
    // version with a further part is never older than the one without it.
    FUZZ_CHECK(!IsNewerVersion(trimmed, trimmed));
    FUZZ_CHECK(!(IsNewerVersion(trimmed, ProgramVersion) && IsNewerVersion(ProgramVersion, trimmed)));
    const std::string longer = std::string(trimmed) + ".1";
    FUZZ_CHECK(!IsNewerVersion(trimmed, longer) || !IsNewerVersion(longer, trimmed));
    FUZZ_CHECK(!IsNewerVersion(trimmed, longer));
    return 0;
}
