#pragma once
// Small pictures for image tests: bitmaps drawn as rows of letters (each letter a colour from a
// legend) or as pixels that name their own position, and pixel-for-pixel comparisons that
// say where two bitmaps first differ.
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/elements/SkinElements.h"
#include "core/image/Bitmap.h"

namespace vcu::test {

using Legend = std::map<char, Pixel>;

inline Bitmap Picture(const std::vector<std::string>& rows, const Legend& legend) {
  Bitmap b(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.Set(x, y, legend.at(rows[y][x]));
  return b;
}

// The inverse of Picture; a pixel not in the legend shows as '?'.
inline std::vector<std::string> Letters(const Bitmap& b, const Legend& legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      char c = '?';
      for (const auto& [letter, pixel] : legend)
        if (pixel == b.At(x, y)) c = letter;
      row += c;
    }
    rows.push_back(row);
  }
  return rows;
}

// A 24-bit bitmap whose pixel (x, y) has red x, green y and blue `tag`, so a test can tell
// where any pixel came from.
inline Bitmap CoordinateBitmap(int width, int height, unsigned tag = 0) {
  Bitmap b(width, height, PixelFormat::Bits24);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.Set(x, y, MakePixel(x, y, tag));
  return b;
}

// Empty when the two have the same size and pixels, else where they first differ.
inline std::string PixelDifference(const Bitmap& a, const Bitmap& b) {
  std::ostringstream o;
  if (a.Width() != b.Width() || a.Height() != b.Height()) {
    o << "size " << a.Width() << "x" << a.Height() << " against " << b.Width() << "x" << b.Height();
    return o.str();
  }
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y)) {
        o << "pixel (" << x << ", " << y << "): " << std::hex << a.At(x, y) << " against " << b.At(x, y);
        return o.str();
      }
  return "";
}

inline bool SamePixels(const Bitmap& a, const Bitmap& b) { return PixelDifference(a, b).empty(); }

// Left, top, right, bottom: one comparable value for a record's four slices.
inline std::vector<int> MarginList(const TDataSkinObject& r) {
  return {r.LeftWidth, r.TopHeight, r.RightWidth, r.BottomHeight};
}

} // namespace vcu::test
