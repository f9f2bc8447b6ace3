#pragma once
// Small skins built in memory for the element tests: an INI text and BMP entries.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/elements/SkinEntries.h"
#include "core/image/Bitmap.h"
#include "core/image/Bmp.h"
#include "core/storage/AsciiText.h"
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

// Entries held in memory, looked up as an archive looks them up.
class MemoryEntries final : public SkinEntries {
public:
  MemoryEntries& Add(const std::string& name, std::vector<std::uint8_t> data) {
    entries_.push_back({AsciiLower(name), std::move(data)});
    return *this;
  }
  MemoryEntries& AddText(const std::string& name, const std::string& text) {
    return Add(name, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  void ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const override {
    out.clear();
    for (const auto& [entry, data] : entries_)
      if (entry == AsciiLower(name)) {
        out = data;
        return;
      }
  }
  void ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                         std::string& entryName) const override {
    out.clear();
    for (const auto& [entry, data] : entries_)
      if (entry.find(fragment) != std::string::npos) {
        out = data;
        entryName = entry;
        return;
      }
  }

private:
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> entries_;
};

} // namespace vcu::test
