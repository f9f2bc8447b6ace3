// Track-bar channel: three pieces at the image's own thickness, centred when thinner.
#include <gtest/gtest.h>

#include "core/controls/TrackBarGeometry.h"
#include "core/image/Blit.h"

namespace vcu {
namespace {

TEST(LayOutChannel, HorizontalEndsUnscaledMiddleStretchedCentredWhenThinner) {
  // A 6-pixel channel and a 4-pixel image: one pixel down.
  const ChannelLayout a = LayOutChannel(Rect{8, 10, 108, 16}, 20, 4, 3, 5, false);
  EXPECT_EQ(a.pieces[0].from, (Rect{0, 0, 3, 4}));
  EXPECT_EQ(a.pieces[0].to, (Rect{8, 11, 11, 15}));
  EXPECT_EQ(a.pieces[1].from, (Rect{3, 0, 15, 4}));
  EXPECT_EQ(a.pieces[1].to, (Rect{11, 11, 103, 15}));
  EXPECT_EQ(a.pieces[2].from, (Rect{15, 0, 20, 4}));
  EXPECT_EQ(a.pieces[2].to, (Rect{103, 11, 108, 15}));
  // An image as thick or thicker: flush with the top, at its own height.
  const ChannelLayout b = LayOutChannel(Rect{8, 10, 108, 14}, 20, 7, 3, 3, false);
  EXPECT_EQ(b.bounds, (Rect{8, 10, 108, 17}));
}

TEST(LayOutChannel, VerticalRunsDownAndCentresAcross) {
  const ChannelLayout v = LayOutChannel(Rect{20, 8, 26, 120}, 3, 30, 4, 2, true);
  EXPECT_EQ(v.pieces[0].to, (Rect{21, 8, 24, 12}));
  EXPECT_EQ(v.pieces[1].from, (Rect{0, 4, 3, 28}));
  EXPECT_EQ(v.pieces[1].to, (Rect{21, 12, 24, 118}));
  EXPECT_EQ(v.pieces[2].to, (Rect{21, 118, 24, 120}));
  // Odd room: the extra pixel goes after (div 2).
  EXPECT_EQ(LayOutChannel(Rect{0, 0, 6, 50}, 3, 30, 0, 0, true).bounds.left, 1);
}

TEST(LayOutChannel, CapsLargerThanImageOrChannelNeverReadOutside) {
  const ChannelLayout c = LayOutChannel(Rect{0, 0, 4, 6}, 10, 6, 8, 8, false);
  for (const BlitPiece& p : c.pieces) {
    EXPECT_GE(p.from.left, 0);
    EXPECT_LE(p.from.right, 10);
    EXPECT_FALSE(p.from.Inverted());
  }
  Bitmap target(4, 6, PixelFormat::Bits32, &AllocateHeapPixels), image(10, 6, PixelFormat::Bits32, &AllocateHeapPixels);
  image.Fill(7);
  target.Fill(0);
  ComposeChannel(target, c, image); // a middle squeezed to nothing is skipped
  EXPECT_EQ(target.At(0, 0), Pixel{7});
}

TEST(ComposeChannel, EndsKeepTheirColumnsMiddleIsStretched) {
  Bitmap image(6, 1, PixelFormat::Bits32, &AllocateHeapPixels);
  for (int x = 0; x < 6; ++x) image.Set(x, 0, static_cast<Pixel>(x + 1));
  Bitmap target(20, 3, PixelFormat::Bits32, &AllocateHeapPixels);
  target.Fill(0);
  ComposeChannel(target, LayOutChannel(Rect{0, 0, 20, 3}, 6, 1, 2, 1, false), image);
  EXPECT_EQ(target.At(0, 1), Pixel{1});
  EXPECT_EQ(target.At(1, 1), Pixel{2});
  EXPECT_EQ(target.At(19, 1), Pixel{6});
  // The middle (columns 3..5 of the image) fills 2..18 in order, every column shown.
  Pixel last = 3;
  for (int x = 2; x < 19; ++x) {
    const Pixel p = target.At(x, 1);
    EXPECT_TRUE(p >= last && p <= 5) << x << ": " << p;
    last = p;
    EXPECT_EQ(target.At(x, 0), Pixel{0}) << x;
  }
  EXPECT_EQ(target.At(2, 1), Pixel{3});
  EXPECT_EQ(target.At(18, 1), Pixel{5});
}

} // namespace
} // namespace vcu
