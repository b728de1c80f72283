#include "web/VersionFetch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvelle {
namespace {

using Step = VersionFetch::Step;

// A reply as the connection delivers it: a head, then the body in pieces,
// each `gapMs` after the one before.
struct Reply {
    int status = 200;
    std::optional<std::uint64_t> length;
    std::string location;
    std::vector<std::string> pieces;
    int gapMs = 0;
};

// Feeds the replies in turn, one per request the fetch makes; the answer.
std::string Fetch(VersionFetch& fetch, const std::vector<Reply>& replies, std::int64_t& now) {
    for (const Reply& reply : replies) {
        if (fetch.Next() != Step::Request) break;
        fetch.Head(reply.status, reply.length, reply.location, now);
        for (const std::string& piece : reply.pieces) {
            now += reply.gapMs;
            fetch.Body(piece, now);
        }
        fetch.End(now);
    }
    const Result<std::string> answer = fetch.Answer();
    return answer.Ok() ? answer.Value() : "ERROR";
}

std::string Fetch(const std::vector<Reply>& replies, FetchLimits limits = {}) {
    std::int64_t now = 1000;
    VersionFetch fetch("http://www.orvelle.example/lastver/zelt.txt", limits, now);
    return Fetch(fetch, replies, now);
}

TEST(VersionFetch, WholeSplitTrickledEmptyOversizedAndMalformedReplies) {
    const std::string big(4097, '9');
    const struct {
        const char* what;
        Reply reply;
        std::string answer;
    } cases[] = {
        {"whole, announced", {200, 4, "", {"3.29"}}, "3.29"},
        {"whole, unannounced", {200, std::nullopt, "", {"3.29\r\n"}}, "3.29\r\n"},
        {"split into bytes", {200, 4, "", {"3", ".", "2", "9"}}, "3.29"},
        {"trickled inside the deadline", {200, 4, "", {"3", ".", "2", "9"}, 4000}, "3.29"},
        {"trickled past the deadline", {200, 4, "", {"3", ".", "2", "9"}, 6000}, "ERROR"},
        {"empty", {200, 0, "", {}}, "ERROR"},
        {"empty, unannounced", {200, std::nullopt, "", {}}, "ERROR"},
        {"cut short", {200, 10, "", {"3.29"}}, "ERROR"},
        {"more than announced", {200, 2, "", {"3.29"}}, "ERROR"},
        {"announced too long", {200, 4097, "", {"3.29"}}, "ERROR"},
        {"body too long", {200, std::nullopt, "", {big}}, "ERROR"},
        {"body too long in pieces", {200, std::nullopt, "", {big.substr(0, 4000), big.substr(4000)}}, "ERROR"},
        {"longest allowed", {200, std::nullopt, "", {big.substr(1)}}, big.substr(1)},
        {"not found", {404, 9, "", {"not found"}}, "ERROR"},
        {"server error", {500, 4, "", {"3.29"}}, "ERROR"},
        {"redirect without a place", {302, 0, "", {}}, "ERROR"},
        {"redirect to https", {301, 0, "https://www.orvelle.example/v.txt", {}}, "ERROR"},
        {"redirect to a bad host", {301, 0, "http://a b/v.txt", {}}, "ERROR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Fetch({c.reply}), c.answer);
    }
}

TEST(VersionFetch, RedirectsAreFollowedToTheirPlaceAtMostFiveTimes) {
    std::int64_t now = 0;
    VersionFetch fetch("http://www.orvelle.example/lastver/zelt.txt", {}, now);
    ASSERT_EQ(fetch.Next(), Step::Request);
    EXPECT_EQ(fetch.Target().path, "/lastver/zelt.txt");
    fetch.Head(302, std::nullopt, "/moved/zelt.txt", now);
    ASSERT_EQ(fetch.Next(), Step::Request);
    EXPECT_EQ(fetch.Target().host, "www.orvelle.example");
    EXPECT_EQ(fetch.Target().path, "/moved/zelt.txt");
    fetch.Head(307, std::nullopt, "HTTP://mirror.example:8080", now);
    ASSERT_EQ(fetch.Next(), Step::Request);
    EXPECT_EQ(fetch.Target().host, "mirror.example");
    EXPECT_EQ(fetch.Target().port, 8080);
    EXPECT_EQ(fetch.Target().path, "/");

    const auto hops = [](int count) {
        std::vector<Reply> replies(static_cast<std::size_t>(count), Reply{301, 0, "/again", {}});
        replies.push_back(Reply{200, 4, "", {"3.29"}});
        return replies;
    };
    EXPECT_EQ(Fetch(hops(5)), "3.29");
    EXPECT_EQ(Fetch(hops(6)), "ERROR");
    FetchLimits none;
    none.maxRedirects = 0;
    EXPECT_EQ(Fetch(hops(1), none), "ERROR");
}

TEST(VersionFetch, EachWaitEndsWithTheStepOrTheWholeFetch) {
    FetchLimits limits;
    limits.stepTimeoutMs = 300;
    limits.deadlineMs = 1000;
    VersionFetch fetch("http://127.0.0.1:8089/lastver/zelt.txt", limits, 5000);
    EXPECT_EQ(fetch.Target().port, 8089);
    EXPECT_EQ(fetch.WaitMs(5000), 300);
    EXPECT_EQ(fetch.WaitMs(5800), 200);
    EXPECT_EQ(fetch.WaitMs(6000), 1);
    EXPECT_EQ(fetch.WaitMs(9000), 1);
    fetch.Head(200, 4, "", 6001);  // the head came too late
    EXPECT_EQ(fetch.Next(), Step::Failed);
    EXPECT_EQ(fetch.Reason(), "the whole fetch took too long");

    VersionFetch failed("http://www.orvelle.example/", limits, 0);
    failed.Fail("no connection");
    failed.Head(200, 4, "", 0);  // nothing after a failure counts
    EXPECT_EQ(failed.Next(), Step::Failed);
    EXPECT_EQ(failed.Answer().Error().text, "no connection");
    EXPECT_EQ(VersionFetch("ftp://www.orvelle.example/", limits, 0).Next(), Step::Failed);
}

}  // namespace
}  // namespace orvelle
