#include "MainMenu.h"

#include "BitmapResources.h"
#include "Text.h"
#include "engine/Dpi.h"
#include "app/MainWindowDesign.h"

namespace orvelle::win32 {

namespace {

UINT CommandId(Command c) { return static_cast<UINT>(kCommandIdBase + static_cast<int>(c)); }
std::size_t Slot(Command c) { return static_cast<std::size_t>(c); }

// A picture stands in the check mark's place, which leaves the texts and
// shortcuts their room, unless an item that can be checked has a picture too:
// then the submenu shows both, in columns of their own.
void ShowPicturesBesideChecks(HMENU submenu, bool beside) {
    MENUINFO style{};
    style.cbSize = sizeof style;
    style.fMask = MIM_STYLE;
    style.dwStyle = beside ? 0 : MNS_CHECKORBMP;
    SetMenuInfo(submenu, &style);
}

bool Checkable(MenuKind kind) { return kind == MenuKind::Check || kind == MenuKind::Radio; }

}  // namespace

MainMenu::MainMenu() : ownedBar_(CreateMenu()), bar_(ownedBar_.get()) {}

void MainMenu::AttachTo(HWND window) {
    if (!SetMenu(window, bar_)) return;
    ownedBar_.release();  // NOLINT(bugprone-unused-return-value): the window destroys it now
    window_ = window;
}

HACCEL MainMenu::Accelerators() {
    if (acceleratorsStale_) {
        accelerators_.reset(keys_.empty() ? nullptr
                                          : CreateAcceleratorTableW(keys_.data(), static_cast<int>(keys_.size())));
        acceleratorsStale_ = false;
    }
    return accelerators_.get();
}

const MainMenu::Item* MainMenu::Find(Command item) const {
    const std::size_t slot = Slot(item);
    return slot < items_.size() && items_[slot] ? &*items_[slot] : nullptr;
}

// Items are found by their identifier, so positions may shift as items come in.
std::optional<UINT> MainMenu::Position(Command item) const {
    const Item* found = Find(item);
    if (found == nullptr) return std::nullopt;
    const int count = GetMenuItemCount(found->parent);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID;
        if (GetMenuItemInfoW(found->parent, static_cast<UINT>(i), TRUE, &info) && info.wID == CommandId(item))
            return static_cast<UINT>(i);
    }
    return std::nullopt;
}

void MainMenu::Insert(const MenuItem& item, Command before) {
    const Item* parentItem = Find(item.parent);
    HMENU parent = item.parent == Command::None ? bar_ : parentItem != nullptr ? parentItem->submenu : nullptr;
    if (parent == nullptr || Slot(item.id) >= Slot(Command::Count) + kMaxRuntimeCommands) return;

    std::wstring caption = Widen(item.caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
    info.wID = CommandId(item.id);
    if (item.kind == MenuKind::Separator) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING;
        info.fType = item.kind == MenuKind::Radio ? MFT_RADIOCHECK : MFT_STRING;
        info.dwTypeData = caption.data();
    }
    if (item.newColumn) info.fType |= MFT_MENUBREAK;
    info.fState = (item.checked ? MFS_CHECKED : 0u) | (item.enabled ? 0u : MFS_GRAYED);
    Item kept{parent, nullptr, item.kind, item.image};
    if (item.kind == MenuKind::Submenu) {
        kept.submenu = CreatePopupMenu();
        ShowPicturesBesideChecks(kept.submenu, false);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = kept.submenu;
    }
    if (HBITMAP bitmap = Bitmap(item.image)) {
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = bitmap;
    }

    UINT at = static_cast<UINT>(GetMenuItemCount(parent));
    if (const std::optional<UINT> next = Position(before); next && Find(before)->parent == parent) at = *next;
    if (!InsertMenuItemW(parent, at, TRUE, &info)) {
        if (kept.submenu != nullptr) DestroyMenu(kept.submenu);
        return;
    }
    if (Slot(item.id) >= items_.size()) items_.resize(Slot(item.id) + 1);
    items_[Slot(item.id)] = kept;
    if (Checkable(item.kind) && item.image.kind != MenuImage::Kind::None && parent != bar_)
        ShowPicturesBesideChecks(parent, true);
    if (item.shortcut.key != 0) {
        BYTE flags = FVIRTKEY;
        if (item.shortcut.ctrl) flags |= FCONTROL;
        if (item.shortcut.alt) flags |= FALT;
        if (item.shortcut.shift) flags |= FSHIFT;
        keys_.push_back(ACCEL{flags, static_cast<WORD>(item.shortcut.key), static_cast<WORD>(CommandId(item.id))});
        acceleratorsStale_ = true;
    }
    if (parent == bar_) BarChanged();
}

