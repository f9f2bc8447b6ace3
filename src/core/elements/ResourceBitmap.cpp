#include "core/elements/ResourceBitmap.h"

#include <algorithm>
#include <vector>

#include "core/image/Bmp.h"

namespace vcu {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12, kInfoHeaderSize = 40;
constexpr std::uint32_t kBiBitFields = 3, kBiAlphaBitFields = 6;

std::uint32_t ReadLe(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

// Bytes between the information header and the pixels: the colour table, plus the three or
// four masks that follow a plain information header. Fields the data is too short to hold
// count as 0; the decoder then reports the truncation.
std::uint64_t TableBytes(const std::uint8_t* data, std::size_t size, std::uint32_t headerSize) {
  if (headerSize == kCoreHeaderSize) {
    const std::uint32_t bits = size >= 12 ? ReadLe(data + 10, 2) : 0;
    return bits <= 8 ? 3ull << bits : 0;
  }
  const std::uint32_t bits = size >= 16 ? ReadLe(data + 14, 2) : 0;
  const std::uint32_t compression = size >= 20 ? ReadLe(data + 16, 4) : 0;
  const std::uint32_t used = size >= 36 ? ReadLe(data + 32, 4) : 0;
  std::uint64_t entries = used != 0 ? used : (bits <= 8 ? 1ull << bits : 0);
  std::uint64_t bytes = entries * 4;
  if (headerSize == kInfoHeaderSize && compression == kBiBitFields) bytes += 12;
  if (headerSize == kInfoHeaderSize && compression == kBiAlphaBitFields) bytes += 16;
  return bytes;
}

} // namespace

Bitmap DecodeResourceBitmap(const std::uint8_t* data, std::size_t size) {
  const std::uint32_t headerSize = size >= 4 ? ReadLe(data, 4) : 0;
  // An offset past the data is limited to its end; the decoder then finds the pixels missing.
  const std::uint64_t offset =
      std::min<std::uint64_t>(kFileHeaderSize + std::uint64_t{headerSize} +
                                  TableBytes(data, size, headerSize),
                              kFileHeaderSize + size);
  const std::uint64_t fileSize = kFileHeaderSize + size;
  std::vector<std::uint8_t> file(kFileHeaderSize);
  file[0] = 'B';
  file[1] = 'M';
  for (int i = 0; i < 4; ++i) {
    file[2 + i] = static_cast<std::uint8_t>(fileSize >> (8 * i));
    file[10 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
  }
  file.insert(file.end(), data, data + size);
  return DecodeBmp(file);
}

} // namespace vcu
