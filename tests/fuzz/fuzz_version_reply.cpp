// The body of the web site's version file, as the worker hands it over.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "web/Product.h"
#include "web/VersionCheck.h"

using namespace orvelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
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
