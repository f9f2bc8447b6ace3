#include "core/controls/HeaderRules.h"

#include <algorithm>
#include <cstdint>

namespace vcu {

int HeaderItemFrame(bool hot) { return hot ? 2 : 1; }

int HeaderAlignment(int format) {
  if (format & kHeaderFormatRight) return 2;
  if (format & kHeaderFormatCentre) return 1;
  return 0;
}

bool HeaderImageUsed(int imageIndex, bool hasImageList, int imageWidth, int cellWidth) {
  return imageIndex != -1 && hasImageList && imageWidth < cellWidth;
}

HeaderCellLayout LayoutHeaderCell(int width, int height, int alignment, int imageWidth, int imageHeight,
                                  int textWidth, int textHeight) {
  const std::int64_t w = width, cx = imageWidth, tw = textWidth;
  std::int64_t x = alignment == 1 ? (w - cx - tw) / 2 : alignment == 2 ? w - cx - tw - 2 : 3;
  if (x < 2) x = 1;
  HeaderCellLayout layout;
  layout.imageX = SaturateToInt(x);
  layout.imageY = SaturateToInt((std::int64_t{height} - imageHeight) / 2);
  const std::int64_t left = x + cx, top = (std::int64_t{height} - textHeight) / 2;
  layout.text.left = SaturateToInt(std::max<std::int64_t>(left, 0));
  layout.text.top = SaturateToInt(top);
  layout.text.right = SaturateToInt(std::min<std::int64_t>(left + tw, w));
  layout.text.bottom = SaturateToInt(top + textHeight);
  return layout;
}

Rect HotTrackArea(const Rect& item) {
  return Rect{SaturateToInt(std::int64_t{item.left} + 3), item.top, SaturateToInt(std::int64_t{item.right} - 3),
              item.bottom};
}

int NewHotItem(const std::vector<Rect>& areas, int hotItem, int x, int y) {
  for (size_t i = 0; i < areas.size(); ++i) {
    const Rect& a = areas[i];
    if (static_cast<int>(i) != hotItem && x >= a.left && x < a.right && y >= a.top && y < a.bottom)
      return static_cast<int>(i);
  }
  return -1;
}

} // namespace vcu
