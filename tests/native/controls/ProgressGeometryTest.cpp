// Progress bar: filled width, work size, three-part stretch, and the composed picture of both
// looks.
#include <gtest/gtest.h>

#include "core/controls/ProgressGeometry.h"
#include "core/elements/SkinElements.h"
#include "core/image/Blit.h"
#include "core/image/Slicing.h"

namespace vcu {
namespace {

TEST(ProgressFilledWidth, MulDivRoundingAndNothingWithoutPositionOrRange) {
  const struct {
    int width, pos, upper, filled;
  } cases[] = {
      {200, 0, 100, 0},   {200, 50, 0, 0},    {200, -5, 100, 0},  {200, 50, -1, 0}, {200, 100, 100, 200},
      {200, 50, 100, 100}, {100, 1, 3, 33},   {100, 2, 3, 67},    {10, 1, 4, 3},    {200, 150, 100, 200},
      {0, 5, 10, 0},      {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ProgressFilledWidth(c.width, c.pos, c.upper), c.filled) << c.width << " " << c.pos << "/" << c.upper;
}

TEST(ProgressWorkSize, VerticalSwapsSides) {
  EXPECT_EQ(ProgressWorkSize(20, 100, true).width, 100);
  EXPECT_EQ(ProgressWorkSize(20, 100, true).height, 20);
  EXPECT_EQ(ProgressWorkSize(20, 100, false).width, 20);
}

TEST(ThreePartStretch, ThreePiecesToFullHeightOrWholeFrameWhenNarrow) {
  Bitmap strip(30, 8, PixelFormat::Bits32, &AllocateHeapPixels); // three frames 10 wide
  const ChannelLayout wide = ThreePartStretch(Rect{0, 0, 50, 12}, strip, 3, 2, 3, 2);
  EXPECT_EQ(wide.pieces[0].from, (Rect{10, 0, 13, 8}));
  EXPECT_EQ(wide.pieces[0].to, (Rect{0, 0, 3, 12}));
  EXPECT_EQ(wide.pieces[1].from, (Rect{13, 0, 18, 8}));
  EXPECT_EQ(wide.pieces[1].to, (Rect{3, 0, 48, 12}));
  EXPECT_EQ(wide.pieces[2].from, (Rect{18, 0, 20, 8}));
  EXPECT_EQ(wide.pieces[2].to, (Rect{48, 0, 50, 12}));
  const ChannelLayout narrow = ThreePartStretch(Rect{0, 0, 9, 12}, strip, 3, 2, 3, 2);
  EXPECT_EQ(narrow.pieces[0].from, (Rect{10, 0, 20, 8}));
  EXPECT_EQ(narrow.pieces[0].to, (Rect{0, 0, 9, 12}));
  EXPECT_TRUE(narrow.pieces[1].to.Empty());
}

// A two-frame element: trough colour 1, bar colour 2, with no margins.
TDataSkinObject TwoFrameElement() {
  TDataSkinObject e("Progress");
  e.Bitmap = Bitmap(8, 4, PixelFormat::Bits32, &AllocateHeapPixels);
  FillRect(e.Bitmap, Rect{0, 0, 4, 4}, 1);
  FillRect(e.Bitmap, Rect{4, 0, 8, 4}, 2);
  return e;
}

TEST(ComposeProgress, TroughOverAllBarOverTheFilledPart) {
  const TDataSkinObject e = TwoFrameElement();
  Bitmap work(40, 10, PixelFormat::Bits32, &AllocateHeapPixels);
  const Bitmap trough = BuildSlicedBitmap(work.Bounds(), e.Bitmap, e.Margins(), 1, 2, false, false);
  for (int filled : {0, 15, 40}) {
    const Bitmap bar = BuildSlicedBitmap(Rect{0, 0, filled, 10}, e.Bitmap, e.Margins(), 2, 2, false, false);
    ComposeProgress(work, trough, bar, nullptr, filled, 0xCCCCCC);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(work.At(x, 5), Pixel(x < filled ? 2 : 1)) << filled << " at " << x;
  }
  // Magenta in the trough shows the face; no images leave the face only.
  Bitmap keyed = trough;
  keyed.Set(3, 3, MakePixel(0xFF, 0, 0xFF));
  ComposeProgress(work, keyed, Bitmap(), nullptr, 0, 0xCCCCCC);
  EXPECT_EQ(work.At(3, 3), Pixel{0xCCCCCC});
  EXPECT_EQ(work.At(4, 3), Pixel{1});
  ComposeProgress(work, Bitmap(), Bitmap(), nullptr, 20, 0xCCCCCC);
  EXPECT_EQ(work.At(0, 0), Pixel{0xCCCCCC});
}

TEST(ComposeProgress, ChunkLookTiledFromLeftWidthPlusTwoAndCentred) {
  Bitmap trough(40, 10, PixelFormat::Bits32, &AllocateHeapPixels);
  trough.Fill(1);
  TDataSkinObject chunk("Progress.Chunk");
  chunk.Tile = 1;
  chunk.LeftWidth = 1;
  chunk.Bitmap = Bitmap(3, 4, PixelFormat::Bits32, &AllocateHeapPixels);
  chunk.Bitmap.Fill(9);
  chunk.Bitmap.Set(2, 0, 8); // the last column of each copy marks the step
  Bitmap work(40, 10, PixelFormat::Bits32, &AllocateHeapPixels);
  ComposeProgress(work, trough, Bitmap(), &chunk, 10, 0xCCCCCC);
  // Strip 10 wide at x = 3, y = (10 - 4) / 2 = 3: copies at 3, 6, 9, 12 (the last cut at 13).
  EXPECT_EQ(work.At(2, 4), Pixel{1});
  EXPECT_EQ(work.At(3, 4), Pixel{9});
  EXPECT_EQ(work.At(5, 3), Pixel{8});
  EXPECT_EQ(work.At(8, 3), Pixel{8});
  EXPECT_EQ(work.At(12, 4), Pixel{9});
  EXPECT_EQ(work.At(13, 4), Pixel{1});
  EXPECT_EQ(work.At(5, 2), Pixel{1}); // above the centred chunks
  EXPECT_EQ(work.At(5, 7), Pixel{1}); // below

  // Stretched chunks: a strip (filled right edge by height - 4) at (2, 2).
  chunk.Tile = 0;
  ComposeProgress(work, trough, Bitmap(), &chunk, 10, 0xCCCCCC);
  EXPECT_EQ(work.At(1, 5), Pixel{1});
  EXPECT_EQ(work.At(2, 2), Pixel{9});
  EXPECT_EQ(work.At(11, 7), Pixel{9});
  EXPECT_EQ(work.At(12, 5), Pixel{1});
  EXPECT_EQ(work.At(5, 8), Pixel{1});
  // No position: no chunks.
  ComposeProgress(work, trough, Bitmap(), &chunk, 0, 0xCCCCCC);
  EXPECT_EQ(work.At(2, 2), Pixel{1});
}

} // namespace
} // namespace vcu
