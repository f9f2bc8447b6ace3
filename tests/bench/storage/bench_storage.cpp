// Decoding the default skin and a large mixed archive (about 6 MB, many tree rebuilds), ours
// against the classic-style baseline; every figure is in bytes of decoded archive per second.
// "Decode" produces the archive bytes; "DecodeAndRead" also reads the archive's directory so
// that every entry can be handed out.
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

using reference::ClassicLzhDecode;
using Bytes = std::vector<std::uint8_t>;

struct Fixture {
  Bytes archive;
  Bytes stream;

  explicit Fixture(Bytes a) : archive(std::move(a)), stream(LzhEncode(archive)) {
    // Both decoders must read our encoder's stream back exactly, or the figures mean nothing.
    TLZH codec;
    ByteBuffer ours;
    if (!codec.DecodeStream(stream.data(), stream.size(), ours) || !(ours.View() == archive) ||
        ClassicLzhDecode(stream) != archive) {
      std::fprintf(stderr, "bench_storage: decoders disagree with the encoder\n");
      std::abort();
    }
  }
};

const Fixture& DefaultSkin() {
  static const Fixture fixture(FolderArchive(VCU_DEFAULT_SKIN_DIR));
  return fixture;
}

const Fixture& LargeArchive() {
  static const Fixture fixture(LargeMixedArchive());
  return fixture;
}

using Data = const Fixture& (*)();

// Runs `work` on the data for every iteration; rates count decoded archive bytes.
template <typename Work>
void Measure(benchmark::State& state, Data data, Work work) {
  const Fixture& fixture = data();
  for (auto _ : state)
    work(fixture);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(fixture.archive.size()));
  state.counters["archive_bytes"] = static_cast<double>(fixture.archive.size());
  state.counters["stream_bytes"] = static_cast<double>(fixture.stream.size());
}

void BM_LzhDecode(benchmark::State& state, Data data) {
  Measure(state, data, [](const Fixture& f) {
    TLZH codec;
    ByteBuffer out;
    codec.DecodeStream(f.stream.data(), f.stream.size(), out);
    benchmark::DoNotOptimize(out.data());
  });
}

void BM_ClassicLzhDecode(benchmark::State& state, Data data) {
  Measure(state, data, [](const Fixture& f) {
    Bytes out = ClassicLzhDecode(f.stream);
    benchmark::DoNotOptimize(out.data());
  });
}

void BM_LzhDecodeAndRead(benchmark::State& state, Data data) {
  Measure(state, data, [](const Fixture& f) {
    TSkinReader reader;
    benchmark::DoNotOptimize(reader.LoadArchive(f.stream));
  });
}

// The classic way: decode into a growing memory stream, then copy the data block out of it.
void BM_ClassicLzhDecodeAndRead(benchmark::State& state, Data data) {
  Measure(state, data, [](const Fixture& f) {
    const Bytes archive = ClassicLzhDecode(f.stream);
    TSkinReader reader;
    benchmark::DoNotOptimize(reader.LoadDecodedArchive(archive.data(), archive.size()));
  });
}

void BM_LzhEncode(benchmark::State& state, Data data) {
  Measure(state, data, [](const Fixture& f) {
    Bytes stream = LzhEncode(f.archive);
    benchmark::DoNotOptimize(stream.data());
  });
}

BENCHMARK_CAPTURE(BM_LzhDecode, default_skin, DefaultSkin);
BENCHMARK_CAPTURE(BM_ClassicLzhDecode, default_skin, DefaultSkin);
BENCHMARK_CAPTURE(BM_LzhDecodeAndRead, default_skin, DefaultSkin);
BENCHMARK_CAPTURE(BM_ClassicLzhDecodeAndRead, default_skin, DefaultSkin);
BENCHMARK_CAPTURE(BM_LzhDecode, large_archive, LargeArchive);
BENCHMARK_CAPTURE(BM_ClassicLzhDecode, large_archive, LargeArchive);
BENCHMARK_CAPTURE(BM_LzhDecodeAndRead, large_archive, LargeArchive);
BENCHMARK_CAPTURE(BM_ClassicLzhDecodeAndRead, large_archive, LargeArchive);
BENCHMARK_CAPTURE(BM_LzhEncode, default_skin, DefaultSkin);

} // namespace
} // namespace bench
} // namespace vcu

BENCHMARK_MAIN();
