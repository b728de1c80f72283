#include "web/WebSites.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST(WebSites, OnlyPlainHostNamesWithAnOptionalPortAreTaken) {
    const struct {
        const char* text;
        bool taken;
    } cases[] = {
        {"www.orvelle.example", true}, {"localhost", true},      {"127.0.0.1:8080", true},
        {"mirror.example.net:1", true}, {"a-b.c:65535", true},   {"", false},
        {"http://host", false},         {"host/path", false},    {"user@host", false},
        {"host:", false},               {"host:0", false},       {"host:65536", false},
        {"host:12a", false},            {"host:080808", false},  {" host", false},
        {"ho st", false},               {"-host", false},        {"host-.x", false},
        {"a..b", false},                {".host", false},        {"host.", false},
        {"[::1]:80", false},            {"h\xc3\xa9te", false},  {"host:80:80", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsHostWithOptionalPort(c.text), c.taken) << c.text;
        WebHosts hosts;
        EXPECT_EQ(hosts.Override(WebSite::Mirror, c.text), c.taken) << c.text;
        EXPECT_EQ(hosts.mirror, c.taken ? std::string(c.text) : WebHosts{}.mirror);
    }
    EXPECT_FALSE(IsHostWithOptionalPort(std::string(64, 'a') + ".example"));
    EXPECT_TRUE(IsHostWithOptionalPort(std::string(63, 'a') + ".example"));
}

TEST(WebSites, PagesAndCaptionsNameTheSitesHosts) {
    WebHosts hosts;
    EXPECT_EQ(WebPageUrl(hosts, WebSite::Product, "/"), "http://www.orvelle.example/");
    EXPECT_EQ(WebPageUrl(hosts, WebSite::Product, "/download-languages.htm"),
              "http://www.orvelle.example/download-languages.htm");
    EXPECT_EQ(WebLinkCaption(hosts, WebSite::Product), "Quorbit Online (www.orvelle.example)");
    EXPECT_EQ(WebLinkCaption(hosts, WebSite::Mirror), "Quorbit Mirror (mirror.orvelle.example)");
    EXPECT_EQ(WebLinkCaption(hosts, WebSite::Maker), "Vantrel Online (www.vantrel.example)");
    hosts.Override(WebSite::Maker, "127.0.0.1:8080");
    EXPECT_EQ(WebPageUrl(hosts, WebSite::Maker, "/"), "http://127.0.0.1:8080/");
    EXPECT_EQ(WebLinkCaption(hosts, WebSite::Maker), "Vantrel Online (127.0.0.1:8080)");
}

TEST(WebSites, SupportMailsCarryTheirSubjectEncodedAndAnEmptyBody) {
    EXPECT_EQ(SupportMailUrl(SupportMail::Question),
              "mailto:support@orvelle.example?Subject=Question%20about%20Orvelle&Body=");
    EXPECT_EQ(SupportMailUrl(SupportMail::Comments),
              "mailto:comments@orvelle.example?Subject=Comments%20on%20Orvelle&Body=");
    EXPECT_EQ(SupportMailUrl(SupportMail::Bug), "mailto:bugs@orvelle.example?Subject=Bug%20in%20Orvelle&Body=");
}

TEST(WebSites, TheHelpFileIsNamedLikeTheProgram) {
    EXPECT_EQ(HelpFileFor("C:\\Program Files\\Orvelle\\Orvelle.exe"), "C:\\Program Files\\Orvelle\\Orvelle.chm");
    EXPECT_EQ(HelpFileFor("C:\\Tools.v2\\Orvelle"), "C:\\Tools.v2\\Orvelle.chm");
    EXPECT_EQ(HelpFileFor("D:\\a.b\\Lupe.2.exe"), "D:\\a.b\\Lupe.2.chm");
    EXPECT_EQ(HelpTopic("C:\\x\\Orvelle.chm", "2F_Help.htm#About"), "C:\\x\\Orvelle.chm::2F_Help.htm#About");
    EXPECT_EQ(QuotedArgument("C:\\Program Files\\Orvelle.chm"), "\"C:\\Program Files\\Orvelle.chm\"");
}

}  // namespace
}  // namespace orvelle
