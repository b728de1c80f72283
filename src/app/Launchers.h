// Work handed to other programs, none of them waited for: the help viewer,
// web pages, support mail and the companion ruler. Every page goes through
// actBrowse and every help request through actRunHelp.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "app/Services.h"
#include "web/WebSites.h"

namespace orvelle {

// Asks through the program's own dialog, in the chosen language: the text
// numbers of the message and its buttons, the button pressed (1-based) or kDismissed.
using Ask = std::function<int(int message, std::initializer_list<int> buttons, IconKind icon)>;

class Launchers {
public:
    Launchers(ShellService& shell, DialogService& dialogs, RegistryService& registry, std::string programPath)
        : shell_(shell), dialogs_(dialogs), registry_(registry), programPath_(std::move(programPath)) {}

    void actBrowse(const std::string& url) { shell_.OpenUrl(url); }
    // False when the viewer did not start; the error has been shown.
    bool actRunHelp(const std::string& parameters);

    void ShowHelp();  // the help file's first page
    bool ShowHelpTopic(const std::string& topic);
    void OpenWebLink(const WebHosts& hosts, WebSite site) { actBrowse(WebPageUrl(hosts, site, "/")); }
    void SendSupportMail(SupportMail mail) { shell_.OpenMail(SupportMailUrl(mail)); }

    // The ruler's path, read once at start-up: from the program's own
    // registry view, else from the other one, where an installer of the other
    // bitness records it.
    void ReadRulerPath();
    const std::string& RulerPath() const { return rulerPath_; }
    // Starts the ruler, or offers its download when it is not there.
    void LaunchRuler(const WebHosts& hosts, const Ask& ask);

private:
    ShellService& shell_;
    DialogService& dialogs_;
    RegistryService& registry_;
    std::string programPath_;
    std::string rulerPath_;
};

}  // namespace orvelle
