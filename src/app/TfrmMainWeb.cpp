// Help, web pages and support mail: handed to the system's programs, which
// run on their own.
#include "app/ProfileFile.h"
#include "app/ProfileValues.h"
#include "app/TfrmMain.h"
#include "app/WebLinks.h"

namespace orvelle {

namespace {

constexpr std::string_view kWeb = "Web";

constexpr struct {
    WebSite site;
    std::string_view key;
    Command item;
} kHostKeys[] = {
    {WebSite::Product, "ProductHost", Command::menuKvOnline},
    {WebSite::Mirror, "MirrorHost", Command::menuKvMirror},
    {WebSite::Maker, "MakerHost", Command::MenuVantrel},
};

}  // namespace

void TfrmMain::actBrowse(const std::string& url) { services_.shell.OpenUrl(url); }

bool TfrmMain::actRunHelp(const std::string& parameters) {
    const Outcome started = services_.shell.RunHelp(parameters);
    if (started) services_.dialogs.ShowError(started->text);
    return !started;
}

void TfrmMain::menuShowHelpClick() { actRunHelp(QuotedArgument(HelpFileFor(services_.programPath))); }

void TfrmMain::OpenWebLink(WebSite site) { actBrowse(WebPageUrl(hosts_, site, "/")); }

void TfrmMain::SendSupportMail(SupportMail mail) { services_.shell.OpenMail(SupportMailUrl(mail)); }

// The [Web] section is the administrator's: read here, never written. Its
// time-outs of the version check, in milliseconds, serve a slow company
// network or a test that need not wait out the usual ones.
void TfrmMain::ReadWebHosts(const ProfileFile& file) {
    for (const auto& entry : kHostKeys) {
        const auto host = file.Read(kWeb, entry.key);
        if (host && hosts_.Override(entry.site, *host)) menu_.SetCaption(entry.item, WebLinkCaption(hosts_, entry.site));
    }
    const auto limit = [&](std::string_view key, int fallback, int most) {
        const std::int32_t value = ReadProfileInteger(file, kWeb, key, fallback);
        return value >= 100 && value <= most ? value : fallback;
    };
    const FetchLimits usual;
    fetchLimits_.stepTimeoutMs = limit("CheckStepTimeout", usual.stepTimeoutMs, 60000);
    fetchLimits_.deadlineMs = limit("CheckDeadline", usual.deadlineMs, 300000);
}

}  // namespace orvelle
