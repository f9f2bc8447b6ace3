#pragma once
// Small pictures for the image tests: a bitmap drawn as rows of letters, each letter a colour
// from a legend, and a readable dump of a bitmap for failure messages.
#include <map>
#include <string>
#include <vector>

#include "core/image/Bitmap.h"

namespace vcu::testing {

using Legend = std::map<char, Pixel>;

inline Bitmap Picture(const std::vector<std::string>& rows, const Legend& legend) {
  Bitmap b(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      b.Set(x, y, legend.at(rows[y][x]));
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
        if (pixel == b.At(x, y))
          c = letter;
      row += c;
    }
    rows.push_back(row);
  }
  return rows;
}

// A bitmap whose every pixel names its own position: red = x, green = y.
inline Bitmap Coordinates(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.Set(x, y, MakePixel(x, y, 7));
  return b;
}

inline bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height())
    return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y))
        return false;
  return true;
}

} // namespace vcu::testing
