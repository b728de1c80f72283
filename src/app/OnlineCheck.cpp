#include "app/OnlineCheck.h"

#include "web/Product.h"

namespace orvelle {

void OnlineCheck::Start(MainState& state, const std::string& url, const FetchLimits& limits, bool byUser) {
    if (state.check != CheckPhase::Idle) return;
    byUser_ = byUser;
    slot_ = std::make_shared<OnlineCheckResult>();
    state.check = CheckPhase::Waiting;
    service_.Start(url, limits, slot_);
}

std::optional<VersionAnswer> OnlineCheck::Poll(MainState& state) {
    if (state.check != CheckPhase::Waiting || slot_ == nullptr) return std::nullopt;
    const std::optional<Result<std::string>> answer = slot_->Get();
    if (!answer) return std::nullopt;  // the worker is still busy
    state.check = CheckPhase::Answering;
    slot_.reset();
    return JudgeVersionAnswer(*answer, ProgramVersion);
}

}  // namespace orvelle
