#include "core/controls/ComboRules.h"

#include <algorithm>

namespace vcu {

int ComboFrameIndex(const ComboState& state) {
  if (!state.enabled) return 3;
  if (state.pressed) return 2;
  if (state.focused || state.hot) return 4;
  return 1;
}

int ClassicComboFrameIndex(const ComboState& state) {
  if (!state.enabled && (state.focused || state.hot)) return 4;
  return ComboFrameIndex(state);
}

ComboLayout ComboBoxLayout(const Rect& r, int arrow, bool buttonLeft) {
  arrow = std::max(arrow, 0);
  ComboLayout layout;
  if (buttonLeft) {
    layout.text = Rect{SaturateToInt(std::int64_t{r.left} + arrow + 4), r.top + 2, r.right - 2, r.bottom - 2};
    layout.button = Rect{r.left + 2, r.top, SaturateToInt(std::int64_t{r.left} + arrow + 2), r.bottom};
  } else {
    layout.text = Rect{r.left + 2, r.top + 2, SaturateToInt(std::int64_t{r.right} - arrow - 4), r.bottom - 2};
    layout.button = Rect{SaturateToInt(std::int64_t{r.right} - arrow - 2), r.top, r.right - 2, r.bottom};
  }
  return layout;
}

ClassicComboLayout ClassicComboBoxLayout(const Rect& r, int thumbWidth, int thumbHeight, int frameWidth,
                                         bool buttonLeft) {
  ClassicComboLayout layout;
  layout.ring = Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  const Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  thumbWidth = std::max(thumbWidth, 0);
  frameWidth = std::max(frameWidth, 0);
  if (buttonLeft) {
    layout.strip = Rect{inner.left, inner.top, SaturateToInt(std::int64_t{inner.left} + thumbWidth), inner.bottom};
    layout.button = Rect{inner.left, inner.top, SaturateToInt(std::int64_t{inner.left} + frameWidth), inner.top};
  } else {
    layout.strip = Rect{SaturateToInt(std::int64_t{inner.right} - thumbWidth), inner.top, inner.right, inner.bottom};
    layout.button = Rect{SaturateToInt(std::int64_t{inner.right} - frameWidth), inner.top, inner.right, inner.top};
  }
  const int height = std::min(std::max(thumbHeight, 0), std::max(layout.strip.Height(), 0));
  layout.button.bottom = SaturateToInt(std::int64_t{inner.top} + height);
  return layout;
}

bool PointInButton(const Rect& button, int x, int y) {
  return x >= button.left && x < button.right && y >= button.top && y < button.bottom;
}

} // namespace vcu
