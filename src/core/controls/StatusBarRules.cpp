#include "core/controls/StatusBarRules.h"

#include <cstdint>

namespace vcu {

int PanelFrameIndex(PanelBevel bevel) {
  switch (bevel) {
  case PanelBevel::Raised: return 2;
  case PanelBevel::None: return 3;
  default: return 1;
  }
}

unsigned PanelTextFlag(PanelAlignment alignment, bool rightToLeft) {
  switch (alignment) {
  case PanelAlignment::Centre: return kTextCentre;
  case PanelAlignment::Right: return rightToLeft ? kTextLeft : kTextRight;
  default: return rightToLeft ? kTextRight : kTextLeft;
  }
}

unsigned SimpleTextFlag(bool barRightToLeft) { return barRightToLeft ? kTextRight : kTextLeft; }

Rect PanelFrameRect(const Rect& native, bool last, int barRight) {
  Rect r = native;
  r.right = last ? barRight : SaturateToInt(std::int64_t{r.right} + 2);
  return r;
}

Rect PanelTextArea(const Rect& frame) {
  return Rect{SaturateToInt(std::int64_t{frame.left} + 2), frame.top, SaturateToInt(std::int64_t{frame.right} - 2),
              frame.bottom};
}

Rect PlacePanelText(const Rect& area, int textWidth, int textHeight, unsigned flag) {
  const std::int64_t down = (std::int64_t{area.Height()} - textHeight) / 2 - 1;
  Rect t;
  t.top = SaturateToInt(area.top + down);
  t.bottom = SaturateToInt(std::int64_t{t.top} + textHeight);
  if (flag == kTextCentre) {
    t.left = SaturateToInt(area.left + (std::int64_t{area.Width()} - textWidth) / 2);
    t.right = SaturateToInt(std::int64_t{t.left} + textWidth);
  } else {
    t.left = area.left;
    t.right = area.right;
  }
  return t;
}

Rect SizeGripRect(const Rect& bar, int stripWidth, int stripHeight, int frameCount) {
  if (frameCount < 1 || stripWidth < frameCount || stripHeight <= 0) return Rect{};
  const int width = stripWidth / frameCount;
  const int right = SaturateToInt(std::int64_t{bar.right} - 1);
  const int bottom = SaturateToInt(std::int64_t{bar.bottom} - 1);
  return Rect{SaturateToInt(std::int64_t{right} - width), SaturateToInt(std::int64_t{bottom} - stripHeight), right, bottom};
}

} // namespace vcu
