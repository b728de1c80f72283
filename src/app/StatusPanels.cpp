#include "app/StatusPanels.h"

#include "app/MainWindowDesign.h"
#include "engine/Dpi.h"

namespace orvelle {

namespace {

constexpr std::int64_t kNoteMs = 5000;
constexpr int kWideningPanels[] = {kColorStatusPanel, kMeasurementStatusPanel, kNoteStatusPanel};

}  // namespace

StatusTexts StatusPanels::WithNote(StatusTexts texts) const {
    texts[kNoteStatusPanel] = note_;
    return texts;
}

bool StatusPanels::Measure(const StatusTexts& texts, int dpi) {
    bool changed = false;
    for (int panel : kWideningPanels) {
        Measured& measured = measured_[static_cast<std::size_t>(panel)];
        const std::string& text = texts[static_cast<std::size_t>(panel)];
        if (text == measured.text) continue;
        measured.text = text;
        const int width = text.empty() ? 0 : view_.StatusTextWidth(text) + ScaleToDpi(design::kStatusPanelPadding, dpi);
        changed = changed || width != measured.width;
        measured.width = width;
    }
    return changed;
}

void StatusPanels::ShowNote(std::string text) {
    note_ = std::move(text);
    noteUntilMs_ = clock_.SteadyMs() + kNoteMs;
}

bool StatusPanels::EndNoteIfDue() {
    if (note_.empty() || clock_.SteadyMs() < noteUntilMs_) return false;
    note_.clear();
    return true;
}

}  // namespace orvelle
