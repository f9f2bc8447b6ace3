// Decoding and encoding a skin-sized archive; each figure is reported in bytes of decoded
// archive per second. The classic decoder is the byte-callback baseline we must beat.
#include "ClassicLzhDecoder.h"
#include "SkinLikeData.h"

#include "core/storage/Lzh.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinReader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace vcu {
namespace bench {
namespace {

struct Fixture {
  std::vector<std::uint8_t> archive = SkinLikeArchive();
  std::vector<std::uint8_t> stream = LzhEncode(archive);

  Fixture() {
    // Both decoders must read our encoder's stream back exactly, or the figures mean nothing.
    TLZH codec;
    std::vector<std::uint8_t> ours;
    if (!codec.DecodeStream(stream.data(), stream.size(), ours) || ours != archive ||
        ClassicLzhDecode(stream) != archive) {
      std::fprintf(stderr, "bench_storage: decoders disagree with the encoder\n");
      std::abort();
    }
  }
};

const Fixture& Data() {
  static const Fixture fixture;
  return fixture;
}

void SetRates(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Data().archive.size()));
  state.counters["archive_bytes"] = static_cast<double>(Data().archive.size());
  state.counters["stream_bytes"] = static_cast<double>(Data().stream.size());
}

// Runs `work` for every iteration; rates count decoded archive bytes.
template <typename Work>
void Measure(benchmark::State& state, Work work) {
  for (auto _ : state)
    work(Data());
  SetRates(state);
}

void BM_LzhDecode(benchmark::State& state) {
  Measure(state, [](const Fixture& data) {
    TLZH codec;
    std::vector<std::uint8_t> out;
    codec.DecodeStream(data.stream.data(), data.stream.size(), out);
    benchmark::DoNotOptimize(out.data());
  });
}
BENCHMARK(BM_LzhDecode);

void BM_ClassicLzhDecode(benchmark::State& state) {
  Measure(state, [](const Fixture& data) {
    std::vector<std::uint8_t> out = ClassicLzhDecode(data.stream);
    benchmark::DoNotOptimize(out.data());
  });
}
BENCHMARK(BM_ClassicLzhDecode);

void BM_LzhEncode(benchmark::State& state) {
  Measure(state, [](const Fixture& data) {
    std::vector<std::uint8_t> stream = LzhEncode(data.archive);
    benchmark::DoNotOptimize(stream.data());
  });
}
BENCHMARK(BM_LzhEncode);

void BM_SkinReaderLoadArchive(benchmark::State& state) {
  Measure(state, [](const Fixture& data) {
    TSkinReader reader;
    benchmark::DoNotOptimize(reader.LoadArchive(data.stream));
  });
}
BENCHMARK(BM_SkinReaderLoadArchive);

} // namespace
} // namespace bench
} // namespace vcu

BENCHMARK_MAIN();
