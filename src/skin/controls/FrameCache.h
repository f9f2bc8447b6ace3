#pragma once
// Sliced skin frames kept between paints. Slicing a frame to a control's size costs far more
// than copying it, and a control shows only a few sizes and states, so each skinner keeps the
// frames it drew last and composes its paint from them. The skinner clears the cache when the
// skin changes.
#include <cstdint>
#include <vector>

#include "core/image/Slicing.h"

namespace vcu {

class TDataSkinObject;

class TFrameCache {
public:
  // Frame index of count of the element sliced to the rectangle's size by the element's
  // margins and tile mode (stretched whole when stretched is set), made on first use.
  const Bitmap& Sliced(const TDataSkinObject& element, int width, int height, int index, int count,
                       bool stretched = false);
  // Frame index of count of a bare strip (check marks and radio dots have no element record
  // of their own), stretched whole to the size.
  const Bitmap& Stretched(const Bitmap& strip, int width, int height, int index, int count);
  void Clear() { entries_.clear(); }

private:
  struct Entry {
    const void* source; // the element, or the bare strip
    int width, height, index, count;
    bool stretched;
    std::uint64_t lastUse;
    Bitmap image;
  };
  template <class Make>
  const Bitmap& Find(const void* source, int width, int height, int index, int count, bool stretched,
                     const Make& make);
  static constexpr std::size_t kCapacity = 12;
  std::vector<Entry> entries_;
  std::uint64_t clock_ = 0;
};

} // namespace vcu
