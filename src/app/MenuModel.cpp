#include "app/MenuModel.h"

#include <algorithm>
#include <utility>

namespace orvelle {

namespace {

std::size_t Slot(Command item) { return static_cast<std::size_t>(item); }

std::string WithShortcut(const std::string& text, const Shortcut& shortcut) {
    const std::string keys = ShortcutText(shortcut);
    return keys.empty() ? text : text + "\t" + keys;
}

}  // namespace

const MenuItem* MenuModel::Find(Command item) const {
    const std::size_t slot = Slot(item);
    if (item == Command::None || slot >= items_.size() || items_[slot].id != item) return nullptr;
    return &items_[slot];
}

MenuItem* MenuModel::Find(Command item) { return const_cast<MenuItem*>(std::as_const(*this).Find(item)); }

void MenuModel::Insert(MenuItem item, Command before) {
    if (item.id == Command::None || Contains(item.id)) return;
    const MenuItem* next = Find(before);
    if (next == nullptr || next->parent != item.parent) before = Command::None;
    item.caption = WithShortcut(item.caption, item.shortcut);

    const std::size_t slot = Slot(item.id);
    if (slot >= items_.size()) items_.resize(slot + 1);
    items_[slot] = item;
    const auto at = before == Command::None ? order_.end() : std::find(order_.begin(), order_.end(), before);
    order_.insert(at, item.id);
    view_.InsertMenuItem(item, before);
}

Command MenuModel::InsertRuntimeItem(MenuItem item, Command before, std::function<void()> onClick) {
    if (runtimeHandlers_.size() >= static_cast<std::size_t>(kMaxRuntimeCommands)) return Command::None;
    const auto id = static_cast<Command>(kCommandCount + static_cast<int>(runtimeHandlers_.size()));
    item.id = id;
    runtimeHandlers_.push_back(std::move(onClick));
    Insert(std::move(item), before);
    return id;
}

bool MenuModel::ClickRuntimeItem(Command item) {
    if (!IsRuntimeCommand(item) || !Contains(item)) return false;
    const auto& handler = runtimeHandlers_[Slot(item) - static_cast<std::size_t>(kCommandCount)];
    if (handler) handler();
    return true;
}

bool MenuModel::Checked(Command item) const {
    const MenuItem* found = Find(item);
    return found != nullptr && found->checked;
}

bool MenuModel::Enabled(Command item) const {
    const MenuItem* found = Find(item);
    return found != nullptr && found->enabled;
}

void MenuModel::SetChecked(Command item, bool checked) {
    MenuItem* found = Find(item);
    if (found == nullptr || found->checked == checked) return;
    found->checked = checked;
    view_.SetChecked(item, checked);
}

void MenuModel::SetEnabled(Command item, bool enabled) {
    MenuItem* found = Find(item);
    if (found == nullptr || found->enabled == enabled) return;
    found->enabled = enabled;
    view_.SetEnabled(item, enabled);
}

void MenuModel::SetCaption(Command item, const std::string& text) {
    MenuItem* found = Find(item);
    if (found == nullptr) return;
    std::string caption = WithShortcut(text, found->shortcut);
    if (found->caption == caption) return;
    found->caption = std::move(caption);
    view_.SetMenuCaption(item, found->caption);
}

void MenuModel::SetImage(Command item, const MenuImage& image) {
    MenuItem* found = Find(item);
    if (found == nullptr || found->image == image) return;
    found->image = image;
    view_.SetMenuImage(item, image);
}

void MenuModel::CheckRadio(Command item) {
    const MenuItem* chosen = Find(item);
    if (chosen == nullptr) return;
    const Command parent = chosen->parent;
    for (Command other : order_) {
        const MenuItem& entry = items_[Slot(other)];
        if (other != item && entry.kind == MenuKind::Radio && entry.parent == parent) SetChecked(other, false);
    }
    SetChecked(item, true);
}

}  // namespace orvelle
