#include "skin/controls/FrameCache.h"

#include <algorithm>

#include "core/elements/SkinElements.h"

namespace vcu {

const Bitmap& TFrameCache::Sliced(const TDataSkinObject& element, int width, int height, int index,
                                  int count, bool stretched) {
  ++clock_;
  for (Entry& e : entries_) {
    if (e.element == &element && e.width == width && e.height == height && e.index == index &&
        e.count == count && e.stretched == stretched) {
      e.lastUse = clock_;
      return e.image;
    }
  }
  const Rect area{0, 0, width, height};
  Bitmap image = stretched ? StretchedFrameImage(area, element.Bitmap, index, count).image
                           : BuildSlicedBitmap(area, element.Bitmap, element.Margins(), index, count,
                                               element.Tile != 0, false);
  if (entries_.size() >= kCapacity) {
    auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                   [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    entries_.erase(oldest);
  }
  entries_.push_back(Entry{&element, width, height, index, count, stretched, clock_, std::move(image)});
  return entries_.back().image;
}

} // namespace vcu
