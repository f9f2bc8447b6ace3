#pragma once
// The menu item painter: measures and draws the owner-drawn items of a skinned window's menus
// (the skinned system menu and plain windows' items). An item is drawn into an off-screen
// buffer of its size: its ground is the part of its popup window's skinned background under
// it, then the skin's item frame (or separator), then glyph, caption and shortcut; one blit
// puts it on the menu.
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "core/menus/MenuBarLayout.h"
#include "skin/controls/PaintBuffer.h"

namespace vcu {

class Bitmap;
class TSkinData;

// What an item shows. A caption "-" is a separator.
struct MenuItemLook {
  std::wstring caption;
  std::wstring shortcut;
  bool enabled = true;
  bool checked = false;
  bool isDefault = false;
  bool selected = false;
  int image = -1;
  HIMAGELIST images = nullptr;
  bool rightToLeft = false;
};

// Splits "text\tshortcut" into the look's caption and shortcut ("-" for an empty text).
void SetItemText(MenuItemLook& look, const std::wstring& text);

class TMenuItemPainter {
public:
  // The size of a plain window's (or the system menu's) item of this text.
  static MenuItemSize Measure(const std::wstring& text, int requestedHeight, const TSkinData& skin);

  // Draws the item at draw.rcItem of draw.hDC. popupBackground is the skinned background of the
  // item's popup window, or null; flat draws the standard colours instead of the item element.
  void Draw(const DRAWITEMSTRUCT& draw, const MenuItemLook& look, const TSkinData& skin,
            const Bitmap* popupBackground);

  // The buffer's memory, given back between menus.
  void Release() { buffer_.Release(); }

private:
  void DrawContent(HDC dc, const RECT& item, const MenuItemLook& look, const TSkinData& skin, bool withElement);

  TPaintBuffer buffer_;
};

} // namespace vcu
