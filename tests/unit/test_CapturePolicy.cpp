#include "app/CapturePolicy.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST(CapturePolicy, WhichCopyAndWhichAffinityForEachBuildAndSession) {
    using A = DisplayAffinity;
    const struct {
        bool own;
        std::uint32_t build;
        bool remote;
        CapturePolicy expected;
    } cases[] = {
        // Windows 10 2004 and later: the window says itself whether copies show it.
        {false, 19041, false, {false, A::ExcludeFromCapture}},
        {true, 19041, false, {true, A::None}},
        {false, 22631, true, {false, A::ExcludeFromCapture}},
        {true, 22631, true, {false, A::None}},  // no blinking pointer; layered windows may be missed
        // Earlier builds would black the window out: nothing is asked.
        {false, 19040, false, {false, A::Unchanged}},
        {true, 19040, false, {true, A::Unchanged}},
        {true, 7601, true, {false, A::Unchanged}},
        {false, 0, false, {false, A::Unchanged}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "own " << c.own << ", build " << c.build << ", remote " << c.remote);
        EXPECT_EQ(ChooseCapturePolicy(c.own, c.build, c.remote), c.expected);
    }
}

}  // namespace
}  // namespace orvelle
