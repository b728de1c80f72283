// The online version check: a worker fetches the version file, the window
// looks for its answer once a second and says what it means.
#include "app/TfrmMain.h"

namespace orvelle {

// A check from start-up (the slot holds the start-up marker) speaks up only
// when a newer version exists; one from the menu always answers.
void TfrmMain::menuCheckNowClick() {
    onlineCheckByUser_ = onlineCheckResult_->Get() != kStartupCheckMarker;
    onlineCheckResult_->Set({});
    menu_.SetEnabled(Command::menuCheckNow, false);
    StartTimer(Timer::OnlineCheckTimer, kOnlineCheckIntervalMs);
    services_.versionCheck.Start(WebPageUrl(hosts_, WebSite::Product, kVersionFilePath), fetchLimits_,
                                 onlineCheckResult_);
}

void TfrmMain::OnlineCheckTimerTimer() {
    const std::string answer = onlineCheckResult_->Get();
    if (answer.empty()) return;  // the worker is still busy
    StopTimer(Timer::OnlineCheckTimer);
    switch (JudgeVersionAnswer(answer, ProgramVersion)) {
        case VersionAnswer::Failed:
            if (onlineCheckByUser_) Ask(162, {100}, IconKind::Error);
            break;
        case VersionAnswer::Newer:
            if (Ask(158, {163, 164}, IconKind::Question) == 1)
                actBrowse(WebPageUrl(hosts_, WebSite::Product, kDownloadPagePath));
            break;
        case VersionAnswer::UpToDate:
            if (onlineCheckByUser_) Ask(161, {100}, IconKind::Information);
            break;
    }
    onlineCheckResult_->Set({});
    menu_.SetEnabled(Command::menuCheckNow, true);
}

int TfrmMain::Ask(int message, std::initializer_list<int> buttons, IconKind icon) {
    AnswerDialogRequest request;
    request.caption = ProductName;
    request.message = Text(message);
    for (int button : buttons) request.buttons.push_back(Text(button));
    request.icon = icon;
    return services_.dialogs.ShowAnswerDialog(request);
}

}  // namespace orvelle
