// How the screen is copied, and whether the window keeps itself out of every
// copy, for the "Magnify Own Window" option on the system the program runs on.
//
// The window is layered, so a plain copy has left it out since layered
// windows came; whether today's Windows still does so in every case is not
// settled. From Windows 10 version 2004 (build 19041) on the window can say
// so itself (WDA_EXCLUDEFROMCAPTURE); on earlier builds the same call blacks
// the window out in every copy, so it is never made there. In a remote
// session the layered copy (CAPTUREBLT) makes the pointer blink at every
// refresh, so there the view may miss layered windows, its own among them.
#pragma once

#include <cstdint>

namespace orvelle {

inline constexpr std::uint32_t kFirstBuildExcludingFromCapture = 19041;

enum class DisplayAffinity {
    Unchanged,           // the system has no safe way to say it: nothing is asked
    None,                // shown in copies like any window
    ExcludeFromCapture,  // left out of every copy of the screen
};

struct CapturePolicy {
    bool captureLayered = false;  // copy with CAPTUREBLT
    DisplayAffinity affinity = DisplayAffinity::Unchanged;

    friend bool operator==(const CapturePolicy&, const CapturePolicy&) = default;
};

// `windowsBuild` is the system's true build number (0 when unknown).
CapturePolicy ChooseCapturePolicy(bool magnifyOwnWindow, std::uint32_t windowsBuild, bool remoteSession);

}  // namespace orvelle
