#include "core/controls/UpDownRules.h"

#include <algorithm>

#include "core/image/Blit.h"
#include "core/image/Transparency.h"

namespace vcu {

SpinHalves SplitSpin(const Rect& rect, bool horizontal) {
  SpinHalves halves{rect, rect, SpinDirection::Up, SpinDirection::Down};
  if (horizontal) {
    const int middle = rect.left + rect.Width() / 2;
    halves.first.right = middle;
    halves.second.left = middle;
    halves.firstDirection = SpinDirection::Left;
    halves.secondDirection = SpinDirection::Right;
  } else {
    const int middle = rect.top + rect.Height() / 2;
    halves.first.bottom = middle;
    halves.second.top = middle;
  }
  return halves;
}

int SpinHalfState(bool enabled, bool pointerOver, bool pressed, bool hot) {
  if (!enabled) return spinDisabled;
  if (!pointerOver) return spinNormal;
  if (pressed) return spinPressed;
  if (hot) return spinHot;
  return spinNormal;
}

int SpinFrameIndex(int state, SpinDirection direction) {
  const int d = static_cast<int>(direction);
  return state + 4 * d - (d >= 2 ? 8 : 0);
}

Rect SpinInsideEdit(const Rect& rect, const Rect& spin, const Rect& edit) {
  constexpr int kGap = 3;
  Rect r = rect;
  const int top = spin.top - edit.top, bottom = edit.bottom - spin.bottom, right = edit.right - spin.right;
  if (top < kGap) r.top += kGap - top;
  if (bottom < kGap) r.bottom -= kGap - bottom;
  if (right < kGap) r.right -= kGap - right;
  return r;
}

std::vector<Rect> SpinArrowLines(const Rect& half, SpinDirection direction) {
  std::vector<Rect> lines;
  lines.reserve(5);
  const int cx = half.left + half.Width() / 2, cy = half.top + half.Height() / 2;
  for (int k = 0; k < 5; ++k) {
    switch (direction) {
    case SpinDirection::Up: // point on top: the anchor 2 above the middle centres the wedge
      lines.push_back(Rect{cx - k, cy - 2 + k, cx + k + 1, cy - 1 + k});
      break;
    case SpinDirection::Down:
      lines.push_back(Rect{cx - (4 - k), cy - 2 + k, cx + (4 - k) + 1, cy - 1 + k});
      break;
    case SpinDirection::Left:
      lines.push_back(Rect{cx - 2 + k, cy - k, cx - 1 + k, cy + k + 1});
      break;
    case SpinDirection::Right:
      lines.push_back(Rect{cx - 2 + k, cy - (4 - k), cx - 1 + k, cy + (4 - k) + 1});
      break;
    }
  }
  return lines;
}

void ComposeSpinHalf(Bitmap& canvas, const Rect& half, SpinDirection direction, int state, const Bitmap& frame,
                     const Bitmap& glyph, const SpinFallbackColours& colours) {
  if (half.Empty()) return;
  if (!frame.Empty()) {
    DrawTransparent(canvas, half, frame, kKeyColour);
    if (!glyph.Empty()) {
      // Centred with div 2: an oversized glyph overhangs both sides alike.
      const int x = half.left + (half.Width() - glyph.Width()) / 2, y = half.top + (half.Height() - glyph.Height()) / 2;
      DrawTransparent(canvas, RectOfSize(x, y, glyph.Width(), glyph.Height()), glyph, kKeyColour);
    }
    return;
  }
  FillRect(canvas, half, colours.darkShadow);
  const Rect inside{half.left + 1, half.top + 1, half.right - 1, half.bottom - 1};
  const bool sunk = state == spinPressed || state == spinHot;
  FillRect(canvas, inside, sunk ? colours.shadow : colours.face);
  for (const Rect& line : SpinArrowLines(half, direction)) FillRect(canvas, Intersect(line, inside), colours.darkShadow);
}

} // namespace vcu
