#include "MainMenu.h"

#include <string>

#include "BitmapResources.h"
#include "Text.h"
#include "engine/StandardColors.h"

namespace orvelle::win32 {

namespace {

UINT CommandId(Command c) { return static_cast<UINT>(kCommandIdBase + static_cast<int>(c)); }

}  // namespace

MainMenu::~MainMenu() {
    // A window destroys its menu with itself; one never attached is ours.
    if (bar_ != nullptr && !attached_) DestroyMenu(bar_);
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    for (auto& image : images_) DeleteObject(image.second);
    for (HBITMAP swatch : swatches_) DeleteObject(swatch);
}

HMENU MainMenu::AddItem(HMENU parent, const MENUITEMINFOW& info, Command id) {
    const UINT position = static_cast<UINT>(GetMenuItemCount(parent));
    InsertMenuItemW(parent, position, TRUE, &info);
    if (id != Command::None) places_[static_cast<std::size_t>(id)] = Place{parent, position};
    return info.hSubMenu;
}

HBITMAP MainMenu::MenuImage(const TBitmap32& images, int index) {
    for (const auto& image : images_)
        if (image.first == index) return image.second;
    // Menus draw 32-bit item bitmaps with premultiplied alpha.
    HBITMAP bitmap = CreateBitmapFrom(
        images, Rect::FromSize(index * kMenuImageSize, 0, kMenuImageSize, kMenuImageSize), AlphaMode::Premultiplied);
    images_.emplace_back(index, bitmap);
    return bitmap;
}

void MainMenu::Build(std::span<const MenuEntry> entries, const TBitmap32& images) {
    bar_ = CreateMenu();
    std::vector<ACCEL> keys;
    for (const MenuEntry& entry : entries) {
        HMENU parent = entry.parent == Command::None ? bar_ : submenus_[static_cast<std::size_t>(entry.parent)];
        if (parent == nullptr) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        if (entry.kind == MenuKind::Separator) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
            AddItem(parent, info, Command::None);
            continue;
        }
        std::wstring caption = Widen(entry.caption);
        const std::string shortcut = ShortcutText(entry.shortcut);
        if (!shortcut.empty()) caption += L"\t" + Widen(shortcut);
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
        info.fType = entry.kind == MenuKind::Radio ? MFT_RADIOCHECK : MFT_STRING;
        info.wID = CommandId(entry.id);
        info.dwTypeData = caption.data();
        if (entry.kind == MenuKind::Submenu) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = CreatePopupMenu();
            // An item's picture stands in the check mark's place, as a menu
            // with images usually shows it, instead of a column of its own.
            MENUINFO style{};
            style.cbSize = sizeof style;
            style.fMask = MIM_STYLE;
            style.dwStyle = MNS_CHECKORBMP;
            SetMenuInfo(info.hSubMenu, &style);
            submenus_[static_cast<std::size_t>(entry.id)] = info.hSubMenu;
        }
        if (entry.imageIndex >= 0 && !images.Empty()) {
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = MenuImage(images, entry.imageIndex);
        }
        AddItem(parent, info, entry.id);
        if (entry.shortcut.key != 0) {
            BYTE flags = FVIRTKEY;
            if (entry.shortcut.ctrl) flags |= FCONTROL;
            if (entry.shortcut.alt) flags |= FALT;
            keys.push_back(ACCEL{flags, static_cast<WORD>(entry.shortcut.key), static_cast<WORD>(CommandId(entry.id))});
        }
    }
    if (HMENU colorMenu = submenus_[static_cast<std::size_t>(Command::menuColor)]) AddColorItems(colorMenu);
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void MainMenu::AddColorItems(HMENU colorMenu) {
    // Here the swatch must stay visible beside the check mark of the chosen colour.
    MENUINFO style{};
    style.cbSize = sizeof style;
    style.fMask = MIM_STYLE;
    style.dwStyle = 0;
    SetMenuInfo(colorMenu, &style);
    for (const StandardColor& color : kStandardColors) {
        swatches_.push_back(CreateSwatchBitmap(color.value, kMenuImageSize));
        std::wstring caption = Widen(color.name);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_BITMAP;
        // The second half starts a new column: two columns of eight.
        info.fType = color.index == kStandardColorCount / 2 ? MFT_MENUBREAK : MFT_STRING;
        info.wID = CommandId(ColorItem(color.index));
        info.dwTypeData = caption.data();
        info.hbmpItem = swatches_.back();
        AddItem(colorMenu, info, ColorItem(color.index));
    }
    SetColorMenuImage(0);
}

void MainMenu::AttachTo(HWND window) {
    if (SetMenu(window, bar_)) attached_ = true;
}

void MainMenu::SetChecked(Command item, bool checked) {
    const Place& place = places_[static_cast<std::size_t>(item)];
    if (place.parent == nullptr) return;
    CheckMenuItem(place.parent, place.position, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainMenu::SetEnabled(Command item, bool enabled) {
    const Place& place = places_[static_cast<std::size_t>(item)];
    if (place.parent == nullptr) return;
    EnableMenuItem(place.parent, place.position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MainMenu::SetColorMenuImage(int colorIndex) {
    const Place& place = places_[static_cast<std::size_t>(Command::menuColor)];
    if (place.parent == nullptr || colorIndex < 0 || colorIndex >= static_cast<int>(swatches_.size())) return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = swatches_[static_cast<std::size_t>(colorIndex)];
    SetMenuItemInfoW(place.parent, place.position, TRUE, &info);
}

}  // namespace orvelle::win32
