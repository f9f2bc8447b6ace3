#include "skin/form/SystemMenu.h"

#include <algorithm>

#include <commctrl.h>

#include "core/image/Colour.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menus/MenuItemPainter.h"

namespace vcu {
namespace {

constexpr int kMaxItemText = 80;
constexpr int kRestoreGlyph = 0, kMaximizeGlyph = 1, kMinimizeGlyph = 2, kCloseGlyph = 3;

// How an item of the window's own system menu shows in the skinned copy.
void JudgeItem(TSkinSystemMenu::Item& item, UINT state, ShowState show, int nativeButtons) {
  item.enabled = (state & (MF_GRAYED | MF_DISABLED)) != (MF_GRAYED | MF_DISABLED);
  item.checked = (state & MF_CHECKED) != 0;
  switch (item.command) {
  case SC_SIZE:
  case SC_MOVE: item.enabled = show != ssMaximized; break;
  case SC_MINIMIZE:
    item.image = kMinimizeGlyph;
    item.enabled = show != ssMinimized && (nativeButtons & kNbMinimizeBox);
    break;
  case SC_MAXIMIZE:
    item.image = kMaximizeGlyph;
    item.enabled = show != ssMaximized && (nativeButtons & kNbMaximizeBox);
    break;
  case SC_CLOSE: item.image = kCloseGlyph; break;
  case SC_RESTORE:
    item.image = kRestoreGlyph;
    item.enabled = show != ssNormal;
    break;
  }
}

} // namespace

void TSkinSystemMenu::Build() {
  items_.clear();
  HMENU source = form_.SystemMenu() ? form_.SystemMenu() : GetSystemMenu(form_.Window(), FALSE);
  const int count = source ? GetMenuItemCount(source) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[kMaxItemText + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = kMaxItemText;
    if (!GetMenuItemInfoW(source, static_cast<UINT>(i), TRUE, &info)) continue;
    Item item;
    item.command = info.wID;
    const std::wstring whole = text;
    item.separator = whole.empty();
    const size_t tab = whole.find(L'\t');
    item.text = whole.substr(0, tab);
    if (tab != std::wstring::npos) item.shortcut = whole.substr(tab + 1);
    JudgeItem(item, info.fState, form_.Show(), form_.NativeButtons());
    items_.push_back(std::move(item));
  }
  Free();
  menu_ = CreatePopupMenu();
  if (!menu_) return;
  MENUINFO menuInfo{};
  menuInfo.cbSize = sizeof menuInfo;
  menuInfo.fMask = MIM_MENUDATA;
  menuInfo.dwMenuData = kSystemMenuTag;
  SetMenuInfo(menu_, &menuInfo);
  for (size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    UINT flags = MF_OWNERDRAW | (item.separator ? MF_SEPARATOR : 0);
    if (!item.enabled) flags |= MF_GRAYED;
    if (item.checked) flags |= MF_CHECKED;
    AppendMenuW(menu_, flags, item.command, reinterpret_cast<LPCWSTR>(i));
  }
}

void TSkinSystemMenu::Free() {
  if (menu_) DestroyMenu(menu_);
  menu_ = nullptr;
}

void TSkinSystemMenu::Show(POINT screen) {
  const DWORD now = GetTickCount();
  const int doubleClick = static_cast<int>(form_.DoubleClickTime());
  if (shownOnce_ && doubleClick >= 0 && now - lastShown_ <= static_cast<DWORD>(doubleClick)) {
    if (form_.CaptionButtons().Hot()) {
      form_.EnableHoverTimer(false);
      PostMessageW(form_.Window(), WM_CLOSE, 0, 0);
    }
    return;
  }
  if (TSkinManage* manager = TSkinManage::Instance()) manager->SetMenuKind(2);
  lastShown_ = now;
  shownOnce_ = true;
  Build();
  if (!menu_) return;
  // The choice comes back as WM_COMMAND, which the form skinner re-posts as a system command.
  TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, form_.Window(),
                 nullptr);
  // A double-click counts from the moment the menu closed.
  lastShown_ = GetTickCount();
}

// Every window's skinned system menu is owner-drawn, menu bar or not.
bool TSkinSystemMenu::HandlesItemMessage(UINT msg, LPARAM lParam) const {
  if (!menu_) return false;
  if (msg == WM_MEASUREITEM) {
    const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
    return measure->CtlType == ODT_MENU && measure->itemData < items_.size() &&
           items_[measure->itemData].command == measure->itemID;
  }
  const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  return draw->CtlType == ODT_MENU && reinterpret_cast<HMENU>(draw->hwndItem) == menu_ &&
         draw->itemData < items_.size();
}

LRESULT TSkinSystemMenu::ItemMessage(UINT msg, LPARAM lParam) {
  if (msg == WM_MEASUREITEM) Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
  else Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  return TRUE;
}

void TSkinSystemMenu::Measure(MEASUREITEMSTRUCT& measure) const {
  const Item& item = items_[measure.itemData];
  const std::wstring text = item.separator ? std::wstring() : item.shortcut.empty() ? item.text : item.text + L"\t" + item.shortcut;
  const MenuItemSize size = TMenuItemPainter::Measure(text, static_cast<int>(measure.itemHeight), *form_.SkinData());
  measure.itemWidth = static_cast<UINT>(size.width);
  measure.itemHeight = static_cast<UINT>(size.height);
}

void TSkinSystemMenu::Draw(const DRAWITEMSTRUCT& draw) const {
  const Item& item = items_[draw.itemData];
  MenuItemLook look;
  look.caption = item.separator ? L"-" : item.text;
  look.shortcut = item.shortcut;
  look.enabled = item.enabled;
  look.checked = item.checked;
  look.selected = (draw.itemState & ODS_SELECTED) != 0;
  look.image = item.image;
  look.images = form_.SkinData()->MenuGlyphs;
  look.rightToLeft = form_.RightToLeft();
  form_.ItemPainter().Draw(draw, look, *form_.SkinData(), form_.BindItemBackground(menu_));
}

} // namespace vcu
