// The companion ruler program: found through the registry at start-up,
// started by its menu item, its shortcut and its toolbar button.
#include "app/TfrmMain.h"

namespace orvelle {

namespace {

constexpr const char* kRulerKey = "Software\\Vantrel\\Tessaly";

}  // namespace

// Read once; a missing key or a value that is no text leaves the path empty
// and the rest of start-up goes on. An installer of the other bitness
// records the ruler in the other registry view, so that view answers when
// the program's own has no path.
void TfrmMain::ReadRulerPath() {
    std::optional<std::string> path = services_.registry.ReadMachineString(kRulerKey, "Path", RegistryView::Own);
    if (!path) path = services_.registry.ReadMachineString(kRulerKey, "Path", RegistryView::Other);
    rulerPath_ = path.value_or("");
}

void TfrmMain::menuRulerClick() {
    if (!rulerPath_.empty()) {
        const Outcome launched = services_.shell.RunProgram(rulerPath_, FolderOf(rulerPath_));
        // Only a program that is not there is offered for download; any other failure says nothing.
        if (!launched || !(launched->Is(Failure::Kind::NotFound) || launched->Is(Failure::Kind::PathNotFound))) return;
    }
    if (Ask(64, {163, 164}, IconKind::Question) == 1)
        actBrowse(WebPageUrl(hosts_, WebSite::Product, kDownloadPagePath));
}

}  // namespace orvelle
