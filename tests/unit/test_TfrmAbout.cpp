// The about window, opened from the Help menu and on a first run.
#include <string>

#include "LanguageFiles.h"
#include "MainWindowFixture.h"

namespace orvelle::testing {
namespace {

class About : public MainWindowFixture {
protected:
    std::string Shown(AboutControl control) const { return dialogs.about.texts.at(control); }
};

TEST_F(About, ShowsNameVersionAndInstructionsInTheChosenLanguage) {
    fileSystem.Add(kLanguageFolder, "Deutsch.lng",
                   LanguageFileBytes(u"000.:Deutsch:.000 046.:Info...:.046 105.:Version:.105 "
                                     u"204.:Kurz:.204 100.:OK:.100 037.:Hilfe:.037"));
    StartWith("[Options]\r\nStartupCheck=0\r\n");
    form->Execute(Command::menuAbout);
    EXPECT_EQ(dialogs.aboutShown, 1);
    EXPECT_EQ(dialogs.about.title, " About...");
    EXPECT_EQ(Shown(AboutControl::Label1), "Orvelle");
    EXPECT_EQ(Shown(AboutControl::Label2), "Version: 3.28");
    EXPECT_EQ(Shown(AboutControl::Label4).substr(0, 21), "Brief instructions:\r\n");
    EXPECT_EQ(Shown(AboutControl::btnOK), "OK");
    EXPECT_EQ(Shown(AboutControl::btnHelp), "Help");

    form->Execute(form->LanguageItems()[0]);
    form->Execute(Command::menuAbout);
    EXPECT_EQ(dialogs.about.title, " Info...");
    EXPECT_EQ(Shown(AboutControl::Label1), "Orvelle");
    EXPECT_EQ(Shown(AboutControl::Label2), "Version: 3.28");
    EXPECT_EQ(Shown(AboutControl::Label4), "Kurz");
    EXPECT_EQ(Shown(AboutControl::btnHelp), "Hilfe");
}

TEST_F(About, ThePictureAndAPendingCheckWaitWhileItIsOpen) {
    StartWith("[Options]\r\nStartupCheck=1\r\n");
    ASSERT_EQ(form->Shown().Timer(Timer::OnlineCheckTimer), 1000);
    const int refresh = form->Shown().Timer(Timer::Refresher);
    ASSERT_NE(refresh, 0);
    bool paused = false;
    dialogs.whileAboutOpen = [&] {
        paused = form->Shown().Timer(Timer::Refresher) == 0 && form->Shown().Timer(Timer::OnlineCheckTimer) == 0;
        versionCheck.Answer(std::string("3.29"));  // arrives meanwhile
    };
    form->Execute(Command::menuAbout);
    EXPECT_TRUE(paused);
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(form->Shown().Timer(Timer::Refresher), refresh);
    EXPECT_EQ(form->Shown().Timer(Timer::OnlineCheckTimer), 1000);
    form->OnTimer(Timer::OnlineCheckTimer);
    EXPECT_EQ(dialogs.asked.size(), 1u);

    // A timer that was off stays off.
    dialogs.whileAboutOpen = nullptr;
    form->Execute(Command::menuAbout);
    EXPECT_EQ(form->Shown().Timer(Timer::OnlineCheckTimer), 0);
    EXPECT_EQ(form->Shown().Timer(Timer::Refresher), refresh);
}

TEST_F(About, HelpOpensTheAboutTopicAndClosesUnlessTheViewerFails) {
    StartWith("[Options]\r\nStartupCheck=0\r\n");
    dialogs.aboutAction = [](TfrmAbout& about) { about.btnHelpClick(); };
    form->Execute(Command::menuAbout);
    EXPECT_EQ(shell.helpRuns,
              std::vector<std::string>{"\"C:\\Program Files\\Orvelle\\Orvelle.chm::2F_Help.htm#About\""});
    EXPECT_FALSE(dialogs.about.open);

    shell.helpFailure = MakeFailure("The system cannot find the file specified.", Failure::Kind::NotFound);
    int actions = 0;
    dialogs.aboutAction = [&](TfrmAbout& about) {
        ++actions;
        about.btnHelpClick();
        EXPECT_TRUE(dialogs.about.open);  // still open after the failure
        about.btnOKClick();
    };
    form->Execute(Command::menuAbout);
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"The system cannot find the file specified."});
}

TEST_F(About, AFirstRunShowsItBeforeTheMainWindow) {
    Start();  // no settings file
    form->CreateAboutWindow();
    EXPECT_EQ(dialogs.aboutShown, 1);

    Recreate();
    view = FakeMainView();
    dialogs = FakeDialogs();
    StartWith("");
    form->CreateAboutWindow();
    EXPECT_EQ(dialogs.aboutShown, 0);
}

}  // namespace
}  // namespace orvelle::testing
