#include "app/Launchers.h"

#include <optional>

#include "web/VersionCheck.h"

namespace orvelle {

namespace {

constexpr const char* kRulerKey = "Software\\Vantrel\\Tessaly";

}  // namespace

bool Launchers::actRunHelp(const std::string& parameters) {
    const Outcome started = shell_.RunHelp(parameters);
    if (started) dialogs_.ShowError(started->text);
    return !started;
}

void Launchers::ShowHelp() { actRunHelp(QuotedArgument(HelpFileFor(programPath_))); }

bool Launchers::ShowHelpTopic(const std::string& topic) {
    return actRunHelp(QuotedArgument(HelpTopic(HelpFileFor(programPath_), topic)));
}

// A missing key or a value that is no text leaves the path empty and the
// rest of start-up goes on.
void Launchers::ReadRulerPath() {
    std::optional<std::string> path = registry_.ReadMachineString(kRulerKey, "Path", RegistryView::Own);
    if (!path) path = registry_.ReadMachineString(kRulerKey, "Path", RegistryView::Other);
    rulerPath_ = path.value_or("");
}

void Launchers::LaunchRuler(const WebHosts& hosts, const Ask& ask) {
    if (!rulerPath_.empty()) {
        const Outcome launched = shell_.RunProgram(rulerPath_, FolderOf(rulerPath_));
        // Only a program that is not there is offered for download; any other failure says nothing.
        if (!launched || !(launched->Is(Failure::Kind::NotFound) || launched->Is(Failure::Kind::PathNotFound))) return;
    }
    if (ask(64, {163, 164}, IconKind::Question) == 1) actBrowse(WebPageUrl(hosts, WebSite::Product, kDownloadPagePath));
}

}  // namespace orvelle
