// The core's composition of a 400 x 30 push button with our default skin: the Buttons frame
// sliced to the button on the face colour, from a frame sliced on every paint (uncached) and
// from one sliced once and kept (cached, as the skinner paints), beside a plain copy of the
// same 400 x 30 pixels.
#include <benchmark/benchmark.h>

#include "core/controls/ButtonRules.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "core/image/Transparency.h"

namespace vcu {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 30;

const TSkinElements& DefaultSkin() {
  static const TSkinElements skin = [] {
    TSkinElements e;
    LoadSkinElements(ReadFolderEntries(VCU_SKIN_SOURCE_DIR), BuiltinImages{}, e);
    return e;
  }();
  return skin;
}

void PutFrame(Bitmap& canvas, const Bitmap& frame, const TDataSkinButton& buttons, Pixel face) {
  const Rect area{0, 0, kWidth, kHeight};
  FillRect(canvas, area, face);
  if (buttons.Trans == 1) DrawTransparent(canvas, area, frame, kKeyColour);
  else CopyPixels(canvas, 0, 0, frame, area);
}

void BM_ButtonUncached(benchmark::State& state) {
  const TSkinElements& skin = DefaultSkin();
  const TDataSkinButton& buttons = skin.Buttons;
  const Pixel face = PixelFromRgb(ResolveColour(skin.ColourButtonFace));
  Bitmap canvas(kWidth, kHeight, PixelFormat::Bits32);
  for (auto _ : state) {
    const Bitmap frame = BuildSlicedBitmap(Rect{0, 0, kWidth, kHeight}, buttons.Bitmap, buttons.Margins(), bfNormal,
                                           kButtonFrames, buttons.Tile != 0, false);
    PutFrame(canvas, frame, buttons, face);
    benchmark::DoNotOptimize(canvas.Row(0));
  }
}
BENCHMARK(BM_ButtonUncached)->Unit(benchmark::kMicrosecond);

void BM_ButtonCached(benchmark::State& state) {
  const TSkinElements& skin = DefaultSkin();
  const TDataSkinButton& buttons = skin.Buttons;
  const Pixel face = PixelFromRgb(ResolveColour(skin.ColourButtonFace));
  const Bitmap frame = BuildSlicedBitmap(Rect{0, 0, kWidth, kHeight}, buttons.Bitmap, buttons.Margins(), bfNormal,
                                         kButtonFrames, buttons.Tile != 0, false);
  Bitmap canvas(kWidth, kHeight, PixelFormat::Bits32);
  for (auto _ : state) {
    PutFrame(canvas, frame, buttons, face);
    benchmark::DoNotOptimize(canvas.Row(0));
  }
}
BENCHMARK(BM_ButtonCached)->Unit(benchmark::kMicrosecond);

void BM_PlainCopy(benchmark::State& state) {
  Bitmap source(kWidth, kHeight, PixelFormat::Bits32);
  source.Fill(MakePixel(1, 2, 3));
  Bitmap canvas(kWidth, kHeight, PixelFormat::Bits32);
  for (auto _ : state) {
    CopyPixels(canvas, 0, 0, source, Rect{0, 0, kWidth, kHeight});
    benchmark::DoNotOptimize(canvas.Row(0));
  }
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vcu

BENCHMARK_MAIN();
