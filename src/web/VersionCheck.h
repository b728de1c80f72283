// The online version check: what the web site's version file says, and the
// slot through which the worker thread hands its answer to the window.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

namespace orvelle {

inline constexpr const char* kVersionFilePath = "/lastver/zelt.txt";
inline constexpr const char* kDownloadPagePath = "/download.htm";
// The worker's answer when the fetch failed.
inline constexpr const char* kCheckFailed = "ERROR";
// Put into the slot by start-up just before it starts a check.
inline constexpr const char* kStartupCheckMarker = "START";
// How often the window looks for the worker's answer.
inline constexpr int kOnlineCheckIntervalMs = 1000;
// A version file is a few bytes; a reply longer than this is no version file.
inline constexpr std::size_t kVersionReplyMaxBytes = 4096;

// "3.28", "10.0.1": digits in parts separated by single dots.
bool IsVersionNumber(std::string_view text);

// Whether `published` is a later version than `ours`. Both are version
// numbers; the major and minor parts compare as a decimal number, so 3.3 is
// 3.30, later than 3.28, and 10.0 is later than 3.28; any further parts
// compare as whole numbers (3.28.10 is later than 3.28.9).
bool IsNewerVersion(std::string_view published, std::string_view ours);

enum class VersionAnswer { Failed, Newer, UpToDate };

// What the worker's answer means: "ERROR", an empty reply, or a reply that is
// not a version number once blanks and line breaks around it are dropped (a
// captive portal's login page, a server's error page) is a failed check.
VersionAnswer JudgeVersionAnswer(std::string_view answer, std::string_view ours);

// The one text shared by the window and the worker. The window empties it
// before a check starts; the worker replaces its content once, as its last act.
class OnlineCheckResult {
public:
    std::string Get() const {
        std::lock_guard lock(mutex_);
        return text_;
    }
    void Set(std::string text) {
        std::lock_guard lock(mutex_);
        text_ = std::move(text);
    }

private:
    mutable std::mutex mutex_;
    std::string text_;
};

}  // namespace orvelle
