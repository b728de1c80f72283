// The real menu bar, built from the menu data of the logic: captions with
// their shortcut texts, check and radio items, menu images, the colour submenu
// with its swatches, and the accelerator table that makes every shortcut work
// whichever control has the keyboard focus.
#pragma once

#include <windows.h>

#include <array>
#include <span>
#include <vector>

#include "app/Commands.h"
#include "app/MenuTree.h"
#include "engine/Bitmap32.h"

namespace orvelle::win32 {

constexpr int kMenuImageSize = 16;

class MainMenu {
public:
    MainMenu() = default;
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // `images` holds the menu images side by side, kMenuImageSize square each.
    void Build(std::span<const MenuEntry> entries, const TBitmap32& images);
    void AttachTo(HWND window);
    HMENU Bar() const { return bar_; }
    HACCEL Accelerators() const { return accelerators_; }

    void SetChecked(Command item, bool checked);
    void SetEnabled(Command item, bool enabled);
    void SetColorMenuImage(int colorIndex);

private:
    struct Place {
        HMENU parent = nullptr;
        UINT position = 0;
    };
    HMENU AddItem(HMENU parent, const MENUITEMINFOW& info, Command id);
    void AddColorItems(HMENU colorMenu);
    HBITMAP MenuImage(const TBitmap32& images, int index);

    HMENU bar_ = nullptr;
    bool attached_ = false;
    HACCEL accelerators_ = nullptr;
    std::array<Place, kCommandCount> places_{};
    std::array<HMENU, kCommandCount> submenus_{};
    std::vector<std::pair<int, HBITMAP>> images_;  // by image index
    std::vector<HBITMAP> swatches_;                // by colour index
};

}  // namespace orvelle::win32
