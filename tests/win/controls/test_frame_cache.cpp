// The skinners' frame cache: an image it gave stays at its place while newer ones are made,
// so a paint can hold every frame it composes from at once; the untiled fit stretches the
// centre of an element that tiles.
#include <gtest/gtest.h>

#include "SkinnedForms.h"
#include "core/image/Slicing.h"
#include "skin/controls/FrameCache.h"
#include "support/Pixels.h"

namespace vcu::test {
namespace {

TDataSkinObject TiledElement() {
  TDataSkinObject element("Tiled");
  element.Bitmap = Bitmap(8, 8, PixelFormat::Bits32, &AllocateHeapPixels);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) element.Bitmap.Set(x, y, MakePixel(x * 30, y * 30, (x + y) % 2 ? 255 : 0));
  element.SetMargins(Margins{2, 2, 2, 2});
  element.Tile = 1;
  return element;
}

TEST(FrameCache, AnImageStaysInPlaceWhileNewerOnesAreMade) {
  const TDataSkinObject element = TiledElement();
  TFrameCache cache;
  const Bitmap* first = &cache.Sliced(element, 20, 10, 1, 1);
  const Pixel* firstPixels = first->Row(0);
  // Fewer new ones than the cache holds: nothing is dropped, but the list grows.
  for (int width = 21; width < 28; ++width) cache.Sliced(element, width, 10, 1, 1);
  EXPECT_EQ(&cache.Sliced(element, 20, 10, 1, 1), first);
  EXPECT_EQ(first->Row(0), firstPixels);
  EXPECT_EQ(first->Width(), 20);
}

TEST(FrameCache, TheUntiledFitStretchesTheCentreOfATilingElement) {
  const TDataSkinObject element = TiledElement();
  TFrameCache cache;
  const Bitmap& tiled = cache.Sliced(element, 30, 30, 1, 1);
  const Bitmap& untiled = cache.SlicedUntiled(element, 30, 30, 1, 1);
  EXPECT_EQ(FirstDifference(tiled, BuildSlicedBitmap(Rect{0, 0, 30, 30}, element.Bitmap, element.Margins(), 1, 1, true, false)), "");
  EXPECT_EQ(FirstDifference(untiled, BuildSlicedBitmap(Rect{0, 0, 30, 30}, element.Bitmap, element.Margins(), 1, 1, false, false)), "");
  EXPECT_NE(FirstDifference(tiled, untiled), "");
}

} // namespace
} // namespace vcu::test
