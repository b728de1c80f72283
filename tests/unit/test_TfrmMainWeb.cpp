// Help, web links and support mail from the main window.
#include <string>

#include "MainWindowFixture.h"
#include "app/ProfileFile.h"

namespace orvelle::testing {
namespace {

class Web : public MainWindowFixture {
protected:
    std::string Caption(Command item) const { return view.menu.at(item).caption; }
};

TEST_F(Web, F1AndTheHelpButtonOpenTheHelpFileBesideTheProgram) {
    Start();
    const std::string helpFile = "\"C:\\Program Files\\Orvelle\\Orvelle.chm\"";
    form->Execute(CommandForKey(kKeyF1, false, false));
    ClickToolButton(ToolButton::tbHelp);
    EXPECT_EQ(shell.helpRuns, (std::vector<std::string>{helpFile, helpFile}));
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(Web, AViewerThatDoesNotStartIsReportedAndTheProgramGoesOn) {
    Start();
    shell.helpFailure = MakeFailure("The system cannot find the file specified.", Failure::Kind::NotFound);
    form->Execute(Command::menuShowHelp);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"The system cannot find the file specified."});
    EXPECT_EQ(form->Shown().Timer(Timer::Refresher), 40);
}

TEST_F(Web, WebLinksOpenTheStartPagesOfTheirSites) {
    Start();
    form->Execute(Command::menuKvOnline);
    form->Execute(Command::menuKvMirror);
    form->Execute(Command::MenuVantrel);
    // The logo: its first click, then the double-click.
    form->imgLogoClick();
    form->imgLogoDblClick();
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"http://www.orvelle.example/", "http://mirror.orvelle.example/",
                                                      "http://www.vantrel.example/", "http://www.orvelle.example/",
                                                      "http://www.orvelle.example/"}));
    EXPECT_EQ(Caption(Command::menuKvOnline), "Quorbit Online (www.orvelle.example)");
    EXPECT_EQ(Caption(Command::menuKvMirror), "Quorbit Mirror (mirror.orvelle.example)");
    EXPECT_EQ(Caption(Command::MenuVantrel), "Vantrel Online (www.vantrel.example)");
    EXPECT_TRUE(shell.mails.empty());
}

TEST_F(Web, SupportItemsWriteMailsWithTheirSubjects) {
    Start();
    form->Execute(Command::menuQuestion);
    form->Execute(Command::menuComment);
    form->Execute(Command::menuBug);
    EXPECT_EQ(shell.mails, (std::vector<std::string>{
                               "mailto:support@orvelle.example?Subject=Question%20about%20Orvelle&Body=",
                               "mailto:comments@orvelle.example?Subject=Comments%20on%20Orvelle&Body=",
                               "mailto:bugs@orvelle.example?Subject=Bug%20in%20Orvelle&Body="}));
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(Web, TheWebSectionNamesOtherHostsAndSurvivesUntouched) {
    const std::string web = "[Web]\r\nProductHost=127.0.0.1:8080\r\nMirrorHost=http://evil/\r\n"
                            "MakerHost=intranet.corp\r\n; kept\r\n";
    StartWith(web);
    EXPECT_EQ(Caption(Command::menuKvOnline), "Quorbit Online (127.0.0.1:8080)");
    EXPECT_EQ(Caption(Command::menuKvMirror), "Quorbit Mirror (mirror.orvelle.example)");
    EXPECT_EQ(Caption(Command::MenuVantrel), "Vantrel Online (intranet.corp)");
    form->Execute(Command::menuKvOnline);
    form->Execute(Command::menuKvMirror);
    form->Execute(Command::MenuVantrel);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"http://127.0.0.1:8080/", "http://mirror.orvelle.example/",
                                                      "http://intranet.corp/"}));
    form->FormDestroy();
    const std::string written = *settings.Content();
    EXPECT_EQ(written.substr(0, web.size()), web);
    EXPECT_EQ(written.find("[Web]", 1), std::string::npos);
}

}  // namespace
}  // namespace orvelle::testing
