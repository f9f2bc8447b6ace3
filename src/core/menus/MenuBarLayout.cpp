#include "core/menus/MenuBarLayout.h"

#include <cstdint>

#include "core/elements/SkinElements.h"

namespace vcu {

int MenuBarStartOffset(int barWidth, const TDataSkinObject* menuBar, bool rightToLeft) {
  int offset = 6;
  if (menuBar) offset = SaturateToInt(rightToLeft ? std::int64_t{menuBar->RightWidth} + 8 : std::int64_t{menuBar->LeftWidth} + 4);
  return barWidth < offset ? 12 : offset;
}

int MenuButtonWidth(int captionWidth) { return captionWidth > 0 ? SaturateToInt(std::int64_t{captionWidth} + 10) : 0; }

void LayoutMenuBar(const Rect& bar, int startOffset, bool rightToLeft, const std::vector<MenuBarButtonInput>& buttons,
                   std::vector<Rect>& out, int rightLimit) {
  out.assign(buttons.size(), Rect{});
  const int top = bar.top, bottom = SaturateToInt(std::int64_t{bar.bottom} - 1);
  if (!rightToLeft) {
    std::int64_t x = std::int64_t{bar.left} + startOffset;
    for (size_t i = 0; i < buttons.size(); ++i) {
      if (!buttons[i].visible) continue;
      const std::int64_t right = x + MenuButtonWidth(buttons[i].captionWidth);
      out[i] = Rect{SaturateToInt(x), top, SaturateToInt(right), bottom};
      x = right;
    }
    return;
  }
  std::int64_t x = std::int64_t{bar.right} - startOffset;
  if (x > rightLimit) x = rightLimit;
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (!buttons[i].visible) continue;
    const std::int64_t left = x - MenuButtonWidth(buttons[i].captionWidth);
    out[i] = Rect{SaturateToInt(left), top, SaturateToInt(x), bottom};
    x = left;
  }
}

int MdiButtonsRightLimit(const std::vector<Rect>& mdiButtons) {
  std::int64_t limit = 0x7FFFFFFF;
  for (const Rect& r : mdiButtons)
    if (!r.Empty() && std::int64_t{r.left} - 5 < limit) limit = std::int64_t{r.left} - 5;
  return SaturateToInt(limit);
}

int MenuButtonAt(const std::vector<Rect>& rects, int x, int y) {
  for (size_t i = 0; i < rects.size(); ++i) {
    const Rect& r = rects[i];
    if (!r.Empty() && x >= r.left && x < r.right && y >= r.top && y < r.bottom) return static_cast<int>(i);
  }
  return -1;
}

int NextMenuButton(int current, int count) {
  if (count <= 0) return -1;
  return current < 0 || current >= count - 1 ? 0 : current + 1;
}

int PreviousMenuButton(int current, int count) {
  if (count <= 0) return -1;
  return current <= 0 || current >= count ? count - 1 : current - 1;
}

unsigned MenuArrowKey(unsigned key, bool rightToLeft) {
  if (!rightToLeft) return key;
  if (key == kKeyLeft) return kKeyRight;
  if (key == kKeyRight) return kKeyLeft;
  return key;
}

MenuItemSize PlainMenuItemSize(int textWidth, bool hasText, int requestedHeight, const TDataSkinObject* menuItem) {
  std::int64_t width = std::int64_t{textWidth} + 26;
  if (menuItem) width += menuItem->LeftWidth;
  return MenuItemSize{SaturateToInt(width), hasText ? SaturateToInt(std::int64_t{requestedHeight} + 4) : 8};
}

int FrameworkMenuItemWidth(int measuredWidth, const TDataSkinObject* menuItem, bool menuHasImages) {
  std::int64_t width = std::int64_t{measuredWidth} + 10;
  if (menuItem) width += menuItem->LeftWidth;
  if (!menuHasImages) width += 25;
  return SaturateToInt(width);
}

bool BarFromFrameworkMenu(std::uint32_t version) {
  const unsigned major = version & 0xFF, minor = version >> 8 & 0xFF;
  const bool nt = (version & 0x80000000u) == 0;
  return (nt && major < 5) || (major == 4 && minor == 0);
}

} // namespace vcu
