#pragma once
// Small skins built in memory for the element tests: an INI text and BMP entries.
#include <cstdint>
#include <string>
#include <vector>

#include "core/elements/SkinElements.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bitmap.h"
#include "core/image/Bmp.h"
#include "core/storage/QuickIni.h"

namespace vcu::test {

inline TQuickIni MakeIni(const std::string& text) {
  TQuickIni ini;
  ini.LoadFromStream(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  return ini;
}

// A 24-bit bitmap whose pixel (x, y) has red x, green y and blue `tag`, so a test can tell
// where any pixel came from.
inline Bitmap CoordinateBitmap(int width, int height, unsigned tag = 0) {
  Bitmap b(width, height, PixelFormat::Bits24);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.Set(x, y, MakePixel(x, y, tag));
  return b;
}

inline std::vector<std::uint8_t> BmpFile(int width, int height, unsigned tag = 0) {
  return EncodeBmp24(CoordinateBitmap(width, height, tag));
}

// Left, top, right, bottom: one comparable value for a record's four slices.
inline std::vector<int> MarginList(const TDataSkinObject& r) {
  return {r.LeftWidth, r.TopHeight, r.RightWidth, r.BottomHeight};
}

} // namespace vcu::test
