#include "web/WebSites.h"

#include <charconv>

namespace orvelle {

namespace {

constexpr std::string_view kMailDomain = "orvelle.example";

bool IsLabelCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

// Letters, digits and inner hyphens in dot-separated labels of 1 to 63
// characters, 253 at most in all: a DNS name or a dotted IPv4 address.
bool IsHostName(std::string_view name) {
    if (name.empty() || name.size() > 253) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = name.find('.', start);
        const std::string_view label = name.substr(start, dot == std::string_view::npos ? dot : dot - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
        for (char c : label)
            if (!IsLabelCharacter(c)) return false;
        if (dot == std::string_view::npos) return true;
        start = dot + 1;
    }
}

bool IsPort(std::string_view text) {
    if (text.empty() || text.size() > 5) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    int port = 0;
    std::from_chars(text.data(), text.data() + text.size(), port);
    return port >= 1 && port <= 65535;
}

std::string PercentEncodeQueryValue(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

}  // namespace

const std::string& WebHosts::Host(WebSite site) const {
    switch (site) {
        case WebSite::Mirror: return mirror;
        case WebSite::Maker: return maker;
        case WebSite::Product: break;
    }
    return product;
}

bool WebHosts::Override(WebSite site, std::string_view host) {
    if (!IsHostWithOptionalPort(host)) return false;
    std::string& slot = site == WebSite::Mirror ? mirror : site == WebSite::Maker ? maker : product;
    slot = std::string(host);
    return true;
}

bool IsHostWithOptionalPort(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return IsHostName(text);
    return IsHostName(text.substr(0, colon)) && IsPort(text.substr(colon + 1));
}

std::string WebPageUrl(const WebHosts& hosts, WebSite site, std::string_view path) {
    return "http://" + hosts.Host(site) + std::string(path);
}

std::string WebLinkCaption(const WebHosts& hosts, WebSite site) {
    const char* name = site == WebSite::Product ? "Quorbit Online (" : site == WebSite::Mirror ? "Quorbit Mirror ("
                                                                                               : "Vantrel Online (";
    return name + hosts.Host(site) + ")";
}

std::string SupportMailUrl(SupportMail mail) {
    std::string_view mailbox = "support";
    std::string_view subject = "Question about Orvelle";
    if (mail == SupportMail::Comments) {
        mailbox = "comments";
        subject = "Comments on Orvelle";
    } else if (mail == SupportMail::Bug) {
        mailbox = "bugs";
        subject = "Bug in Orvelle";
    }
    return "mailto:" + std::string(mailbox) + "@" + std::string(kMailDomain) +
           "?Subject=" + PercentEncodeQueryValue(subject) + "&Body=";
}

std::string HelpFileFor(std::string_view programPath) {
    const std::size_t name = programPath.find_last_of("\\/");
    const std::size_t dot = programPath.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && (name == std::string_view::npos || dot > name);
    return std::string(hasExtension ? programPath.substr(0, dot) : programPath) + ".chm";
}

std::string FolderOf(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\:");
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

HostAndPort SplitHostPort(std::string_view hostWithPort) {
    HostAndPort split;
    const std::size_t colon = hostWithPort.find(':');
    split.host = std::string(hostWithPort.substr(0, colon));
    if (colon != std::string_view::npos) {
        const std::string_view port = hostWithPort.substr(colon + 1);
        int value = 0;
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (error == std::errc() && end == port.data() + port.size() && value >= 1 && value <= 65535) split.port = value;
    }
    return split;
}

std::string QuotedArgument(std::string_view argument) { return "\"" + std::string(argument) + "\""; }

std::string HelpTopic(std::string_view helpFile, std::string_view topic) {
    return std::string(helpFile) + "::" + std::string(topic);
}

}  // namespace orvelle
