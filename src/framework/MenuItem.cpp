// TMenuItem: its state, its children, its command identifier and its part of the native menu.
#include <algorithm>
#include <stdexcept>

#include "framework/Menus.h"

namespace vcu {
namespace {

// Commands 1 .. 0xEFFF: the system's own commands start at 0xF000, and 0 means none.
constexpr UINT kLastCommand = 0xEFFF;

// Item by command; slot 0 unused. Everything runs on the GUI thread.
std::vector<TMenuItem*>& CommandTable() {
  static std::vector<TMenuItem*> table(1, nullptr);
  return table;
}

UINT AllocateCommand(TMenuItem* item) {
  std::vector<TMenuItem*>& table = CommandTable();
  auto free = std::find(table.begin() + 1, table.end(), nullptr);
  if (free != table.end()) {
    *free = item;
    return static_cast<UINT>(free - table.begin());
  }
  if (table.size() > kLastCommand) throw std::length_error("Too many menu items");
  table.push_back(item);
  return static_cast<UINT>(table.size() - 1);
}

} // namespace

TMenuItem* FindMenuItem(UINT command) {
  const std::vector<TMenuItem*>& table = CommandTable();
  return command < table.size() ? table[command] : nullptr;
}

const TClassInfo& TMenuItem::ClassInfo() {
  static const TClassInfo info(
      "TMenuItem", &TComponent::ClassInfo(),
      {StringProperty("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
       BoolProperty("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
       BoolProperty("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
       BoolProperty("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
       BoolProperty("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
       BoolProperty("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem),
       IntegerProperty("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex),
       IntegerProperty("ShortCut", &TMenuItem::ShortCutProp, &TMenuItem::SetShortCutProp),
       EventProperty("OnClick", &TMenuItem::SetOnClick)});
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { command_ = AllocateCommand(this); }

TMenuItem::~TMenuItem() {
  Destroying();
  if (parent_) parent_->Remove(this);
  // The native entries go first, so that destroying a child's drop-down leaves no dangling
  // submenu in this item's HMENU.
  if (handle_)
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  while (!items_.empty()) {
    TMenuItem* child = items_.back();
    items_.pop_back();
    child->parent_ = nullptr;
    delete child;
  }
  if (handle_) DestroyMenu(handle_);
  CommandTable()[command_] = nullptr;
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  MenuChanged(true);
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  MenuChanged(true);
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  MenuChanged(true);
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  MenuChanged(true);
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  // One default per drop-down, as the system keeps it.
  if (value && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  MenuChanged(true);
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == radioItem_) return;
  radioItem_ = value;
  MenuChanged(true);
}

void TMenuItem::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  shortCut_ = value;
  MenuChanged(true);
}

HMENU TMenuItem::Handle() {
  if (!handle_) {
    handle_ = menu_ ? menu_->CreateMenuHandle() : CreatePopupMenu();
    RebuildHandle(GetParentMenu(), menu_ != nullptr && menu_->InheritsFrom("TMainMenu"));
  }
  return handle_;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) throw std::invalid_argument("A menu item cannot hold itself");
  for (const TMenuItem* above = parent_; above; above = above->parent_)
    if (above == item) throw std::invalid_argument("A menu item cannot hold an item above it");
  if (index < 0 || index > Count()) throw std::out_of_range("Menu index out of range");
  if (item->parent_) {
    TMenuItem* old = item->parent_;
    int oldIndex = old->IndexOf(item);
    old->Remove(item);
    if (old == this && oldIndex < index) --index;
  }
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  if (!(ComponentState() & csDestroying)) MenuChanged(true);
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = items_.at(static_cast<size_t>(index));
  Remove(item);
  delete item;
}

void TMenuItem::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int index) {
  if (!parent_) return;
  TMenuItem* parent = parent_;
  index = std::clamp(index, 0, parent->Count() - 1);
  parent->items_.erase(parent->items_.begin() + parent->IndexOf(this));
  parent->items_.insert(parent->items_.begin() + index, this);
  parent->MenuChanged(true);
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
  const std::string wanted = AsciiLower(StripHotkey(caption));
  for (TMenuItem* item : items_)
    if (AsciiLower(StripHotkey(item->caption_)) == wanted) return item;
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::Click() {
  if (enabled_ && onClick_) onClick_(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
  else throw std::invalid_argument("a menu item must sit in a menu or a menu item");
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::Loaded() {
  TComponent::Loaded();
  MenuChanged(true);
}

void TMenuItem::MenuChanged(bool rebuild) {
  if (ComponentState() & (csLoading | csDestroying)) return;
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this, rebuild);
}

void TMenuItem::RebuildHandle(const TMenu* menu, bool topLevelOfBar) {
  if (!handle_) return;
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  // The system draws the bar itself; only drop-down entries are owner-drawn.
  bool ownerDraw = menu && menu->OwnerDraw() && !topLevelOfBar;
  for (TMenuItem* child : items_)
    if (child->visible_) child->AppendNative(handle_, menu, ownerDraw);
}

void TMenuItem::AppendNative(HMENU target, const TMenu* menu, bool ownerDraw) {
  if (!items_.empty()) {
    if (!handle_) handle_ = CreatePopupMenu();
    RebuildHandle(menu, false);
  }
  bool rtl = menu && menu->IsRightToLeft();
  std::string text = caption_;
  if (shortCut_ != scNone) text += "\t" + ShortCutToText(shortCut_);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU;
  info.wID = command_;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  info.hSubMenu = items_.empty() ? nullptr : handle_;
  if (ownerDraw) info.fType = MFT_OWNERDRAW;
  else if (IsLine()) info.fType = MFT_SEPARATOR;
  if (radioItem_) info.fType |= MFT_RADIOCHECK;
  if (rtl) info.fType |= MFT_RIGHTORDER;
  // The text stays on owner-drawn items too: whoever draws or lays out the menu may read it.
  if (!IsLine()) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = &text[0];
  }
  if (checked_) info.fState |= MFS_CHECKED;
  if (!enabled_) info.fState |= MFS_GRAYED;
  if (default_) info.fState |= MFS_DEFAULT;
  InsertMenuItemA(target, static_cast<UINT>(GetMenuItemCount(target)), TRUE, &info);
}

} // namespace vcu
