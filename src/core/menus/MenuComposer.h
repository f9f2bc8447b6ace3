#pragma once
// The skinned menus composed in memory: the menu bar's background strip, a popup menu
// window's background, and an owner-drawn item's skin (its frame or its separator line). The
// Windows side draws the text and glyphs over these and puts the result on screen in one blit.
#include "core/elements/ElementSlots.h"
#include "core/image/Bitmap.h"

namespace vcu {

// The bar's background into canvas at bar: with a menu-bar element its stacked frames (1
// active, 2 inactive), nine-sliced without centre tiling when its Tile is 1, else as a
// three-part row (ends LeftWidth and RightWidth wide, the middle repeated); without the
// element the menu-bar colour. Opaque.
void ComposeMenuBarBackground(Bitmap& canvas, const Rect& bar, const TSkinElements& skin, bool active);

// Whether a popup window is drawn from the skin: the skin has a menu background image.
bool HasMenuBackground(const TSkinElements& skin);
// A popup window's background: the menu background element nine-sliced with its margins to
// the whole of target (sized to the window), centre tiled when its Tile is set, opaque.
void ComposeMenuBackground(Bitmap& target, const TDataSkinObject& element);

// The item's ground: the part of the popup's background under the item (item is in the popup
// window's coordinates), or the menu colour when there is no background. target is the
// item-sized buffer.
void ComposeMenuItemGround(Bitmap& target, const Bitmap* popupBackground, const Rect& item, Colour menuColour);

// The item element over the whole item-sized target: frame 1 of its 5 side-by-side frames, or
// 4 when selected, nine-sliced with its margins, tiled and keyed as the element says.
void ComposeMenuItemFrame(Bitmap& target, const TDataSkinObject& element, bool selected);

// A separator item: the bottom rows (as many as the item is high, or all) of the element's
// second frame in three parts (ends LeftWidth and RightWidth wide, the middle stretched),
// magenta keyed, over the item-sized target.
void ComposeMenuSeparator(Bitmap& target, const TDataSkinObject& element);

} // namespace vcu
