#include "skin/controls/FrameCache.h"

#include <algorithm>

#include "core/elements/SkinElements.h"

namespace vcu {

template <class Make>
const Bitmap& TFrameCache::Find(const void* source, int width, int height, int index, int count,
                                bool stretched, const Make& make) {
  ++clock_;
  for (Entry& e : entries_) {
    if (e.source == source && e.width == width && e.height == height && e.index == index &&
        e.count == count && e.stretched == stretched) {
      e.lastUse = clock_;
      return e.image;
    }
  }
  Bitmap image = make();
  if (entries_.size() >= kCapacity) {
    auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                   [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    entries_.erase(oldest);
  }
  entries_.push_back(Entry{source, width, height, index, count, stretched, clock_, std::move(image)});
  return entries_.back().image;
}

const Bitmap& TFrameCache::Sliced(const TDataSkinObject& element, int width, int height, int index,
                                  int count, bool stretched) {
  return Find(&element, width, height, index, count, stretched, [&] {
    const Rect area{0, 0, width, height};
    return stretched ? StretchedFrameImage(area, element.Bitmap, index, count).image
                     : BuildSlicedBitmap(area, element.Bitmap, element.Margins(), index, count,
                                         element.Tile != 0, false);
  });
}

const Bitmap& TFrameCache::Stretched(const Bitmap& strip, int width, int height, int index, int count) {
  return Find(&strip, width, height, index, count, true, [&] {
    return StretchedFrameImage(Rect{0, 0, width, height}, strip, index, count).image;
  });
}

} // namespace vcu
