// The skinned scroll bar's composition, 17 x 300 vertical, with our default skin: the parts
// laid out and put together from images already sliced (a paint whose frames are cached),
// the same with every part sliced afresh (the first paint at a new size or state), and a
// plain copy of a 17 x 300 image for scale.
#include <benchmark/benchmark.h>

#include <string>

#include "core/controls/ScrollBarComposer.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Blit.h"
#include "core/image/Slicing.h"

namespace vcu {
namespace {

constexpr int kBreadth = 17, kLength = 300, kArrow = 17, kStripFrames = 23;

const TSkinElements& DefaultSkin() {
  static const TSkinElements skin = [] {
    TSkinElements e;
    LoadSkinElements(ReadFolderEntries(VCU_SKIN_SOURCE_DIR), BuiltinImages{}, e);
    return e;
  }();
  return skin;
}

ScrollBarLayout Layout(const TSkinElements& skin) {
  ScrollBarLook look;
  look.length = kLength;
  look.breadth = kBreadth;
  look.arrowSize = kArrow;
  look.stripHeight = skin.Scrollbar->Bitmap.Height();
  look.thumbStart = 90;
  look.thumbEnd = 150;
  return LayOutScrollBar(look);
}

// The parts' images for the layout, sliced now.
struct SlicedParts {
  Bitmap track, first, second, thumb, grip;
  SlicedParts(const TSkinElements& skin, const ScrollBarLayout& l) {
    const auto size = [](const ScrollPartBox& p) { return Rect{0, 0, p.box.Width(), p.box.Height()}; };
    const TDataSkinObject& t = *skin.VertScroll;
    const TDataSkinObject& th = *skin.VertScrollThumb;
    const Bitmap& strip = skin.Scrollbar->Bitmap;
    track = BuildSlicedBitmap(size(l.track), t.Bitmap, t.Margins(), l.track.frame, 4, t.Tile != 0, false);
    first = StretchedFrameImage(size(l.firstArrow), strip, l.firstArrow.frame, kStripFrames).image;
    second = StretchedFrameImage(size(l.secondArrow), strip, l.secondArrow.frame, kStripFrames).image;
    thumb = BuildSlicedBitmap(size(l.thumb), th.Bitmap, th.Margins(), l.thumb.frame, th.Frame > 0 ? th.Frame : 3, false, false);
    grip = StretchedFrameImage(size(l.grip), strip, l.grip.frame, kStripFrames).image;
  }
  ScrollBarImages Images(const TSkinElements& skin) const {
    return {{&track, skin.VertScroll->Trans == 1}, {&first, true}, {&second, true},
            {&thumb, skin.VertScrollThumb->Trans == 1}, {&grip, true}};
  }
};

void BM_ComposeCachedParts(benchmark::State& state) {
  const TSkinElements& skin = DefaultSkin();
  const ScrollBarLayout layout = Layout(skin);
  const SlicedParts parts(skin, layout);
  Bitmap canvas(kBreadth, kLength);
  for (auto _ : state) {
    ComposeScrollBar(canvas, LayOutScrollBar(ScrollBarLook{true, kLength, kBreadth, kArrow, 17, 90, 150}),
                     parts.Images(skin), 0xF0F0F0);
    benchmark::DoNotOptimize(canvas.Row(0));
  }
}
BENCHMARK(BM_ComposeCachedParts)->Unit(benchmark::kMicrosecond);

void BM_SliceAndCompose(benchmark::State& state) {
  const TSkinElements& skin = DefaultSkin();
  Bitmap canvas(kBreadth, kLength);
  for (auto _ : state) {
    const ScrollBarLayout layout = Layout(skin);
    const SlicedParts parts(skin, layout);
    ComposeScrollBar(canvas, layout, parts.Images(skin), 0xF0F0F0);
    benchmark::DoNotOptimize(canvas.Row(0));
  }
}
BENCHMARK(BM_SliceAndCompose)->Unit(benchmark::kMicrosecond);

void BM_PlainCopy(benchmark::State& state) {
  Bitmap source(kBreadth, kLength), canvas(kBreadth, kLength);
  source.Fill(0x123456);
  for (auto _ : state) {
    CopyPixels(canvas, 0, 0, source, source.Bounds());
    benchmark::DoNotOptimize(canvas.Row(0));
  }
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vcu

BENCHMARK_MAIN();
