#include "app/MenuTree.h"
#include "app/WebLinks.h"

#include "app/CaptionTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace orvelle {
namespace {

TEST(MenuTree, ShortcutsRunTheirCommands) {
    const struct {
        int key;
        bool ctrl;
        bool alt;
        Command command;
        const char* text;
    } cases[] = {
        {kKeySpace, false, false, Command::menuFreeze, "Space"}, {'C', true, false, Command::menuCopy, "Ctrl+C"},
        {'A', true, false, Command::menuSaveAs, "Ctrl+A"},      {'R', true, false, Command::menuRuler, "Ctrl+R"},
        {kKeyF4, false, true, Command::menuExit, "Alt+F4"},     {'P', true, false, Command::menuPrecise, "Ctrl+P"},
        {'S', true, false, Command::menuSmooth, "Ctrl+S"},      {'O', true, false, Command::menuOwn, "Ctrl+O"},
        {'M', true, false, Command::menuShowCursor, "Ctrl+M"},  {'G', true, false, Command::menuShowGrid, "Ctrl+G"},
        {'L', true, false, Command::menuRastered, "Ctrl+L"},    {'T', true, false, Command::menuOnTop, "Ctrl+T"},
        {kKeyF1, false, false, Command::menuShowHelp, "F1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CommandForKey(c.key, c.ctrl, c.alt), c.command);
        for (const MenuEntry& entry : MainMenuEntries())
            if (entry.id == c.command) {
                EXPECT_EQ(ShortcutText(entry.shortcut), c.text);
            }
    }
    // Shift makes another shortcut of the same letter.
    EXPECT_EQ(CommandForKey('C', true, false, true), Command::menuCopyColor);
    EXPECT_EQ(CommandForKey('C', true, false, false), Command::menuCopy);
    for (const MenuEntry& entry : MainMenuEntries())
        if (entry.id == Command::menuCopyColor) {
            EXPECT_EQ(ShortcutText(entry.shortcut), "Ctrl+Shift+C");
        }
    EXPECT_EQ(CommandForKey('G', false, false), Command::None);  // a plain letter is no shortcut
    EXPECT_EQ(CommandForKey(kKeySpace, true, false), Command::None);
}

TEST(MenuTree, EveryCommandAppearsOnceAfterItsParentWithOneCaption) {
    std::set<Command> seen;
    for (const MenuEntry& entry : MainMenuEntries()) {
        const int id = static_cast<int>(entry.id);
        if (entry.parent != Command::None) {
            EXPECT_TRUE(seen.count(entry.parent)) << id;
        }
        EXPECT_TRUE(seen.insert(entry.id).second) << id;
        // A caption is fixed, the caption table's or a web link's naming its
        // host, exactly one of them, and separators have none.
        const int sources = (EnglishMenuCaption(entry.id) ? 1 : 0) + (entry.fixedCaption != nullptr ? 1 : 0) +
                            (WebLinkSite(entry.id) ? 1 : 0);
        EXPECT_EQ(sources, entry.kind == MenuKind::Separator ? 0 : 1) << id;
    }
    // Every menu command but the sixteen colour items, the separator under
    // English and the sixteen recent colours, which are made as needed.
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kCommandCount - 1 - 16 - 1 - 16));
}

TEST(MenuTree, RadioGroupsAreTheSubmenusOfChoices) {
    std::map<Command, int> radiosPerParent;
    for (const MenuEntry& entry : MainMenuEntries())
        if (entry.kind == MenuKind::Radio) ++radiosPerParent[entry.parent];
    EXPECT_EQ(radiosPerParent[Command::menuMagnification], 2);
    EXPECT_EQ(radiosPerParent[Command::menuSmoothingType], 6);
    EXPECT_EQ(radiosPerParent[Command::menuLevel], 9);
    EXPECT_EQ(radiosPerParent[Command::menuRefresh], 6);
    EXPECT_EQ(radiosPerParent[Command::menuLanguage], 1);
    EXPECT_EQ(radiosPerParent[Command::menuVision], 6);
    EXPECT_EQ(radiosPerParent[Command::menuColorFormat], 8);
    EXPECT_EQ(radiosPerParent[Command::menuSampleSize], 5);
    EXPECT_EQ(radiosPerParent.size(), 8u);
}

}  // namespace
}  // namespace orvelle
