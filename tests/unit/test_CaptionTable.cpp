#include "app/CaptionTable.h"

#include <gtest/gtest.h>

#include <set>

namespace orvelle {
namespace {

TEST(CaptionTable, EveryHintOnceAndTheRasteredHintOnTwoLines) {
    std::set<HintTarget> hints;
    for (const CaptionRow& row : MainWindowCaptions())
        if (row.target.kind == CaptionTarget::Kind::Hint) {
            EXPECT_TRUE(hints.insert(row.target.hint).second);
        }
    EXPECT_EQ(hints.size(), static_cast<std::size_t>(HintTarget::Count));

    const TextLookup numbered = [](int text, std::string_view) { return "#" + std::to_string(text); };
    for (const CaptionRow& row : MainWindowCaptions()) {
        if (row.target.kind == CaptionTarget::Kind::Hint && row.target.hint == HintTarget::tbRastered) {
            EXPECT_EQ(CaptionText(row, EnglishText), "Rastered Grid Lines\r\n(Visible on Any Background)");
            EXPECT_EQ(CaptionText(row, numbered), "#23\r\n(#63)");
        }
    }
}

}  // namespace
}  // namespace orvelle
