// Up-down rules: the halves, the state and frame of each half, the inset inside an edit, the
// fallback arrow and the composition of a half.
#include <gtest/gtest.h>

#include "core/controls/UpDownRules.h"
#include "core/image/Blit.h"

namespace vcu {
namespace {

TEST(SplitSpin, HalvesTruncateAndNameTheirDirections) {
  const SpinHalves v = SplitSpin(Rect{0, 0, 17, 25}, false);
  EXPECT_EQ(v.first, (Rect{0, 0, 17, 12}));
  EXPECT_EQ(v.second, (Rect{0, 12, 17, 25}));
  EXPECT_EQ(v.firstDirection, SpinDirection::Up);
  EXPECT_EQ(v.secondDirection, SpinDirection::Down);
  const SpinHalves h = SplitSpin(Rect{2, 3, 33, 20}, true);
  EXPECT_EQ(h.first, (Rect{2, 3, 17, 20}));
  EXPECT_EQ(h.second, (Rect{17, 3, 33, 20}));
  EXPECT_EQ(h.firstDirection, SpinDirection::Left);
  EXPECT_EQ(h.secondDirection, SpinDirection::Right);
}

TEST(SpinFrame, StatePerHalfAndFrameIndexPerDirection) {
  const struct {
    bool enabled, over, pressed, hot;
    int state;
  } states[] = {
      {false, true, true, true, spinDisabled}, {true, false, true, true, spinNormal},
      {true, true, true, true, spinPressed},   {true, true, false, true, spinHot},
      {true, true, false, false, spinNormal},
  };
  for (const auto& s : states)
    EXPECT_EQ(SpinHalfState(s.enabled, s.over, s.pressed, s.hot), s.state)
        << s.enabled << s.over << s.pressed << s.hot;
  const struct {
    int state;
    SpinDirection d;
    int frame;
  } frames[] = {
      {1, SpinDirection::Up, 1},   {4, SpinDirection::Up, 4},   {1, SpinDirection::Down, 5},
      {2, SpinDirection::Down, 6}, {3, SpinDirection::Down, 7}, {3, SpinDirection::Left, 3},
      {1, SpinDirection::Right, 5}, {4, SpinDirection::Right, 8},
  };
  for (const auto& f : frames)
    EXPECT_EQ(SpinFrameIndex(f.state, f.d), f.frame) << f.state << " dir " << static_cast<int>(f.d);
}

TEST(SpinInsideEdit, EachEdgeKeptThreePixelsInside) {
  const Rect edit{100, 50, 200, 75};
  const Rect rect{0, 0, 16, 21};
  const struct {
    Rect spin, drawn;
  } cases[] = {
      {{181, 54, 197, 75 - 4}, {0, 0, 16, 21}},         // gaps 4, 4, 3: untouched
      {{181, 51, 197, 72}, {0, 2, 16, 21}},             // 1 below the top: 2 lower
      {{182, 50, 198, 71}, {0, 3, 15, 21}},             // flush top, 2 from the right
      {{184, 52, 200, 73}, {0, 1, 13, 20}},             // 2 top, 2 bottom, flush right
      {{190, 45, 206, 80}, {0, 8, 7, 13}},              // overhanging: moved in by more
  };
  for (const auto& c : cases) EXPECT_EQ(SpinInsideEdit(rect, c.spin, edit), c.drawn);
}

// The wedge lines cover 25 pixels, 9 across at the base and 1 at the point, inside the half.
TEST(SpinArrowLines, NineByFiveWedgePointingTheRightWay) {
  const Rect half{0, 0, 17, 12};
  const struct {
    SpinDirection d;
    int pointLine, baseLine;
  } cases[] = {{SpinDirection::Up, 0, 4}, {SpinDirection::Down, 4, 0}, {SpinDirection::Left, 0, 4},
               {SpinDirection::Right, 4, 0}};
  for (const auto& c : cases) {
    const std::vector<Rect> lines = SpinArrowLines(half, c.d);
    ASSERT_EQ(lines.size(), 5u);
    const bool across = c.d == SpinDirection::Up || c.d == SpinDirection::Down;
    auto length = [&](const Rect& r) { return across ? r.Width() : r.Height(); };
    EXPECT_EQ(length(lines[c.pointLine]), 1);
    EXPECT_EQ(length(lines[c.baseLine]), 9);
    int pixels = 0;
    for (const Rect& r : lines) pixels += r.Width() * r.Height();
    EXPECT_EQ(pixels, 25);
    // Centred on the half's middle (for up and down the 5 rows straddle it).
    const Rect& point = lines[c.pointLine];
    if (across) {
      EXPECT_EQ(point.left, 8);
      EXPECT_EQ(lines[0].top, 6 - 2);
    } else {
      EXPECT_EQ(point.top, 6);
      EXPECT_EQ(lines[0].left, 8 - 2);
    }
  }
}

TEST(ComposeSpinHalf, FrameKeyedThenGlyphCentredOrPlainButton) {
  const Pixel key = MakePixel(0xFF, 0, 0xFF);
  Bitmap frame(10, 5, PixelFormat::Bits32, &AllocateHeapPixels), glyph(3, 1, PixelFormat::Bits32, &AllocateHeapPixels);
  frame.Fill(6);
  frame.Set(1, 1, key);
  glyph.Fill(0x777777);
  glyph.Set(0, 0, key);
  const SpinFallbackColours colours{0xAAAAAA, 0x555555, 0x111111};
  Bitmap canvas(10, 10, PixelFormat::Bits32, &AllocateHeapPixels);
  canvas.Fill(0xFFFFFF);
  ComposeSpinHalf(canvas, Rect{0, 5, 10, 10}, SpinDirection::Down, spinPressed, frame, glyph, colours);
  EXPECT_EQ(canvas.At(0, 5), Pixel{6});
  EXPECT_EQ(canvas.At(9, 9), Pixel{6});
  EXPECT_EQ(canvas.At(1, 6), Pixel{0xFFFFFF}) << "the frame's key pixel shows what was under it";
  // The glyph at x = (10 - 3) / 2, y = 5 + (5 - 1) / 2; its key pixel shows the frame.
  EXPECT_EQ(canvas.At(3, 7), Pixel{6});
  EXPECT_EQ(canvas.At(4, 7), Pixel{0x777777});
  EXPECT_EQ(canvas.At(5, 7), Pixel{0x777777});
  EXPECT_EQ(canvas.At(6, 7), Pixel{6});
  EXPECT_EQ(canvas.At(0, 4), Pixel{0xFFFFFF}) << "nothing outside the half";
  // A glyph wider than a narrow half overhangs both sides alike, clipped to the canvas.
  Bitmap wide(8, 1, PixelFormat::Bits32, &AllocateHeapPixels);
  wide.Fill(0x123456);
  ComposeSpinHalf(canvas, Rect{0, 0, 4, 5}, SpinDirection::Up, spinNormal, frame, wide, colours);
  EXPECT_EQ(canvas.At(0, 2), Pixel{0x123456});
  EXPECT_EQ(canvas.At(5, 2), Pixel{0x123456});
  EXPECT_EQ(canvas.At(6, 2), Pixel{0xFFFFFF});

  // Without a strip: dark outline, face or shadow inside, dark arrow.
  Bitmap plain(17, 12, PixelFormat::Bits32, &AllocateHeapPixels);
  for (int state : {spinNormal, spinHot}) {
    ComposeSpinHalf(plain, plain.Bounds(), SpinDirection::Up, state, Bitmap(), Bitmap(), colours);
    EXPECT_EQ(plain.At(0, 0), colours.darkShadow);
    EXPECT_EQ(plain.At(16, 11), colours.darkShadow);
    EXPECT_EQ(plain.At(2, 2), state == spinHot ? colours.shadow : colours.face);
    EXPECT_EQ(plain.At(8, 4), colours.darkShadow); // the arrow's point
  }
}

} // namespace
} // namespace vcu
