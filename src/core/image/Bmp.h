#pragma once
// The Windows BMP format: a decoder for what the Windows bitmap loader reads and a 24-bit
// writer for tools and tests.
//
// Decoded: BITMAPCOREHEADER (OS/2 1.x), BITMAPINFOHEADER and its 52, 56, V4 and V5
// successors; 1, 4 and 8 bits with a palette (shorter palettes allowed; an index beyond it
// reads black), 16 bits (5-5-5 or bit-field masks), 24 bits, 32 bits (plain or bit-field
// masks); rows bottom-up or top-down; RLE8 and RLE4 (bottom-up only, as Windows requires).
// Every number read from the file is checked before use; a file that does not hold a
// complete, consistent image raises EInvalidBitmap and nothing is read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/image/Bitmap.h"

namespace vcu {

// Why a BMP file was refused.
enum class BmpFault {
  Truncated,           // the file ends inside a header, the palette or the pixel data
  BadSignature,        // not starting with "BM"
  UnsupportedHeader,   // an information header size Windows does not load
  BadSize,             // zero or negative width, zero height, or a size beyond the limits
  BadPlanes,           // a plane count other than 1
  UnsupportedFormat,   // a depth / compression pair Windows does not load (JPEG, PNG, ...)
  BadMasks,            // a bit-field mask that is not one run of bits, or masks that overlap
  BadPixelOffset,      // the pixel data offset points into the headers
  TopDownCompressed,   // an RLE image stored top-down
};

class EInvalidBitmap : public Exception {
public:
  EInvalidBitmap(BmpFault fault, std::size_t offset);
  // The same fault, reported for the named skin entry (the name is escaped to one line).
  EInvalidBitmap(const EInvalidBitmap& fault, const std::string& entry);
  BmpFault Fault() const { return fault_; }
  // Where in the file the fault was found.
  std::size_t Offset() const { return offset_; }
  // The entry the file came from; empty when the decoder was handed bytes alone.
  const std::string& Entry() const { return entry_; }

private:
  BmpFault fault_;
  std::size_t offset_;
  std::string entry_;
};

// The image size a BMP file declares, read from its headers alone and checked as the decoder
// checks it (EInvalidBitmap when the headers are incomplete or the size is refused), so a
// caller can weigh the pixels before anything is allocated.
struct BmpDimensions {
  int width = 0, height = 0;
};
BmpDimensions ReadBmpDimensions(const std::uint8_t* data, std::size_t size);
inline BmpDimensions ReadBmpDimensions(const std::vector<std::uint8_t>& file) {
  return ReadBmpDimensions(file.data(), file.size());
}

// Decodes a whole BMP file (file header included). The bitmap's format is the file's depth.
Bitmap DecodeBmp(const std::uint8_t* data, std::size_t size);
inline Bitmap DecodeBmp(const std::vector<std::uint8_t>& file) {
  return DecodeBmp(file.data(), file.size());
}

// A bottom-up 24-bit BITMAPINFOHEADER file of the bitmap's pixels. BMP has no empty image,
// so an empty bitmap gives an empty vector.
std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap);

} // namespace vcu
