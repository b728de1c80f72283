// The online version check: a worker fetches the version file, the window
// looks for its answer once a second and says what it means.
#include "app/TfrmMain.h"
#include "web/Product.h"

namespace orvelle {

void TfrmMain::menuCheckNowClick(bool byUser) {
    check_.Start(state_, WebPageUrl(hosts_, WebSite::Product, kVersionFilePath), fetchLimits_, byUser);
    Update();
}

// The check's timer stops, and the menu item stays disabled, while the user
// reads the answer: a tick then finds nothing to do.
void TfrmMain::OnlineCheckTimerTimer() {
    const std::optional<VersionAnswer> answer = check_.Poll(state_);
    if (!answer) return;  // the worker is still busy
    Update();
    switch (*answer) {
        case VersionAnswer::Failed:
            if (check_.ByUser()) Ask(162, {100}, IconKind::Error);
            break;
        case VersionAnswer::Newer:
            if (Ask(158, {163, 164}, IconKind::Question) == 1)
                launchers_.actBrowse(WebPageUrl(hosts_, WebSite::Product, kDownloadPagePath));
            break;
        case VersionAnswer::UpToDate:
            if (check_.ByUser()) Ask(161, {100}, IconKind::Information);
            break;
    }
    OnlineCheck::Finish(state_);
    Update();
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
