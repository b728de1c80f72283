// MenuModel: the main menu's state as the logic holds it: which items exist
// and in which order, their captions, check marks, enabled states and
// pictures. Radio items that share a submenu form one group. Every change
// reaches the view once; setting a value an item already has sends nothing.
//
// Items made while the program runs (one per language file, say) take fresh
// identifiers from Command::Count on and name the handler that runs when the
// user chooses them, so the component that made them receives their clicks.
#pragma once

#include <functional>
#include <vector>

#include "app/MainView.h"
#include "app/MenuTree.h"

namespace orvelle {

class MenuModel {
public:
    explicit MenuModel(MainView& view) : view_(view) {}

    // Adds `item` to its submenu before `before`, or at its end when `before`
    // is Command::None or not in that submenu. The caption is completed with
    // the shortcut's text.
    void Insert(MenuItem item, Command before = Command::None);
    // Inserts an item under a new identifier; `onClick` runs when it is chosen.
    // Returns Command::None when no identifier is left.
    Command InsertRuntimeItem(MenuItem item, Command before, std::function<void()> onClick);
    // Runs the handler of an item made at run time; false for any other.
    bool ClickRuntimeItem(Command item);

    bool Contains(Command item) const { return Find(item) != nullptr; }
    const MenuItem* Find(Command item) const;
    // Every item in the order of insertion, which is display order within each submenu.
    const std::vector<Command>& Items() const { return order_; }

    bool Checked(Command item) const;
    bool Enabled(Command item) const;

    void SetChecked(Command item, bool checked);
    void SetEnabled(Command item, bool enabled);
    // `text` without the shortcut, which is added as at insertion.
    void SetCaption(Command item, const std::string& text);
    void SetImage(Command item, const MenuImage& image);
    // Checks `item` and clears the other radio items of its submenu.
    void CheckRadio(Command item);

private:
    MenuItem* Find(Command item);

    MainView& view_;
    std::vector<MenuItem> items_;  // by command value; id None where there is no item
    std::vector<Command> order_;
    std::vector<std::function<void()>> runtimeHandlers_;  // by value - Command::Count
};

}  // namespace orvelle
