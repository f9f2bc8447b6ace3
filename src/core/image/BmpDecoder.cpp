// The BMP decoder. One reader owns the input and checks every read against the end of the
// file; every size, offset and index taken from the file is checked before it is used.
#include <algorithm>
#include <array>
#include <cstring>

#include "core/image/Bmp.h"

#include "core/ByteOrder.h"
#include "core/text/AsciiText.h"

namespace vcu {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

const char* FaultText(BmpFault fault) {
  switch (fault) {
  case BmpFault::Truncated: return "the file ends early";
  case BmpFault::BadSignature: return "no BM signature";
  case BmpFault::UnsupportedHeader: return "unsupported header size";
  case BmpFault::BadSize: return "bad image size";
  case BmpFault::BadPlanes: return "plane count is not 1";
  case BmpFault::UnsupportedFormat: return "unsupported depth or compression";
  case BmpFault::BadMasks: return "bad colour masks";
  case BmpFault::BadPixelOffset: return "pixel data offset inside the headers";
  case BmpFault::TopDownCompressed: return "compressed image stored top-down";
  }
  return "invalid";
}

[[noreturn]] void Fail(BmpFault fault, std::size_t offset) { throw EInvalidBitmap(fault, offset); }

// Little-endian reads that cannot run past the end of the file.
class Reader {
public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t Size() const { return size_; }
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= size_ && count <= size_ - offset;
  }
  void Need(std::size_t offset, std::size_t count) const {
    if (!Has(offset, count))
      Fail(BmpFault::Truncated, std::min(offset, size_));
  }
  const std::uint8_t* At(std::size_t offset, std::size_t count) const {
    Need(offset, count);
    return data_ + offset;
  }
  std::uint8_t U8(std::size_t offset) const { return *At(offset, 1); }
  std::uint16_t U16(std::size_t offset) const {
    return ReadU16Le(At(offset, 2));
  }
  std::uint32_t U32(std::size_t offset) const {
    return ReadU32Le(At(offset, 4));
  }
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// One colour channel of a bit-field pixel, widened to 8 bits by repeating its bits (so the
// largest value gives 255).
class Channel {
public:
  Channel() = default;
  explicit Channel(std::uint32_t mask) : mask_(mask) {
    if (mask == 0)
      return;
    while (!(mask >> shift_ & 1))
      ++shift_;
    while (shift_ + bits_ < 32 && (mask >> (shift_ + bits_) & 1))
      ++bits_;
    const std::uint32_t top = bits_ >= 8 ? 255 : (1u << bits_) - 1;
    for (std::uint32_t v = 0; v <= top; ++v)
      widen_[v] = bits_ >= 8 ? static_cast<std::uint8_t>(v) : Widen(v);
  }
  // One run of set bits: the only kind of mask Windows accepts.
  bool Contiguous() const {
    const std::uint32_t run = bits_ == 32 ? ~0u : ((1u << bits_) - 1) << shift_;
    return mask_ == 0 || run == mask_;
  }
  std::uint32_t Mask() const { return mask_; }
  unsigned Of(std::uint32_t pixel) const {
    if (mask_ == 0)
      return 0;
    const std::uint32_t v = (pixel & mask_) >> shift_;
    return bits_ >= 8 ? v >> (bits_ - 8) : widen_[v];
  }

private:
  std::uint8_t Widen(std::uint32_t v) const {
    unsigned out = 0;
    for (int filled = 0; filled < 8; filled += bits_)
      out = out << bits_ | v;
    return static_cast<std::uint8_t>(out >> (bits_ * ((8 + bits_ - 1) / bits_) - 8));
  }
  std::uint32_t mask_ = 0;
  int shift_ = 0, bits_ = 0;
  std::array<std::uint8_t, 256> widen_{};
};

struct Header {
  std::size_t infoSize = 0;
  bool core = false;
  int width = 0, height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t coloursUsed = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  std::size_t paletteOffset = 0; // first byte after the headers and masks
  std::size_t pixelOffset = 0;
};

// The state of one decode: the reader, the header, the palette and the masks.
class BmpDecoder {
public:
  BmpDecoder(const std::uint8_t* data, std::size_t size) : in_(data, size) {}
  Bitmap Decode();
  BmpDimensions Dimensions();

private:
  void ReadHeader();
  void ReadInfoHeader();
  void CheckSize() const;
  void CheckFormat() const;
  void ReadMasks();
  void ReadPalette();
  void DecodeRows(Bitmap& out) const;
  void DecodeRle(Bitmap& out) const;
  void DecodeRow(const std::uint8_t* src, Pixel* row) const;
  Pixel PaletteColour(unsigned index) const {
    return index < paletteSize_ ? palette_[index] : Pixel{0};
  }

