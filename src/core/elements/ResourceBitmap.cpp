#include "core/elements/ResourceBitmap.h"

#include <algorithm>
#include <vector>

#include "core/ByteOrder.h"
#include "core/image/Bmp.h"

namespace vcu {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12, kInfoHeaderSize = 40;
constexpr std::uint32_t kBiBitFields = 3, kBiAlphaBitFields = 6;

// Bytes between the information header and the pixels: the colour table, plus the three or
// four masks that follow a plain information header. Fields the data is too short to hold
// count as 0; the decoder then reports the truncation.
std::uint64_t TableBytes(const std::uint8_t* data, std::size_t size, std::uint32_t headerSize) {
  if (headerSize == kCoreHeaderSize) {
    const std::uint32_t bits = size >= 12 ? ReadU16Le(data + 10) : 0;
    return bits <= 8 ? 3ull << bits : 0;
  }
  const std::uint32_t bits = size >= 16 ? ReadU16Le(data + 14) : 0;
  const std::uint32_t compression = size >= 20 ? ReadU32Le(data + 16) : 0;
  const std::uint32_t used = size >= 36 ? ReadU32Le(data + 32) : 0;
  std::uint64_t entries = used != 0 ? used : (bits <= 8 ? 1ull << bits : 0);
  std::uint64_t bytes = entries * 4;
  if (headerSize == kInfoHeaderSize && compression == kBiBitFields) bytes += 12;
  if (headerSize == kInfoHeaderSize && compression == kBiAlphaBitFields) bytes += 16;
  return bytes;
}

} // namespace

Bitmap DecodeResourceBitmap(const std::uint8_t* data, std::size_t size) {
  const std::uint32_t headerSize = size >= 4 ? ReadU32Le(data) : 0;
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
