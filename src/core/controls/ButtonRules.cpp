#include "core/controls/ButtonRules.h"

namespace vcu {

int ButtonFrameIndex(const ButtonLook& look) {
  if (!look.enabled) return bfDisabled;
  if (look.pressed) return bfPressed;
  if (look.hot) return bfHot;
  if (look.focused || look.isDefault) return bfFocused;
  return bfNormal;
}

std::wstring BreakFirstBars(const std::wstring& caption) {
  std::wstring text = caption;
  const size_t at = text.find(L"||");
  if (at != std::wstring::npos) text.replace(at, 2, L"\r\n");
  return text;
}

Rect ButtonTextBox(const Rect& rect, int textWidth, int textHeight, bool centred) {
  // Halving truncates towards zero: a caption taller than the button overhangs both edges.
  const int top = rect.top + (rect.Height() - textHeight) / 2 - 1;
  if (!centred) return Rect{rect.left, top, rect.right, SaturateToInt(std::int64_t{top} + textHeight)};
  const int left = rect.left + (rect.Width() - textWidth) / 2;
  return RectOfSize(left, top, textWidth, textHeight);
}

Colour ButtonTextColour(int frame, Colour fontColour, const TDataSkinButton& buttons) {
  switch (frame) {
  case bfDisabled: return kDisabledTextColour;
  case bfNormal: return buttons.HasNormalColour2 ? buttons.NormalColour2 : fontColour;
  case bfHot: return buttons.HasMouseOverColour2 ? buttons.MouseOverColour2 : fontColour;
  case bfPressed: return buttons.HasPressedColour2 ? buttons.PressedColour2 : fontColour;
  default: return fontColour;
  }
}

} // namespace vcu
