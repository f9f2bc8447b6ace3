#include "core/controls/CheckRules.h"

#include <algorithm>

#include "core/text/AsciiText.h"

namespace vcu {
namespace {

constexpr int kMinStripFrames = 4;
constexpr int kExtendedCheckFrames = 12;
constexpr int kExtendedRadioFrames = 8;
constexpr int kTextGap = 2;
constexpr int kCaptionIndent = 8;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The wider order of an extended strip for the four looks of the basic one.
int ExtendedFrame(int basic) {
  switch (basic) {
  case 2: return 5;
  case 3: return 4;
  case 4: return 8;
  default: return basic;
  }
}

} // namespace

int StripFrameCount(int countKey, int stripWidth, int stripHeight) {
  if (countKey > 0) return countKey;
  const int cell = stripHeight < 16 ? 13 : 16;
  return std::max(kMinStripFrames, std::max(stripWidth, 0) / cell);
}

int CheckImageIndex(const CheckInputs& in, int frameCount) {
  int index = in.checked ? 2 : 1;
  bool grayed = false;
  if (const HostCheckState* host = in.host) {
    if (host->hasState) {
      const std::string state = AsciiLower(host->state);
      if (Contains(state, "uncheck")) index = 1;
      else if (Contains(state, "check")) index = 2;
      else if (Contains(state, "gray")) grayed = true;
    } else if (host->hasChecked) {
      index = host->checked ? 2 : 1;
    }
    if (host->hasDataField && host->lastCheck != 0) {
      index = host->lastCheck;
      if (index == 3) grayed = true;
    }
    if (host->hasDataBinding) {
      index = 1;
      grayed = false;
    }
  }
  grayed = grayed || in.indeterminate;
  // The grayed look already is the disabled-checked frame of the basic strip; being disabled
  // too adds nothing there (it would step past the strip's last frame).
  if (grayed) {
    if (frameCount == kExtendedCheckFrames) return in.disabled ? 12 : 9;
    return 4;
  }
  index = std::clamp(index, 1, 2);
  if (in.disabled) index += 2;
  return frameCount == kExtendedCheckFrames ? ExtendedFrame(index) : index;
}

int RadioImageIndex(bool checked, bool disabled, int frameCount) {
  int index = checked ? 2 : 1;
  if (disabled) index += 2;
  return frameCount == kExtendedRadioFrames ? ExtendedFrame(index) : index;
}

CheckLayout CheckControlLayout(const Rect& rect, int frameWidth, int frameHeight, bool leftText, bool radio) {
  CheckLayout layout;
  const int top = rect.top + (rect.Height() - frameHeight) / 2;
  layout.text = rect;
  if (!leftText) {
    layout.image = RectOfSize(rect.left, top, frameWidth, frameHeight);
    layout.text.left = SaturateToInt(std::int64_t{rect.left} + frameWidth + kTextGap);
    return layout;
  }
  // A radio dot keeps one pixel off the right edge, as the native one does.
  const int right = radio ? rect.right - 1 : rect.right;
  const int left = SaturateToInt(std::int64_t{right} - frameWidth);
  layout.image = Rect{left, top, right, SaturateToInt(std::int64_t{top} + frameHeight)};
  layout.text.right = left - kTextGap;
  return layout;
}

Rect CentreCheckText(const Rect& textBox, const Rect& rect, int textHeight) {
  const int down = (rect.Height() - textHeight) / 2;
  Rect moved = textBox;
  moved.top = SaturateToInt(std::int64_t{moved.top} + down);
  moved.bottom = SaturateToInt(std::int64_t{moved.bottom} + down);
  return moved;
}

Rect TextFocusRect(const Rect& textBox, int textWidth, int textHeight, bool centred, bool right) {
  Rect focus = RectOfSize(textBox.left, textBox.top, textWidth, textHeight);
  int dx = 0, dy = 0;
  if (centred) {
    dx = (textBox.Width() - textWidth) / 2;
    dy = (textBox.Height() - textHeight) / 2 - 1;
  } else if (right) {
    dx = textBox.Width() - textWidth;
  }
  focus = RectOfSize(focus.left + dx - 2, focus.top + dy - 1, textWidth + 4, textHeight + 2);
  return Intersect(focus, textBox);
}

int GroupLineTop(int digitHeight) { return digitHeight / 2 - 1; }

Rect GroupFrameRect(const Rect& rect, int digitHeight) {
  return Rect{1, GroupLineTop(digitHeight), rect.right - 1, rect.bottom - 1};
}

Rect GroupCaptionBox(const Rect& rect, bool rightAligned) {
  Rect box = rect;
  if (rightAligned) box.right -= kCaptionIndent;
  else box.left += kCaptionIndent;
  return box;
}

} // namespace vcu
