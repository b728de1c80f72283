// The one place that tells the view what to show: it keeps what the view
// shows now and sends only what a new presentation changes. A control that
// changes itself when the user works it (a toolbar button, the track bar, the
// colour box) is recorded as showing that, so its echo is never sent back.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/MainView.h"
#include "app/Presentation.h"

namespace orvelle {

class ViewSync {
public:
    explicit ViewSync(MainView& view) : view_(view) {}

    // The first call sends everything, later ones the differences.
    void Send(const Presentation& next);
    void SendStatus(const StatusTexts& texts);

    // What the view shows now; empty before the first Send.
    const Presentation& Shown() const { return *shown_; }
    bool HasShown() const { return shown_.has_value(); }
    const StatusTexts& ShownStatus() const { return status_; }

    // The user has put a control into this state himself.
    void ButtonSetByUser(ToolButton button, bool down);
    void ZoomSetByUser(int position);
    void ColorSetByUser(int index);

private:
    void SendMenu(const Presentation& next);

    MainView& view_;
    std::optional<Presentation> shown_;
    StatusTexts status_;
};

}  // namespace orvelle
