#include "app/CapturePolicy.h"

namespace orvelle {

CapturePolicy ChooseCapturePolicy(bool magnifyOwnWindow, std::uint32_t windowsBuild, bool remoteSession) {
    CapturePolicy policy;
    policy.captureLayered = magnifyOwnWindow && !remoteSession;
    if (windowsBuild >= kFirstBuildExcludingFromCapture)
        policy.affinity = magnifyOwnWindow ? DisplayAffinity::None : DisplayAffinity::ExcludeFromCapture;
    return policy;
}

}  // namespace orvelle
