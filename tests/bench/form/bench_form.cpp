// The skinned frame of a 400 x 330 window with our default skin: composing its four borders
// into one bitmap (every non-client repaint) and the opaque runs of its region (every resize).
#include <benchmark/benchmark.h>

#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/form/FrameComposer.h"

namespace vcu {
namespace {

const TSkinElements& DefaultSkin() {
  static const TSkinElements skin = [] {
    TSkinElements e;
    LoadSkinElements(ReadFolderEntries(std::string(VCU_SOURCE_DIR) + "/skins/default"),
                     BuiltinImages{}, e);
    return e;
  }();
  return skin;
}

void BM_ComposeBorders(benchmark::State& state) {
  const TSkinElements& skin = DefaultSkin();
  const BorderSizes b = BorderSizesOf(skin, fkSizeable);
  const bool active = state.range(0) != 0;
  Bitmap canvas(400, 330);
  for (auto _ : state) {
    ComposeBorders(canvas, skin, b, active);
    benchmark::DoNotOptimize(canvas.Row(0));
  }
}
BENCHMARK(BM_ComposeBorders)->Arg(1)->Arg(0)->ArgName("active")->Unit(benchmark::kMicrosecond);

void BM_FrameRegionRuns(benchmark::State& state) {
  const TSkinElements& skin = DefaultSkin();
  const BorderSizes b = BorderSizesOf(skin, fkSizeable);
  std::size_t runs = 0;
  for (auto _ : state) {
    const std::vector<Rect> r = FrameRegionRuns(skin, b, 400, 330, fkSizeable);
    runs = r.size();
    benchmark::DoNotOptimize(r.data());
  }
  state.counters["runs"] = static_cast<double>(runs);
}
BENCHMARK(BM_FrameRegionRuns)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vcu

BENCHMARK_MAIN();
