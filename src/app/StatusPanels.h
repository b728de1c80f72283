// The status bar's panels that change width with their texts: the colour
// panel widens to its text, the measurement and the passing note show only
// while they have one. Each width is measured once per new text, in the
// view's status-bar font; the note ends by itself a few seconds after it
// came.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/MainView.h"
#include "app/Presentation.h"
#include "app/Services.h"

namespace orvelle {

class StatusPanels {
public:
    StatusPanels(const MainView& view, ClockService& clock) : view_(view), clock_(clock) {}

    // `texts` with the passing note in its panel.
    StatusTexts WithNote(StatusTexts texts) const;
    // Measures the widening panels' texts at `dpi`; true when a width changed.
    bool Measure(const StatusTexts& texts, int dpi);
    // The width the panel's text needs in physical pixels; 0 while it has none.
    int Width(int panel) const { return measured_[static_cast<std::size_t>(panel)].width; }

    void ShowNote(std::string text);
    // Drops a note whose time is up; true when one went.
    bool EndNoteIfDue();

private:
    struct Measured {
        std::string text;
        int width = 0;
    };
    const MainView& view_;
    ClockService& clock_;
    std::array<Measured, kStatusPanelCount> measured_;
    std::string note_;
    std::int64_t noteUntilMs_ = 0;  // of the steady clock
};

}  // namespace orvelle
