#include "web/VersionFetch.h"

#include <algorithm>

#include "web/WebSites.h"

namespace orvelle {

std::optional<HttpUrl> ParseHttpUrl(std::string_view url) {
    constexpr std::string_view kScheme = "http://";
    if (url.size() < kScheme.size()) return std::nullopt;
    for (std::size_t i = 0; i < kScheme.size(); ++i) {
        const char c = url[i] >= 'A' && url[i] <= 'Z' ? static_cast<char>(url[i] - 'A' + 'a') : url[i];
        if (c != kScheme[i]) return std::nullopt;
    }
    url.remove_prefix(kScheme.size());
    const std::size_t slash = url.find('/');
    const std::string_view authority = url.substr(0, slash);
    if (!IsHostWithOptionalPort(authority)) return std::nullopt;
    const HostAndPort host = SplitHostPort(authority);
    HttpUrl parsed{host.host, host.port, slash == std::string_view::npos ? "/" : std::string(url.substr(slash))};
    return parsed;
}

VersionFetch::VersionFetch(std::string_view url, FetchLimits limits, std::int64_t nowMs)
    : limits_(limits), deadlineMs_(nowMs + limits.deadlineMs) {
    const std::optional<HttpUrl> target = ParseHttpUrl(url);
    if (!target) {
        Fail("not a plain web address: " + std::string(url));
        return;
    }
    target_ = *target;
}

int VersionFetch::WaitMs(std::int64_t nowMs) const {
    const std::int64_t left = deadlineMs_ - nowMs;
    return static_cast<int>(std::clamp<std::int64_t>(std::min<std::int64_t>(left, limits_.stepTimeoutMs), 1,
                                                     limits_.stepTimeoutMs > 0 ? limits_.stepTimeoutMs : 1));
}

bool VersionFetch::PastDeadline(std::int64_t nowMs) {
    if (nowMs <= deadlineMs_) return false;
    Fail("the whole fetch took too long");
    return true;
}

void VersionFetch::Head(int status, std::optional<std::uint64_t> contentLength, std::string_view location,
                        std::int64_t nowMs) {
    if (step_ != Step::Request || PastDeadline(nowMs)) return;
    const bool redirect = status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
    if (redirect) {
        if (++redirects_ > limits_.maxRedirects) return Fail("too many redirects");
        // A path alone stays on the same server.
        if (!location.empty() && location.front() == '/') {
            target_.path = std::string(location);
            return;
        }
        const std::optional<HttpUrl> next = ParseHttpUrl(location);
        if (!next) return Fail("a redirect to no plain web address");
        target_ = *next;
        return;
    }
    if (status != 200) return Fail("status " + std::to_string(status));
    // A version file is a few bytes: a longer one announced is no answer.
    if (contentLength && *contentLength > limits_.maxBodyBytes) return Fail("announced body too long");
    announced_ = contentLength;
    body_.clear();
    step_ = Step::ReadBody;
}

void VersionFetch::Body(std::string_view piece, std::int64_t nowMs) {
    if (step_ != Step::ReadBody || PastDeadline(nowMs)) return;
    if (piece.size() > limits_.maxBodyBytes - body_.size()) return Fail("body too long");
    body_.append(piece);
    if (announced_ && body_.size() > *announced_) Fail("more body than announced");
}

void VersionFetch::End(std::int64_t nowMs) {
    if (step_ != Step::ReadBody || PastDeadline(nowMs)) return;
    // A connection closed before the announced length is a reply cut short.
    if (announced_ && body_.size() != *announced_) return Fail("reply cut short");
    // An empty reply could not be told from no reply yet.
    if (body_.empty()) return Fail("empty reply");
    step_ = Step::Done;
}

void VersionFetch::Fail(std::string reason) {
    if (step_ == Step::Done || step_ == Step::Failed) return;
    step_ = Step::Failed;
    reason_ = std::move(reason);
    body_.clear();
}

}  // namespace orvelle
