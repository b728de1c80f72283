#include "app/ViewSync.h"

namespace orvelle {

void ViewSync::Send(const Presentation& next) {
    const Presentation* old = shown_ ? &*shown_ : nullptr;
    // On the first call everything counts as changed.
    auto differs = [old](auto member, const Presentation& p) { return old == nullptr || old->*member != p.*member; };

    if (differs(&Presentation::scaleDpi, next)) view_.SetScale(next.scaleDpi);
    const std::size_t shownPictures = old != nullptr ? old->addedMenuPictures.size() : 0;
    for (std::size_t i = shownPictures; i < next.addedMenuPictures.size(); ++i)
        view_.AddMenuPicture(*next.addedMenuPictures[i]);
    SendMenu(next);

    for (std::size_t b = 0; b < kToolButtonCount; ++b)
        if (old == nullptr || old->buttonsDown[b] != next.buttonsDown[b])
            view_.SetButtonDown(static_cast<ToolButton>(b), next.buttonsDown[b]);
    for (std::size_t h = 0; h < kHintCount; ++h)
        if (old == nullptr || old->hints[h] != next.hints[h]) view_.SetHint(static_cast<HintTarget>(h), next.hints[h]);
    if (differs(&Presentation::minimumSize, next)) view_.SetMinimumSize(next.minimumSize);
    if (differs(&Presentation::statusPanels, next)) view_.SetStatusPanels(next.statusPanels);
    if (old != nullptr ? old->contrastSwatch != next.contrastSwatch : next.contrastSwatch.has_value())
        view_.SetStatusSwatch(kContrastStatusPanel, next.contrastSwatch);
    for (std::size_t c = 0; c < next.controls.size(); ++c) {
        const auto control = static_cast<Control>(c);
        if (old == nullptr || old->controls[c].visible != next.controls[c].visible)
            view_.SetControlVisible(control, next.controls[c].visible);
        if (old == nullptr || old->controls[c].bounds != next.controls[c].bounds)
            view_.SetControlBounds(control, next.controls[c].bounds);
    }
    if (differs(&Presentation::zoomPosition, next)) view_.SetZoomPosition(next.zoomPosition);
    if (differs(&Presentation::zoomLabel, next)) view_.SetZoomLabel(next.zoomLabel);
    if (differs(&Presentation::gridColorSelection, next)) view_.SetGridColorSelection(next.gridColorSelection);
    if (differs(&Presentation::gridColorEnabled, next)) view_.SetGridColorEnabled(next.gridColorEnabled);
    // A new window is no topmost one and keeps to the system's capture
    // rules: only a change from that is asked for.
    if (old != nullptr ? old->topmost != next.topmost : next.topmost) view_.SetTopmost(next.topmost);
    if (next.excludedFromCapture && (old == nullptr || old->excludedFromCapture != next.excludedFromCapture))
        view_.SetExcludedFromCapture(*next.excludedFromCapture);
    if (old != nullptr ? old->guideTip != next.guideTip : next.guideTip.has_value()) {
        if (next.guideTip)
            view_.ShowGuideTip(next.guideTip->text, next.guideTip->pointer);
        else
            view_.HideGuideTip();
    }
    for (std::size_t t = 0; t < kTimerCount; ++t) {
        const int interval = next.timers[t];
        if (old != nullptr ? old->timers[t] == interval : interval == 0) continue;
        if (interval != 0)
            view_.StartTimer(static_cast<Timer>(t), interval);
        else
            view_.StopTimer(static_cast<Timer>(t));
    }
    shown_ = next;
}

void ViewSync::SendMenu(const Presentation& next) {
    const Presentation* old = shown_ ? &*shown_ : nullptr;
    for (std::size_t i = 0; i < next.menu.size(); ++i) {
        const MenuItem& item = next.menu[i];
        const MenuItem* was = old != nullptr ? old->Item(item.id) : nullptr;
        if (was == nullptr) {
            // Before the next item of its submenu that the view already has.
            Command before = Command::None;
            for (std::size_t j = i + 1; j < next.menu.size() && old != nullptr; ++j)
                if (next.menu[j].parent == item.parent && old->Item(next.menu[j].id) != nullptr) {
                    before = next.menu[j].id;
                    break;
                }
            view_.InsertMenuItem(item, before);
            continue;
        }
        if (was->caption != item.caption) view_.SetMenuCaption(item.id, item.caption);
        if (was->checked != item.checked) view_.SetChecked(item.id, item.checked);
        if (was->enabled != item.enabled) view_.SetEnabled(item.id, item.enabled);
        if (was->image != item.image) view_.SetMenuImage(item.id, item.image);
    }
}

void ViewSync::SendStatus(const StatusTexts& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (status_[i] == texts[i]) continue;
        status_[i] = texts[i];
        view_.SetStatusText(static_cast<int>(i), status_[i]);
    }
}

void ViewSync::ButtonSetByUser(ToolButton button, bool down) {
    if (shown_) shown_->buttonsDown[static_cast<std::size_t>(button)] = down;
}

void ViewSync::ZoomSetByUser(int position) {
    if (shown_) shown_->zoomPosition = position;
}

void ViewSync::ColorSetByUser(int index) {
    if (shown_) shown_->gridColorSelection = index;
}

}  // namespace orvelle
