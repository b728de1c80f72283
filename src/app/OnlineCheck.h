// The online version check as the window runs it: started from the menu or
// at start-up, its answer looked for once a second, and then told to the
// user. Its phase lives in the window's state (CheckPhase); each function
// here is one step from one phase to the next.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/MainState.h"
#include "app/Services.h"
#include "web/VersionCheck.h"
#include "web/VersionFetch.h"

namespace orvelle {

class OnlineCheck {
public:
    explicit OnlineCheck(VersionCheckService& service) : service_(service) {}

    // Idle -> Waiting: the worker starts. A check from the menu always
    // answers; one from start-up speaks up only when a newer version exists.
    void Start(MainState& state, const std::string& url, const FetchLimits& limits, bool byUser);
    // Waiting -> Answering once the worker's answer has come: what it means.
    std::optional<VersionAnswer> Poll(MainState& state);
    // Answering -> Idle: the user has been told.
    static void Finish(MainState& state) { state.check = CheckPhase::Idle; }

    bool ByUser() const { return byUser_; }

private:
    VersionCheckService& service_;
    // Shared with the worker, which may outlive the window; a new one each
    // check, so that a late answer of an abandoned worker reaches no later check.
    std::shared_ptr<OnlineCheckResult> slot_;
    bool byUser_ = false;
};

}  // namespace orvelle