  Reader in_;
  Header h_;
  std::array<Pixel, 256> palette_{};
  unsigned paletteSize_ = 0;
  Channel red_, green_, blue_;
};

Bitmap BmpDecoder::Decode() {
  ReadHeader();
  CheckSize();
  CheckFormat();
  ReadMasks();
  ReadPalette();
  Bitmap out(h_.width, h_.height, static_cast<PixelFormat>(h_.bitCount));
  if (h_.compression == kRle8 || h_.compression == kRle4)
    DecodeRle(out);
  else
    DecodeRows(out);
  return out;
}

BmpDimensions BmpDecoder::Dimensions() {
  ReadHeader();
  CheckSize();
  return BmpDimensions{h_.width, h_.height};
}

void BmpDecoder::ReadHeader() {
  if (in_.U8(0) != 'B' || in_.U8(1) != 'M')
    Fail(BmpFault::BadSignature, 0);
  const std::uint32_t offBits = in_.U32(10);
  h_.infoSize = in_.U32(kFileHeaderSize);
  switch (h_.infoSize) {
  case kCoreHeaderSize:
    in_.Need(kFileHeaderSize, kCoreHeaderSize);
    h_.core = true;
    h_.width = in_.U16(18);
    h_.height = in_.U16(20);
    if (in_.U16(22) != 1)
      Fail(BmpFault::BadPlanes, 22);
    h_.bitCount = in_.U16(24);
    break;
  case kInfoHeaderSize: case 52: case 56: case 108: case 124:
    ReadInfoHeader();
    break;
  default:
    Fail(BmpFault::UnsupportedHeader, kFileHeaderSize);
  }
  h_.paletteOffset = kFileHeaderSize + h_.infoSize;
  // A 40-byte header keeps its bit-field masks in three words after it.
  if (h_.infoSize == kInfoHeaderSize && h_.compression == kBitFields)
    h_.paletteOffset += 12;
  // Some writers leave the offset 0: the pixels then follow the palette (set there).
  h_.pixelOffset = offBits;
  if (offBits != 0 && offBits < h_.paletteOffset)
    Fail(BmpFault::BadPixelOffset, 10);
}

void BmpDecoder::ReadInfoHeader() {
  in_.Need(kFileHeaderSize, h_.infoSize);
  const std::int32_t width = in_.I32(18), height = in_.I32(22);
  // The most negative height has no positive counterpart.
  if (width <= 0 || height == 0 || height == INT32_MIN)
    Fail(BmpFault::BadSize, 18);
  h_.width = width;
  h_.topDown = height < 0;
  h_.height = h_.topDown ? -height : height;
  if (in_.U16(26) != 1)
    Fail(BmpFault::BadPlanes, 26);
  h_.bitCount = in_.U16(28);
  h_.compression = in_.U32(30);
  h_.coloursUsed = in_.U32(46);
}

void BmpDecoder::CheckSize() const {
  if (h_.width <= 0 || h_.height <= 0 || h_.width > kMaxBitmapSide ||
      h_.height > kMaxBitmapSide ||
      static_cast<std::int64_t>(h_.width) * h_.height > kMaxBitmapPixels)
    Fail(BmpFault::BadSize, 18);
}

void BmpDecoder::CheckFormat() const {
  const int bits = h_.bitCount;
  bool ok = false;
  switch (h_.compression) {
  case kRgb:
    ok = bits == 1 || bits == 4 || bits == 8 || bits == 24 ||
         (!h_.core && (bits == 16 || bits == 32));
    break;
  case kRle8: ok = bits == 8; break;
  case kRle4: ok = bits == 4; break;
  case kBitFields: ok = bits == 16 || bits == 32; break;
  }
  if (h_.core && h_.compression != kRgb)
    ok = false;
  if (!ok)
    Fail(BmpFault::UnsupportedFormat, h_.core ? 24 : 28);
  if (h_.topDown && h_.compression != kRgb && h_.compression != kBitFields)
    Fail(BmpFault::TopDownCompressed, 22);
}

void BmpDecoder::ReadMasks() {
  if (h_.compression == kBitFields) {
    // At 54 both for the masks inside a longer header and for the words after a 40-byte one.
    for (int i = 0; i < 3; ++i)
      h_.masks[i] = in_.U32(54 + 4 * i);
  } else if (h_.bitCount == 16) {
    h_.masks[0] = 0x7C00, h_.masks[1] = 0x03E0, h_.masks[2] = 0x001F;
  } else if (h_.bitCount == 32) {
    h_.masks[0] = 0xFF0000, h_.masks[1] = 0xFF00, h_.masks[2] = 0xFF;
  } else {
    return;
  }
  const std::uint32_t r = h_.masks[0], g = h_.masks[1], b = h_.masks[2];
  red_ = Channel(r), green_ = Channel(g), blue_ = Channel(b);
  const bool fits = h_.bitCount == 32 || ((r | g | b) >> 16) == 0;
  if (!fits || (r & g) || (r & b) || (g & b) || !red_.Contiguous() || !green_.Contiguous() ||
      !blue_.Contiguous())
    Fail(BmpFault::BadMasks, 54);
}

void BmpDecoder::ReadPalette() {
  const std::size_t entrySize = h_.core ? 3 : 4;
  unsigned count = 0;
  if (h_.bitCount <= 8) {
    const unsigned most = 1u << h_.bitCount;
    count = (h_.core || h_.coloursUsed == 0) ? most
                                              : std::min<std::uint32_t>(h_.coloursUsed, most);
  }
  if (h_.pixelOffset == 0)
    h_.pixelOffset = h_.paletteOffset + count * entrySize;
  // A palette that the pixel data offset cuts short keeps the entries before it.
  count = std::min<std::size_t>(count, (h_.pixelOffset - h_.paletteOffset) / entrySize);
  const std::uint8_t* p = in_.At(h_.paletteOffset, count * entrySize);
  for (unsigned i = 0; i < count; ++i, p += entrySize)
    palette_[i] = MakePixel(p[2], p[1], p[0]);
  paletteSize_ = count;
  in_.Need(h_.pixelOffset, 0);
}

void BmpDecoder::DecodeRow(const std::uint8_t* src, Pixel* row) const {
  const int w = h_.width;
  switch (h_.bitCount) {
  case 1:
    for (int x = 0; x < w; ++x)
      row[x] = PaletteColour(src[x >> 3] >> (7 - (x & 7)) & 1);
    break;
  case 4:
    for (int x = 0; x < w; ++x)
      row[x] = PaletteColour(src[x >> 1] >> ((x & 1) ? 0 : 4) & 0xF);
    break;
  case 8:
    for (int x = 0; x < w; ++x)
      row[x] = PaletteColour(src[x]);
    break;
  case 16:
    for (int x = 0; x < w; ++x, src += 2) {
      const std::uint32_t v = src[0] | src[1] << 8;
      row[x] = MakePixel(red_.Of(v), green_.Of(v), blue_.Of(v));
    }
    break;
  case 24:
    for (int x = 0; x < w; ++x, src += 3)
      row[x] = MakePixel(src[2], src[1], src[0]);
    break;
  case 32:
    for (int x = 0; x < w; ++x, src += 4) {
      const std::uint32_t v = std::uint32_t{src[0]} | std::uint32_t{src[1]} << 8 |
                              std::uint32_t{src[2]} << 16 | std::uint32_t{src[3]} << 24;
      row[x] = MakePixel(red_.Of(v), green_.Of(v), blue_.Of(v));
    }
    break;
  }
}

void BmpDecoder::DecodeRows(Bitmap& out) const {
  // Width and height are at most 2^15 and the depth at most 32, so the stride and the total
  // fit in 64 bits with room to spare; the total is checked against the file before reading.
  const std::uint64_t stride = (std::uint64_t(h_.width) * h_.bitCount + 31) / 32 * 4;
  const std::uint64_t total = stride * std::uint64_t(h_.height);
  if (total > in_.Size() - h_.pixelOffset)
    Fail(BmpFault::Truncated, in_.Size());
  const std::uint8_t* src = in_.At(h_.pixelOffset, static_cast<std::size_t>(total));
  for (int i = 0; i < h_.height; ++i, src += stride)
    DecodeRow(src, out.Row(h_.topDown ? i : h_.height - 1 - i));
}

// RLE8 and RLE4: pairs (count, value) repeat a value; (0, 0) ends a line, (0, 1) ends the
// image, (0, 2, dx, dy) moves right and up, (0, n >= 3) is followed by n literal values
// padded to a 16-bit boundary. Pixels the stream skips take palette entry 0, as if the index
// image started zeroed; pixels past the row's end are dropped.
void BmpDecoder::DecodeRle(Bitmap& out) const {
  const bool four = h_.compression == kRle4;
  out.Fill(PaletteColour(0));
  const int w = h_.width, hgt = h_.height;
  int x = 0, y = 0; // y counts rows from the bottom
  auto put = [&](unsigned index) {
    if (x < w && y < hgt)
      out.Row(hgt - 1 - y)[x] = PaletteColour(index);
    ++x;
  };
  std::size_t at = h_.pixelOffset;
  while (y < hgt) {
    if (!in_.Has(at, 2))
      Fail(BmpFault::Truncated, in_.Size());
    const unsigned count = in_.U8(at), value = in_.U8(at + 1);
    at += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count && x < w; ++i)
        put(four ? (i & 1 ? value & 0xF : value >> 4) : value);
      continue;
    }
    if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      // Beyond the row's end or the last row nothing more is drawn: stop counting there.
      x = std::min(x + in_.U8(at), w);
      y = std::min(y + in_.U8(at + 1), hgt);
      at += 2;
    } else {
      const std::size_t bytes = four ? (value + 1) / 2 : value;
      const std::uint8_t* literal = in_.At(at, bytes);
      for (unsigned i = 0; i < value && x < w; ++i)
        put(four ? (i & 1 ? literal[i / 2] & 0xF : literal[i / 2] >> 4) : literal[i]);
      at += (bytes + 1) & ~std::size_t{1};
    }
  }
}

} // namespace

EInvalidBitmap::EInvalidBitmap(BmpFault fault, std::size_t offset)
    : Exception(std::string("Bitmap image is not valid: ") + FaultText(fault) + " (offset " +
                std::to_string(offset) + ")"),
      fault_(fault), offset_(offset) {}

EInvalidBitmap::EInvalidBitmap(const EInvalidBitmap& fault, const std::string& entry)
    : Exception("Bitmap image " + QuotedOneLine(entry) + " is not valid: " +
                FaultText(fault.Fault()) + " (offset " + std::to_string(fault.Offset()) + ")"),
      fault_(fault.Fault()), offset_(fault.Offset()), entry_(entry) {}

Bitmap DecodeBmp(const std::uint8_t* data, std::size_t size) {
  return BmpDecoder(data, size).Decode();
}

BmpDimensions ReadBmpDimensions(const std::uint8_t* data, std::size_t size) {
  return BmpDecoder(data, size).Dimensions();
}

} // namespace vcu
