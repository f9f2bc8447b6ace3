#include "skin/menus/MenuFonts.h"

namespace vcu {
namespace {

HFONT MakeMenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    if (HFONT made = CreateFontIndirectW(&metrics.lfMenuFont)) return made;
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

HFONT MenuFont() {
  static const HFONT font = MakeMenuFont(false);
  return font;
}

HFONT BoldMenuFont() {
  static const HFONT font = MakeMenuFont(true);
  return font;
}

} // namespace vcu