void MainMenu::SetCaption(Command item, const std::wstring& caption) {
    const std::optional<UINT> position = Position(item);
    if (!position) return;
    std::wstring text = caption;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text.data();
    SetMenuItemInfoW(Find(item)->parent, *position, TRUE, &info);
    if (Find(item)->parent == bar_) BarChanged();
}

void MainMenu::SetState(Command item, UINT set, UINT clear) {
    const std::optional<UINT> position = Position(item);
    if (!position) return;
    HMENU parent = Find(item)->parent;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    if (!GetMenuItemInfoW(parent, *position, TRUE, &info)) return;
    info.fState = (info.fState & ~clear) | set;
    SetMenuItemInfoW(parent, *position, TRUE, &info);
    if (parent == bar_) BarChanged();
}

void MainMenu::SetChecked(Command item, bool checked) {
    SetState(item, checked ? MFS_CHECKED : 0u, checked ? 0u : MFS_CHECKED);
}

void MainMenu::SetEnabled(Command item, bool enabled) {
    SetState(item, enabled ? 0u : MFS_GRAYED, enabled ? MFS_GRAYED : 0u);
}

void MainMenu::SetImage(Command item, const MenuImage& image) {
    const std::optional<UINT> position = Position(item);
    if (!position) return;
    Item& kept = *items_[Slot(item)];
    kept.image = image;
    if (Checkable(kept.kind) && image.kind != MenuImage::Kind::None && kept.parent != bar_)
        ShowPicturesBesideChecks(kept.parent, true);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = Bitmap(image);
    SetMenuItemInfoW(kept.parent, *position, TRUE, &info);
}

HBITMAP MainMenu::Bitmap(const MenuImage& image) {
    if (image.kind == MenuImage::Kind::None || pictureSize_ == 0) return nullptr;
    for (const auto& [made, bitmap] : bitmaps_)
        if (made == image) return bitmap.get();
    OwnedBitmap bitmap;
    if (image.kind == MenuImage::Kind::Swatch) {
        bitmap = CreateSwatchBitmap(image.color, pictureSize_);
    } else if (image.picture >= kDesignedMenuPictureCount) {
        const auto added = static_cast<std::size_t>(image.picture - kDesignedMenuPictureCount);
        if (added < addedPictures_.size()) {
            const TBitmap32 scaled = ResizedNearest(addedPictures_[added], pictureSize_, pictureSize_);
            bitmap = CreateBitmapFrom(scaled, Rect::FromSize(0, 0, pictureSize_, pictureSize_), AlphaMode::Premultiplied);
        }
    } else if (!pictures_.Empty() && image.picture >= 0) {
        // Menus draw 32-bit item bitmaps with premultiplied alpha.
        bitmap = CreateBitmapFrom(pictures_, Rect::FromSize(image.picture * pictureSize_, 0, pictureSize_, pictureSize_),
                                  AlphaMode::Premultiplied);
    }
    if (bitmap == nullptr) return nullptr;
    bitmaps_.emplace_back(image, std::move(bitmap));
    return bitmaps_.back().second.get();
}

void MainMenu::SetScale(int dpi) {
    const int percent = PictureScalePercent(dpi);
    pictures_ = LoadScaledPicture(L"MENUIMAGES", percent);
    pictureSize_ = ScalePicture(design::kMenuImageSize, percent);
    // The items let go of the old bitmaps before these are deleted.
    std::vector<std::pair<MenuImage, OwnedBitmap>> previous = std::move(bitmaps_);
    bitmaps_.clear();
    for (std::size_t slot = 0; slot < items_.size(); ++slot)
        if (items_[slot] && items_[slot]->image.kind != MenuImage::Kind::None)
            SetImage(static_cast<Command>(slot), items_[slot]->image);
}

void MainMenu::AddPicture(const TBitmap32& picture) { addedPictures_.push_back(picture); }

void MainMenu::BarChanged() {
    if (window_ != nullptr) DrawMenuBar(window_);
}

}  // namespace orvelle::win32
