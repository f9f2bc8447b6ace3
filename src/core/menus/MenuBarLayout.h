#pragma once
// Where the buttons of a skinned menu bar go, which one the mouse is on, and how the arrow
// keys walk them: the rules of the bar that need no window. Every rectangle is in window
// coordinates, as the bar is drawn in the non-client area.
#include <cstdint>
#include <vector>

#include "core/image/Rect.h"

namespace vcu {

class TDataSkinObject;

// Where the first button starts, measured from the bar's left end (left-to-right) or right
// end (right-to-left): 6 without a menu-bar element, else past the element's end slice with a
// little air; 12 when the bar is narrower than that.
int MenuBarStartOffset(int barWidth, const TDataSkinObject* menuBar, bool rightToLeft);

// A caption measured captionWidth wide takes 10 more; an empty caption takes no room at all.
int MenuButtonWidth(int captionWidth);

struct MenuBarButtonInput {
  int captionWidth = 0;
  bool visible = true;
};

// One rectangle per button: side by side from the start offset (rightwards, or leftwards from
// the right end for right-to-left menus), from the bar's top to one row above its bottom. An
// invisible button gets an empty rectangle and takes no room. For right-to-left menus the first
// button ends no further right than rightLimit (the MDI buttons sit right of it).
void LayoutMenuBar(const Rect& bar, int startOffset, bool rightToLeft, const std::vector<MenuBarButtonInput>& buttons,
                   std::vector<Rect>& out, int rightLimit = 0x7FFFFFFF);

// The right limit of a right-to-left bar that shows the MDI buttons: 5 pixels left of the
// leftmost of them; no limit (INT_MAX) when none has a rectangle.
int MdiButtonsRightLimit(const std::vector<Rect>& mdiButtons);

// Systems whose window menus cannot be read item by item as the bar needs (Windows NT 4 and
// Windows 95): the bar is built from the framework's menu items instead. version is the value
// GetVersion returns: major in the low byte, minor in the next, the top bit set on the 9x
// family.
bool BarFromFrameworkMenu(std::uint32_t version);

// The index of the button under (x, y), or -1. A button of no width (an empty caption) or an
// invisible one is never hit.
int MenuButtonAt(const std::vector<Rect>& rects, int x, int y);

// The next and previous top-level button, wrapping at both ends; -1 when there are none. A
// current index of -1 (none) goes to the first (next) or the last (previous).
int NextMenuButton(int current, int count);
int PreviousMenuButton(int current, int count);

// Key codes the bar's keyboard walk cares about (the platform's values).
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyRight = 0x27;

// Right-to-left menus: left and right swap, so the walk follows what the user sees.
unsigned MenuArrowKey(unsigned key, bool rightToLeft);

// The menu item painter's measurements.
// A plain window's (or the system menu's) item: text width + 26, plus the item element's left
// slice when the skin has one; height requested + 4 for text, else 8 (a separator).
struct MenuItemSize {
  int width = 0, height = 0;
};
MenuItemSize PlainMenuItemSize(int textWidth, bool hasText, int requestedHeight, const TDataSkinObject* menuItem);
// A framework item that measured itself: its width plus the item element's left slice, 10,
// and 25 more for the glyph column when its menu has no image list.
int FrameworkMenuItemWidth(int measuredWidth, const TDataSkinObject* menuItem, bool menuHasImages);

} // namespace vcu
