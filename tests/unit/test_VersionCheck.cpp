#include "web/VersionCheck.h"

#include <gtest/gtest.h>

#include <iterator>

namespace orvelle {
namespace {

TEST(VersionCheck, TheWebSitesAnswerAgainst328) {
    const struct {
        const char* answer;
        VersionAnswer meaning;
    } cases[] = {
        {"3.28", VersionAnswer::UpToDate},
        {"3.29", VersionAnswer::Newer},
        {"3.3", VersionAnswer::Newer},
        {"4.0", VersionAnswer::Newer},
        {"10.0", VersionAnswer::Newer},
        {"3.28\r\n", VersionAnswer::UpToDate},
        {" \t3.29\n", VersionAnswer::Newer},
        {"3.280", VersionAnswer::UpToDate},
        {"3.28.1", VersionAnswer::Newer},
        {"3.27.99", VersionAnswer::UpToDate},
        {"3.2", VersionAnswer::UpToDate},
        {"2.99", VersionAnswer::UpToDate},
        {"03.28", VersionAnswer::UpToDate},
        {"99999999999999999999.0", VersionAnswer::Newer},
        {"", VersionAnswer::Failed},
        {"   ", VersionAnswer::Failed},
        {"<html><body>Log in</body></html>", VersionAnswer::Failed},
        {"v3.29", VersionAnswer::Failed},
        {"3..29", VersionAnswer::Failed},
        {".3", VersionAnswer::Failed},
        {"3.", VersionAnswer::Failed},
        {"3.29 beta", VersionAnswer::Failed},
        {"3,29", VersionAnswer::Failed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JudgeVersionAnswer(std::string_view(c.answer), "3.28"), c.meaning) << '"' << c.answer << '"';
        EXPECT_EQ(JudgeVersionAnswer(Result<std::string>(c.answer), "3.28"), c.meaning) << '"' << c.answer << '"';
    }
    // A fetch that failed is a failed check, whatever it had read.
    EXPECT_EQ(JudgeVersionAnswer(Result<std::string>(MakeFailure("status 404")), "3.28"), VersionAnswer::Failed);
}

TEST(VersionCheck, NewerIsAStrictOrder) {
    const char* ascending[] = {"1", "2.5", "3.2", "3.28", "3.28.1", "3.28.9", "3.28.10", "3.29", "3.3", "4", "10.0"};
    const std::size_t count = std::size(ascending);
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = 0; j < count; ++j)
            EXPECT_EQ(IsNewerVersion(ascending[j], ascending[i]), j > i) << ascending[j] << " after " << ascending[i];
}

TEST(VersionCheck, TheSlotIsEmptyUntilTheAnswerComes) {
    OnlineCheckResult slot;
    EXPECT_FALSE(slot.Get().has_value());
    slot.Set(std::string("3.29"));
    ASSERT_TRUE(slot.Get().has_value());
    EXPECT_EQ(slot.Get()->Value(), "3.29");
    slot.Set(MakeFailure("no connection"));
    EXPECT_EQ(slot.Get()->Error().text, "no connection");
}

}  // namespace
}  // namespace orvelle
