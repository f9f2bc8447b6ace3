#pragma once
// Sliced skin frames kept between paints. Slicing a frame to a control's size costs far more
// than copying it, and a control shows only a few sizes and states, so each skinner keeps the
// frames it drew last and composes its paint from them. The skinner clears the cache when the
// skin changes.
#include <cstdint>
#include <memory>
#include <vector>

#include "core/image/Slicing.h"

namespace vcu {

class TDataSkinObject;

class TFrameCache {
public:
  // An image stays where it is until it is the oldest of a full cache and makes room, so a
  // paint may hold the few it composes from at once.
  // Frame index of count of the element sliced to the rectangle's size by the element's
  // margins and tile mode (stretched whole when stretched is set), made on first use.
  const Bitmap& Sliced(const TDataSkinObject& element, int width, int height, int index, int count,
                       bool stretched = false);
  // The same sliced by the margins with the centre stretched, whatever the element's tile mode
  // (parts such as scroll-bar thumbs that are never tiled).
  const Bitmap& SlicedUntiled(const TDataSkinObject& element, int width, int height, int index, int count);
  // Frame index of count of a bare strip (check marks and radio dots have no element record
  // of their own), stretched whole to the size.
  const Bitmap& Stretched(const Bitmap& strip, int width, int height, int index, int count);
  void Clear() { entries_.clear(); }

private:
  enum class Fit { Sliced, Untiled, Stretched };
  struct Entry {
    const void* source; // the element, or the bare strip
    int width, height, index, count;
    Fit fit;
    std::uint64_t lastUse;
    Bitmap image;
  };
  template <class Make>
  const Bitmap& Find(const void* source, int width, int height, int index, int count, Fit fit, const Make& make);
  static constexpr std::size_t kCapacity = 12;
  std::vector<std::unique_ptr<Entry>> entries_;
  std::uint64_t clock_ = 0;
};

} // namespace vcu
