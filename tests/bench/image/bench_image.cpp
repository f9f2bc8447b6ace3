// The paths that run on every frame repaint: slicing the title strip and the borders,
// composing a whole 400 x 330 window frame, the runs of a window region, transparent
// drawing; and decoding a 1 MB skin bitmap.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/image/Bmp.h"
#include "core/image/RegionRuns.h"
#include "core/image/Slicing.h"
#include "core/image/Transparency.h"

namespace vcu {
namespace {

constexpr Pixel kMagenta = MakePixel(255, 0, 255);

Bitmap Pattern(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.Set(x, y, MakePixel(x * 3, y * 7, x ^ y));
  return b;
}

// A strip of count frames whose outer corners are cut round with magenta, as a skin's
// window borders are.
Bitmap RoundedStrip(int fw, int fh, int count, int radius) {
  Bitmap b = Pattern(fw * count, fh);
  for (int i = 0; i < count; ++i)
    for (int y = 0; y < radius && y < fh; ++y)
      for (int x = 0; x < radius - y && x < fw; ++x) {
        b.Set(i * fw + x, y, kMagenta);
        b.Set(i * fw + fw - 1 - x, y, kMagenta);
      }
  return b;
}

struct Skin {
  Bitmap title = RoundedStrip(120, 30, 2, 6);  // two frames, active and inactive
  Bitmap side = Pattern(8, 60);                // two 4 x 60 frames
  Bitmap bottom = Pattern(60, 8);              // two 60 x 4 frames, stacked
  Bitmap button = RoundedStrip(18, 16, 4, 3);  // four caption button states
  Bitmap textBack = Pattern(40, 36);           // two stacked 40 x 18 frames
  Margins titleMargins{40, 6, 40, 4}, sideMargins{0, 12, 0, 12}, bottomMargins{4, 0, 4, 0};
};

const Skin& TheSkin() {
  static const Skin skin;
  return skin;
}

// The title strip sliced to 400 x 30, its rounded corners magenta.
Bitmap TitleBorder() {
  const Skin& s = TheSkin();
  return BuildSlicedBitmap({0, 0, 400, 30}, s.title, s.titleMargins, 1, 2, false, false);
}

// Nine-slice of one skin element to a w x h rectangle; the argument says whether the centre
// is tiled.
void BM_Slice(benchmark::State& state, Bitmap Skin::*element, Margins Skin::*margins, int w,
              int h) {
  const Skin& s = TheSkin();
  const bool tile = state.range(0) != 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(
        BuildSlicedBitmap({0, 0, w, h}, s.*element, s.*margins, 1, 2, tile, false));
}
BENCHMARK_CAPTURE(BM_Slice, title_400x30, &Skin::title, &Skin::titleMargins, 400, 30)
    ->Arg(0)->Arg(1)->ArgName("tile");
BENCHMARK_CAPTURE(BM_Slice, border_4x300, &Skin::side, &Skin::sideMargins, 4, 300)
    ->Arg(0)->Arg(1)->ArgName("tile");

// The whole non-client area of a 400 x 330 window: title strip with its text background and
// three caption buttons, two side borders and the bottom border.
void BM_ComposeWindowFrame(benchmark::State& state) {
  const Skin& s = TheSkin();
  Bitmap canvas(400, 330);
  for (auto _ : state) {
    DrawPlaced(canvas, SlicedFrameImage({0, 0, 400, 30}, s.title, s.titleMargins, 1, 2, false,
                                        false), false);
    DrawPlaced(canvas, ThreePartRowImage({120, 6, 280, 24}, s.textBack, Margins{8, 0, 8, 0}, 1,
                                         2, true), true);
    for (int i = 0; i < 3; ++i)
      DrawPlaced(canvas, StretchedFrameImage(RectOfSize(330 + 22 * i, 7, 18, 16), s.button, 1,
                                             4), true);
    DrawPlaced(canvas, SlicedFrameImage({0, 30, 4, 330}, s.side, s.sideMargins, 1, 2, true,
                                        false), false);
    DrawPlaced(canvas, SlicedFrameImage({396, 30, 400, 330}, s.side, s.sideMargins, 1, 2, true,
                                        false), false);
    DrawPlaced(canvas, SlicedFrameImage({4, 326, 396, 330}, s.bottom, s.bottomMargins, 1, 2,
                                        true, true), false);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeWindowFrame);

void BM_RegionRunsOfTitleBorder(benchmark::State& state) {
  const Bitmap border = TitleBorder();
  const KeyRange key = MakeKeyRange(kKeyColour, 1, 1, 1);
  std::vector<Rect> runs;
  for (auto _ : state) {
    runs.clear();
    CollectOpaqueRuns(border, 0, 0, key, runs);
    benchmark::DoNotOptimize(runs.data());
  }
  state.counters["runs"] = static_cast<double>(runs.size());
}
BENCHMARK(BM_RegionRunsOfTitleBorder);

// The runs of the window's whole region: the four borders rendered at their sizes.
void BM_RegionRunsOfWindowFrame(benchmark::State& state) {
  const Skin& s = TheSkin();
  const KeyRange key = MakeKeyRange(kKeyColour, 1, 1, 1);
  std::vector<Rect> runs;
  for (auto _ : state) {
    runs.clear();
    CollectOpaqueRuns(
        BuildSlicedBitmap({0, 0, 392, 30}, s.title, s.titleMargins, 1, 2, false, false), 4, 0,
        key, runs);
    CollectOpaqueRuns(BuildSlicedBitmap({0, 0, 4, 330}, s.side, s.sideMargins, 1, 2, true,
                                        false), 0, 0, key, runs);
    CollectOpaqueRuns(BuildSlicedBitmap({0, 0, 4, 330}, s.side, s.sideMargins, 1, 2, true,
                                        false), 396, 0, key, runs);
    CollectOpaqueRuns(BuildSlicedBitmap({0, 0, 392, 4}, s.bottom, s.bottomMargins, 1, 2, true,
                                        true), 4, 326, key, runs);
    benchmark::DoNotOptimize(runs.data());
  }
}
BENCHMARK(BM_RegionRunsOfWindowFrame);

void BM_DrawTransparent(benchmark::State& state) {
  const Bitmap strip = TitleBorder();
  Bitmap canvas = Pattern(400, 30);
  for (auto _ : state) {
    DrawTransparent(canvas, {0, 0, 400, 30}, strip, kKeyColour);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawTransparent);

// The monochrome mask the device-context version builds for its masked copy.
void BM_KeyMask(benchmark::State& state) {
  const Bitmap strip = TitleBorder();
  for (auto _ : state)
    benchmark::DoNotOptimize(KeyMask(strip, 400, 30, kKeyColour, 4));
}
BENCHMARK(BM_KeyMask);

void BM_DecodeBmp(benchmark::State& state) {
  const std::vector<std::uint8_t> file = EncodeBmp24(Pattern(600, 580)); // about 1 MB
  for (auto _ : state)
    benchmark::DoNotOptimize(DecodeBmp(file));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_DecodeBmp);

} // namespace
} // namespace vcu

BENCHMARK_MAIN();
