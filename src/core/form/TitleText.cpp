#include "core/form/TitleText.h"

#include <algorithm>
#include <cstdint>

namespace vcu {
namespace {

using I64 = std::int64_t;

// The text's distance from the title's left edge. Integer division rounds halves toward
// zero, as the skin designers' layouts expect.
I64 HorizontalOffset(const TitleTextInput& in, I64 titleWidth, I64 plateWidth) {
  const int align = in.textAlignment;
  if (!in.rightToLeft) {
    if (align == 0) return in.textShift;
    if (align == 1) return (titleWidth - plateWidth) / 2;
    if (align == 2) return titleWidth - in.textRightClip - plateWidth;
    return 0;
  }
  // Right-to-left mirrors the alignments, measured against the room left of the buttons.
  if (align == 0) return titleWidth - in.rightButtonSpace - plateWidth;
  if (align == 1) return (titleWidth - in.rightButtonSpace - plateWidth) / 2;
  if (align == 2) return in.textShift;
  return 0;
}

} // namespace

Rect PlaceTitleText(const TitleTextInput& in) {
  const I64 titleWidth = in.title.Width();
  const I64 plateWidth = I64{in.backLeft} + in.backRight + in.textWidth;
  const I64 dx = HorizontalOffset(in, titleWidth, plateWidth);
  const I64 dy = (I64{in.title.Height()} - in.textHeight) / 2 + in.textShiftVert / 2;

  I64 left = in.title.left + dx;
  const I64 top = in.title.top + dy;
  I64 right = left + plateWidth;
  const I64 bottom = top + in.textHeight;

  if (in.rightToLeft && dx < 1) left = in.textShift;

  // Right-to-left text keeps clear of the icon; left-to-right text stops before the buttons
  // (popups, which have no clip setting of their own) or at the skin's clip.
  if (in.rightToLeft) {
    left += 10;
    right += 10;
  } else if (in.popup) {
    if (in.rightButtonSpace > 5)
      right = std::min(right, I64{in.title.right} - in.rightButtonSpace - 5);
  } else {
    right = std::min(right, I64{in.title.right} - in.textRightClip);
  }

  // Dialog frames carry no icon, so left-aligned text moves into its place.
  if (in.frameKind == fkDialog && in.textAlignment == 0) left -= 16;

  Rect r{SaturateToInt(left), SaturateToInt(top), SaturateToInt(right), SaturateToInt(bottom)};
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

} // namespace vcu
