#include "app/CaptionTable.h"

#include <gtest/gtest.h>

#include <set>

#include "lang/InterfaceTexts.h"

namespace orvelle {
namespace {

TEST(CaptionTable, EveryHintOnceAndTheRasteredHintOnTwoLines) {
    std::set<HintTarget> hints;
    for (const CaptionRow& row : MainWindowCaptions())
        if (row.target.kind == CaptionTarget::Kind::Hint) {
            EXPECT_TRUE(hints.insert(row.target.hint).second);
        }
    EXPECT_EQ(hints.size(), static_cast<std::size_t>(HintTarget::Count));

    const TextLookup numbered = [](int text) { return "#" + std::to_string(text); };
    for (const CaptionRow& row : MainWindowCaptions()) {
        if (row.target.kind == CaptionTarget::Kind::Hint && row.target.hint == HintTarget::tbRastered) {
            EXPECT_EQ(CaptionText(row, [](int text) { return EnglishText(text); }), "Rastered Grid Lines\r\n(Visible on Any Background)");
            EXPECT_EQ(CaptionText(row, numbered), "#23\r\n(#63)");
        }
    }
}

}  // namespace
}  // namespace orvelle
