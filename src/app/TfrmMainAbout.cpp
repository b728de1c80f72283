// The about window, owned by the main window, and what it uses of it.
#include "app/TfrmMain.h"

namespace orvelle {

void TfrmMain::CreateAboutWindow() {
    if (firstRun_) menuAboutClick();
}

void TfrmMain::menuAboutClick() { services_.dialogs.ShowAbout(about_); }

AboutHost::TimerStates TfrmMain::Timers() const {
    return TimerStates{TimerInterval(Timer::Refresher) != 0, TimerInterval(Timer::OnlineCheckTimer) != 0};
}

void TfrmMain::SetTimers(TimerStates states) {
    if (states.refresher)
        StartTimer(Timer::Refresher, refreshIntervalMs_);
    else
        StopTimer(Timer::Refresher);
    if (states.onlineCheck)
        StartTimer(Timer::OnlineCheckTimer, kOnlineCheckIntervalMs);
    else
        StopTimer(Timer::OnlineCheckTimer);
}

bool TfrmMain::RunHelpTopic(const std::string& topic) {
    return actRunHelp(QuotedArgument(HelpTopic(HelpFileFor(services_.programPath), topic)));
}

}  // namespace orvelle
