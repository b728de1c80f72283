// The online version check: what the web site's version file says, and the
// slot through which the worker thread hands its answer to the window.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Outcome.h"

namespace orvelle {

inline constexpr const char* kVersionFilePath = "/lastver/zelt.txt";
inline constexpr const char* kDownloadPagePath = "/download.htm";
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

// What a version file's body means: an empty one, or one that is not a
// version number once blanks and line breaks around it are dropped (a captive
// portal's login page, a server's error page), is a failed check.
VersionAnswer JudgeVersionAnswer(std::string_view body, std::string_view ours);
// The same for the worker's whole answer, which a failed fetch is too.
VersionAnswer JudgeVersionAnswer(const Result<std::string>& answer, std::string_view ours);

// The one value shared by the window and the worker: empty until the worker
// puts its answer in, once, as its last act.
class OnlineCheckResult {
public:
    std::optional<Result<std::string>> Get() const {
        std::lock_guard lock(mutex_);
        return answer_;
    }
    void Set(Result<std::string> answer) {
        std::lock_guard lock(mutex_);
        answer_ = std::move(answer);
    }

private:
    mutable std::mutex mutex_;
    std::optional<Result<std::string>> answer_;
};

}  // namespace orvelle
