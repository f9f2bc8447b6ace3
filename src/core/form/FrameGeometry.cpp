#include "core/form/FrameGeometry.h"

#include <algorithm>

#include "core/form/WindowStyleBits.h"

namespace vcu {
namespace {

// A strip's extent over its frame count; skins may give zero or negative counts.
int FrameExtent(int extent, int frameCount) { return extent / std::max(frameCount, 1); }

int NonNegative(std::int64_t v) { return SaturateToInt(std::max<std::int64_t>(v, 0)); }

} // namespace

FrameKind FrameKindOf(std::uint32_t style, std::uint32_t exStyle, bool dialogClass) {
  FrameKind kind = fkSingle;
  if ((style & kWsCaption) != kWsCaption)
    kind = fkNoCaption;
  else if (style & kWsThickFrame)
    kind = fkSizeable;
  else if (style & kDsModalFrame)
    kind = fkDialog;
  // The dialog frame wins whatever the other bits say.
  if ((exStyle & kWsExDlgModalFrame) || dialogClass) kind = fkDialog;
  return kind;
}

int NativeButtonsOf(std::uint32_t style, std::uint32_t exStyle, bool systemMenuKnown) {
  int bits = 0;
  if ((style & kWsSysMenu) || systemMenuKnown) bits |= kNbSystemMenu;
  if (style & kWsMinimizeBox) bits |= kNbMinimizeBox;
  if (style & kWsMaximizeBox) bits |= kNbMaximizeBox;
  if (exStyle & kWsExContextHelp) bits |= kNbContextHelp;
  return bits;
}

ShowState ShowStateOfShowCmd(int showCmd) {
  switch (showCmd) {
  case 2: // SW_SHOWMINIMIZED
  case 6: // SW_MINIMIZE
  case 7: // SW_SHOWMINNOACTIVE
    return ssMinimized;
  case 3: // SW_SHOWMAXIMIZED
    return ssMaximized;
  default:
    return ssNormal;
  }
}

BorderSizes BorderSizesOf(const TSkinElements& skin, FrameKind kind) {
  if (kind == fkNoCaption) return {};
  return BorderSizes{FrameExtent(skin.LeftBorder.Bitmap.Width(), skin.LeftBorder.Frame),
                     FrameExtent(skin.TopBorder.Bitmap.Height(), skin.TopBorder.Frame),
                     FrameExtent(skin.RightBorder.Bitmap.Width(), skin.RightBorder.Frame),
                     FrameExtent(skin.BottomBorder.Bitmap.Height(), skin.BottomBorder.Frame)};
}

Rect SkinnedClientRect(const Rect& window, const BorderSizes& b, int menuHeight) {
  Rect c;
  c.left = SaturateToInt(std::int64_t{window.left} + b.left);
  c.top = SaturateToInt(std::int64_t{window.top} + b.top + menuHeight);
  c.right = std::max(c.left, SaturateToInt(std::int64_t{window.right} - b.right));
  c.bottom = std::max(c.top, SaturateToInt(std::int64_t{window.bottom} - b.bottom));
  return c;
}

int FrameHitTest(int defaultAnswer, int frameY, int topBorder, bool hasMenuBar) {
  if (defaultAnswer != kHtNowhere && defaultAnswer != kHtCaption) return defaultAnswer;
  // The top 3 pixels keep the default so the sizing edge above the caption still works.
  if (hasMenuBar && frameY > topBorder) return kHtMenu;
  return frameY > 3 ? kHtCaption : defaultAnswer;
}

Size2 SkinnedWindowSize(Size2 client, const BorderSizes& b, int menuHeight) {
  return {NonNegative(std::int64_t{client.width} + b.left + b.right),
          NonNegative(std::int64_t{client.height} + b.top + b.bottom + menuHeight)};
}

Size2 UnskinnedWindowSize(Size2 skinnedWindow, const BorderSizes& b, int menuHeight,
                          Size2 unskinnedExtra) {
  return {NonNegative(std::int64_t{skinnedWindow.width} - b.left - b.right + unskinnedExtra.width),
          NonNegative(std::int64_t{skinnedWindow.height} - b.top - b.bottom - menuHeight +
                      unskinnedExtra.height)};
}

int BorderFrameIndex(bool active, int frameCount) {
  return active || frameCount <= 1 ? 1 : 2;
}

} // namespace vcu
