// The real menu bar: items as the logic inserts them, with their captions,
// check marks, enabled states and pictures (a menu picture at the window's
// scale, or a swatch of a colour), and the accelerator table that makes every
// shortcut work whichever control has the keyboard focus.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Owned.h"
#include "app/MenuTree.h"
#include "engine/Bitmap32.h"

namespace orvelle::win32 {

class MainMenu {
public:
    MainMenu();
    // From here on the window owns the bar and destroys it with itself.
    void AttachTo(HWND window);
    // Rebuilt when items with shortcuts have come in since the last call.
    HACCEL Accelerators();

    void Insert(const MenuItem& item, Command before);
    void SetCaption(Command item, const std::wstring& caption);
    void SetChecked(Command item, bool checked);
    void SetEnabled(Command item, bool enabled);
    void SetImage(Command item, const MenuImage& image);
    // Every item's picture is made again for `dpi`.
    void SetScale(int dpi);
    // A picture that items may show from now on, after the designed ones.
    void AddPicture(const TBitmap32& picture);

private:
    struct Item {
        HMENU parent = nullptr;
        HMENU submenu = nullptr;
        MenuKind kind = MenuKind::Command;
        MenuImage image;
    };
    const Item* Find(Command item) const;
    std::optional<UINT> Position(Command item) const;
    void SetState(Command item, UINT set, UINT clear);
    HBITMAP Bitmap(const MenuImage& image);
    void BarChanged();

    OwnedMenu ownedBar_;
    HMENU bar_ = nullptr;
    HWND window_ = nullptr;
    std::vector<std::optional<Item>> items_;  // by command value
    std::vector<ACCEL> keys_;
    OwnedAccelerators accelerators_;
    bool acceleratorsStale_ = true;
    TBitmap32 pictures_;  // the menu pictures side by side, pictureSize_ square each
    int pictureSize_ = 0;
    std::vector<TBitmap32> addedPictures_;  // at their own sizes
    std::vector<std::pair<MenuImage, OwnedBitmap>> bitmaps_;  // at the current scale
};

}  // namespace orvelle::win32
