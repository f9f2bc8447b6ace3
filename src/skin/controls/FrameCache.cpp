#include "skin/controls/FrameCache.h"

#include <algorithm>

#include "core/elements/SkinElements.h"

namespace vcu {

template <class Make>
const Bitmap& TFrameCache::Find(const void* source, int width, int height, int index, int count, Fit fit,
                                const Make& make) {
  ++clock_;
  for (const std::unique_ptr<Entry>& entry : entries_) {
    Entry& e = *entry;
    if (e.source == source && e.width == width && e.height == height && e.index == index && e.count == count &&
        e.fit == fit) {
      e.lastUse = clock_;
      return e.image;
    }
  }
  Bitmap image = make();
  if (entries_.size() >= kCapacity) {
    auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                   [](const std::unique_ptr<Entry>& a, const std::unique_ptr<Entry>& b) {
                                     return a->lastUse < b->lastUse;
                                   });
    entries_.erase(oldest);
  }
  entries_.push_back(std::make_unique<Entry>(Entry{source, width, height, index, count, fit, clock_, std::move(image)}));
  return entries_.back()->image;
}

const Bitmap& TFrameCache::Sliced(const TDataSkinObject& element, int width, int height, int index,
                                  int count, bool stretched) {
  return Find(&element, width, height, index, count, stretched ? Fit::Stretched : Fit::Sliced, [&] {
    const Rect area{0, 0, width, height};
    return stretched ? StretchedFrameImage(area, element.Bitmap, index, count).image
                     : BuildSlicedBitmap(area, element.Bitmap, element.Margins(), index, count,
                                         element.Tile != 0, false);
  });
}

const Bitmap& TFrameCache::SlicedUntiled(const TDataSkinObject& element, int width, int height, int index,
                                         int count) {
  return Find(&element, width, height, index, count, Fit::Untiled, [&] {
    return BuildSlicedBitmap(Rect{0, 0, width, height}, element.Bitmap, element.Margins(), index, count, false,
                             false);
  });
}

const Bitmap& TFrameCache::Stretched(const Bitmap& strip, int width, int height, int index, int count) {
  return Find(&strip, width, height, index, count, Fit::Stretched, [&] {
    return StretchedFrameImage(Rect{0, 0, width, height}, strip, index, count).image;
  });
}

} // namespace vcu
