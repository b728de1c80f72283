// The online version check as the main window runs it: started from the menu
// or at start-up, its answer looked for once a second.
#include <string>

#include "MainWindowFixture.h"

namespace orvelle::testing {
namespace {

class VersionCheckFlow : public MainWindowFixture {
protected:
    void StartWithoutStartupCheck() { StartWith("[Options]\r\nStartupCheck=0\r\n"); }
    bool Waiting() const {
        return form->Shown().Timer(Timer::OnlineCheckTimer) == 1000 && !view.menu.at(Command::menuCheckNow).enabled;
    }
    bool Idle() const {
        return form->Shown().Timer(Timer::OnlineCheckTimer) == 0 && view.menu.at(Command::menuCheckNow).enabled &&
               form->State().check == CheckPhase::Idle;
    }
    void Tick() { form->OnTimer(Timer::OnlineCheckTimer); }
};

TEST_F(VersionCheckFlow, StartUpAsksTheProductSiteUnlessTurnedOff) {
    StartWith("[Web]\r\nProductHost=127.0.0.1:8089\r\n");
    EXPECT_EQ(versionCheck.urls, std::vector<std::string>{"http://127.0.0.1:8089/lastver/zelt.txt"});
    EXPECT_FALSE(form->OnlineCheckByUser());
    EXPECT_TRUE(Waiting());

    Recreate();
    versionCheck.urls.clear();
    view = FakeMainView();
    StartWithoutStartupCheck();
    EXPECT_TRUE(versionCheck.urls.empty());
    EXPECT_TRUE(Idle());
}

TEST_F(VersionCheckFlow, EachAnswerFromTheMenuOrAtStartUp) {
    const struct {
        const char* body;
        bool byUser;
        int message;   // 0: no dialog
        int answer;    // the button the user presses
        bool browses;  // the download page opens
    } cases[] = {
        {"3.28", true, 161, 1, false},     {"3.28", false, 0, 0, false},
        {"3.29", true, 158, 1, true},      {"3.29", false, 158, 1, true},
        {"4.0", false, 158, 2, false},     {"3.3", true, 158, kDismissed, false},
        {"10.0", true, 158, 1, true},      {"ERROR", true, 162, 1, false},
        {"ERROR", false, 0, 0, false},     {"<html>portal</html>", true, 162, 1, false},
        {"<html>portal</html>", false, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.body << (c.byUser ? " from the menu" : " at start-up"));
        Recreate();
        view = FakeMainView();
        dialogs = FakeDialogs();
        shell = FakeShell();
        if (c.byUser) {
            StartWithoutStartupCheck();
            form->Execute(Command::menuCheckNow);
        } else {
            StartWith("");
        }
        EXPECT_EQ(form->OnlineCheckByUser(), c.byUser);
        ASSERT_TRUE(Waiting());
        Tick();  // no answer yet: nothing happens
        EXPECT_TRUE(Waiting());
        dialogs.answers = {c.answer};
        if (std::string(c.body) == "ERROR")
            versionCheck.Answer(MakeFailure("status 404"));
        else
            versionCheck.Answer(std::string(c.body));
        Tick();
        if (c.message == 0) {
            EXPECT_TRUE(dialogs.asked.empty());
        } else {
            ASSERT_EQ(dialogs.asked.size(), 1u);
            const AnswerDialogRequest& asked = dialogs.asked[0];
            EXPECT_EQ(asked.caption, "Orvelle");
            EXPECT_EQ(asked.message, form->Text(c.message));
            if (c.message == 158) {
                EXPECT_EQ(asked.buttons, (std::vector<std::string>{"Yes", "No"}));
                EXPECT_EQ(asked.icon, IconKind::Question);
            } else {
                EXPECT_EQ(asked.buttons, std::vector<std::string>{"OK"});
                EXPECT_EQ(asked.icon, c.message == 161 ? IconKind::Information : IconKind::Error);
            }
        }
        EXPECT_EQ(shell.opened, c.browses ? std::vector<std::string>{"http://www.orvelle.example/download.htm"}
                                          : std::vector<std::string>{});
        EXPECT_TRUE(Idle());
    }
}

TEST_F(VersionCheckFlow, TheTimerFindsTheAnswerWhileTheQuestionIsOpen) {
    StartWithoutStartupCheck();
    form->Execute(Command::menuCheckNow);
    versionCheck.Answer(std::string("3.29"));
    // While the question is open its message loop runs every timer that is
    // still running, twice: the view goes on, and the answer is not asked twice.
    int refreshes = 0;
    dialogs.whileAnswerOpen = [&] {
        for (int round = 0; round < 2; ++round) {
            const std::map<Timer, int> running = view.timers;
            for (const auto& [timer, interval] : running) {
                if (timer == Timer::Refresher) ++refreshes;
                clock.Advance(interval);
                form->OnTimer(timer);
            }
        }
    };
    const std::size_t capturesBefore = screen.captures.size();
    dialogs.answers = {2};
    Tick();
    EXPECT_EQ(refreshes, 2);
    EXPECT_EQ(screen.captures.size(), capturesBefore + 2);
    Tick();
    EXPECT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(Idle());
    form->Execute(Command::menuCheckNow);
    EXPECT_EQ(versionCheck.urls.size(), 2u);
    EXPECT_TRUE(form->OnlineCheckByUser());
}

}  // namespace
}  // namespace orvelle::testing
