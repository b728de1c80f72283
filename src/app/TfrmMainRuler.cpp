// The companion ruler program: found through the registry at start-up,
// started by its menu item, its shortcut and its toolbar button.
#include "app/TfrmMain.h"

namespace orvelle {

namespace {

constexpr const char* kRulerKey = "Software\\Vantrel\\Tessaly";

}  // namespace

// Read once; a missing key or a value that is no text leaves the path empty
// and the rest of start-up goes on.
void TfrmMain::ReadRulerPath() { rulerPath_ = services_.registry.ReadMachineString(kRulerKey, "Path").value_or(""); }

void TfrmMain::menuRulerClick() {
    using Launch = ShellService::LaunchResult;
    if (!rulerPath_.empty()) {
        const Launch result = services_.shell.RunProgram(rulerPath_, FolderOf(rulerPath_));
        if (result != Launch::FileNotFound && result != Launch::PathNotFound) return;
    }
    if (Ask(64, {163, 164}, IconKind::Question) == 1)
        actBrowse(WebPageUrl(hosts_, WebSite::Product, kDownloadPagePath));
}

}  // namespace orvelle
