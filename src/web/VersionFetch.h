// One fetch of the version file, decided here from what the connection
// reports as it arrives; the platform side only moves bytes. It is fed the
// head of each reply, each piece of its body and the end, each with the time
// (a steady clock in milliseconds), and says what comes next: a request (the
// first, or one after a redirect), more of the body, or the outcome.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "web/VersionCheck.h"

namespace orvelle {

struct FetchLimits {
    std::size_t maxBodyBytes = kVersionReplyMaxBytes;
    // A site may move its file once or twice; a server that redirects in a
    // loop gets no more turns than this.
    int maxRedirects = 5;
    // Each wait (for the connection, the head, the next piece) ends after
    // this long, and the whole fetch after deadlineMs, so that a server that
    // never answers or trickles bytes cannot hold a check.
    int stepTimeoutMs = 5000;
    int deadlineMs = 20000;
};

// "http://host[:port][/path]"; nothing for any other scheme or a bad host.
struct HttpUrl {
    std::string host;
    int port = 80;
    std::string path = "/";
};
std::optional<HttpUrl> ParseHttpUrl(std::string_view url);

class VersionFetch {
public:
    enum class Step {
        Request,   // ask Target() for its head
        ReadBody,  // feed what arrives of the body, then the end
        Done,      // Body() is the version file
        Failed,    // Reason() says why
    };

    VersionFetch(std::string_view url, FetchLimits limits, std::int64_t nowMs);

    Step Next() const { return step_; }
    const HttpUrl& Target() const { return target_; }
    // How long the next wait may take: the step's time-out, or what is left
    // of the whole fetch if that is less; at least 1.
    int WaitMs(std::int64_t nowMs) const;

    // The head of a reply: its status, the announced length and the Location.
    void Head(int status, std::optional<std::uint64_t> contentLength, std::string_view location, std::int64_t nowMs);
    void Body(std::string_view piece, std::int64_t nowMs);
    // The connection has no more of the body.
    void End(std::int64_t nowMs);
    // The connection failed, or a wait timed out.
    void Fail(std::string reason);

    const std::string& Body() const { return body_; }
    const std::string& Reason() const { return reason_; }
    // The answer for the window: the body, or why there is none.
    Result<std::string> Answer() const {
        if (step_ == Step::Done) return body_;
        return MakeFailure(reason_.empty() ? "no answer" : reason_);
    }

private:
    bool PastDeadline(std::int64_t nowMs);

    FetchLimits limits_;
    std::int64_t deadlineMs_;
    Step step_ = Step::Request;
    HttpUrl target_;
    int redirects_ = 0;
    std::optional<std::uint64_t> announced_;
    std::string body_;
    std::string reason_;
};

}  // namespace orvelle
