// Where the program's web pages and support mail go. The host names live
// here alone; the settings file may name others (for a mirror, a company
// network or the tests), which replace these when they are plain host names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

enum class WebSite { Product, Mirror, Maker };

struct WebHosts {
    std::string product = "www.orvelle.example";
    std::string mirror = "mirror.orvelle.example";
    std::string maker = "www.vantrel.example";

    const std::string& Host(WebSite site) const;
    // Takes `host` for the site when it is a plain host name ("example.net",
    // "10.0.0.7") with an optional ":port" (1 to 65535); anything else (a
    // scheme, a path, a user, blanks) is ignored. True when it was taken.
    bool Override(WebSite site, std::string_view host);
};

bool IsHostWithOptionalPort(std::string_view text);

// "http://" + the site's host + `path` ("/", "/download.htm").
std::string WebPageUrl(const WebHosts& hosts, WebSite site, std::string_view path);

// The menu caption of a web link: "Quorbit Online (www.orvelle.example)".
std::string WebLinkCaption(const WebHosts& hosts, WebSite site);

enum class SupportMail { Question, Comments, Bug };

// The "mailto:" address of a support mail with its subject and an empty
// body, encoded for a URI (blanks as %20).
std::string SupportMailUrl(SupportMail mail);

// The help file: the program's full name with ".chm" for its extension.
std::string HelpFileFor(std::string_view programPath);
// What the help viewer is given to open `topic` ("2F_Help.htm#About") of it.
std::string HelpTopic(std::string_view helpFile, std::string_view topic);
// The folder of a file, with its trailing separator: `path` cut after its
// last "\" or ":" (empty when it has neither).
std::string FolderOf(std::string_view path);
// A host with an optional port, split; the port is 80 when none is given.
struct HostAndPort {
    std::string host;
    int port = 80;
};
HostAndPort SplitHostPort(std::string_view hostWithPort);

// One command-line argument in quotes, so that a path with blanks stays whole.
std::string QuotedArgument(std::string_view argument);

}  // namespace orvelle
