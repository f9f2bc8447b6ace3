#pragma once
// Cutting a piece out of a skin bitmap (the MDI buttons' quarters of one strip, the combo
// arrow out of the combo face).
#include "core/image/Bitmap.h"
#include "core/image/Blit.h"

namespace vcu {

// A new bitmap of the rectangle's size and the source's format holding that part of source;
// parts of the rectangle outside the source stay black.
inline Bitmap CopyBitmapRect(const Bitmap& source, const Rect& from) {
  Bitmap piece(from.Width(), from.Height(), source.Format());
  CopyPixels(piece, 0, 0, source, from);
  return piece;
}

} // namespace vcu
