#include "app/MenuModel.h"

#include <gtest/gtest.h>

#include "FakeMainWindow.h"

namespace orvelle::testing {
namespace {

MenuItem Item(Command id, Command parent, MenuKind kind, std::string caption = "x", Shortcut shortcut = {}) {
    MenuItem item;
    item.id = id;
    item.parent = parent;
    item.kind = kind;
    item.caption = std::move(caption);
    item.shortcut = shortcut;
    return item;
}

TEST(MenuModel, ItemsMadeAtRunTimeGoWhereAskedTakeTheirClicksAndJoinTheRadioGroup) {
    FakeMainView view;
    MenuModel menu(view);
    menu.Insert(Item(Command::menuOptions, Command::None, MenuKind::Submenu));
    menu.Insert(Item(Command::menuLanguage, Command::menuOptions, MenuKind::Submenu));
    menu.Insert(Item(Command::menuEN, Command::menuLanguage, MenuKind::Radio, "English"));
    menu.Insert(Item(Command::N6, Command::menuLanguage, MenuKind::Separator));
    menu.Insert(Item(Command::menuMore, Command::menuLanguage, MenuKind::Command));
    menu.CheckRadio(Command::menuEN);

    std::vector<Command> clicked;
    const Command deutsch = menu.InsertRuntimeItem(Item(Command::None, Command::menuLanguage, MenuKind::Radio, "Deutsch"),
                                                   Command::N6, [&] { clicked.push_back(Command::menuEN); });
    const Command italiano = menu.InsertRuntimeItem(
        Item(Command::None, Command::menuLanguage, MenuKind::Radio, "Italiano"), Command::N6, [] {});
    EXPECT_EQ(deutsch, Command::Count);
    EXPECT_TRUE(IsRuntimeCommand(italiano));
    EXPECT_EQ(view.menuOrder, (std::vector<Command>{Command::menuOptions, Command::menuLanguage, Command::menuEN,
                                                    deutsch, italiano, Command::N6, Command::menuMore}));
    EXPECT_EQ(view.insertedBefore[italiano], Command::N6);

    EXPECT_TRUE(menu.ClickRuntimeItem(deutsch));
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_FALSE(menu.ClickRuntimeItem(Command::menuEN));  // a designed item belongs to the window's own handlers
    menu.CheckRadio(italiano);
    EXPECT_FALSE(view.IsChecked(Command::menuEN));
    EXPECT_TRUE(view.IsChecked(italiano));
}

TEST(MenuModel, CaptionsCarryTheShortcutAndUnchangedValuesSendNothing) {
    FakeMainView view;
    MenuModel menu(view);
    menu.Insert(Item(Command::menuGrid, Command::None, MenuKind::Submenu));
    menu.Insert(Item(Command::menuShowGrid, Command::menuGrid, MenuKind::Check, "Show Grid", Shortcut{'G', true}));
    EXPECT_EQ(view.menu[Command::menuShowGrid].caption, "Show Grid\tCtrl+G");
    view.calls.clear();
    menu.SetCaption(Command::menuShowGrid, "Show Grid");
    menu.SetChecked(Command::menuShowGrid, false);
    menu.SetEnabled(Command::menuShowGrid, true);
    menu.SetChecked(Command::menuFreeze, true);  // not in the menu
    EXPECT_TRUE(view.calls.empty());
    menu.SetCaption(Command::menuShowGrid, "Gitter");
    EXPECT_EQ(view.menu[Command::menuShowGrid].caption, "Gitter\tCtrl+G");
}

}  // namespace
}  // namespace orvelle::testing
