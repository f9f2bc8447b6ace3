#pragma once
// Bitmap resources of the program (RT_BITMAP): a BMP file without its 14-byte file header.
#include <cstddef>
#include <cstdint>

#include "core/image/Bitmap.h"

namespace vcu {

// Decodes a packed DIB (information header, colour table or masks, pixels) by putting the
// file header in front that says where its pixels begin. Raises EInvalidBitmap as DecodeBmp.
Bitmap DecodeResourceBitmap(const std::uint8_t* data, std::size_t size);

} // namespace vcu
