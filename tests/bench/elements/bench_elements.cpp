// The whole load of a skin of ours as the program does it at start-up or at a live switch: LZH
// decode, archive directory, INI parse, every element with its bitmaps, and the derived images.
#include <benchmark/benchmark.h>

#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/QuickIni.h"
#include "core/storage/SkinArchiveWriter.h"
#include "core/storage/SkinReader.h"

namespace vcu {
namespace {

// A skin folder packed as the build packs it: version 40000, the INI last.
std::vector<std::uint8_t> PackedSkin(const char* skin) {
  const MemoryEntries folder = ReadFolderEntries(std::string(VCU_SOURCE_DIR) + "/skins/" + skin);
  std::vector<SkinArchiveEntry> entries;
  for (const std::string& name : folder.Names())
    if (name.find(".ini") == std::string::npos) entries.push_back({name, {}});
  entries.push_back({"skin.ini", {}});
  for (SkinArchiveEntry& entry : entries) folder.ExtractEntry(entry.name, entry.data);
  return LzhEncode(WriteSkinArchive(entries, 40000));
}

const std::vector<std::uint8_t>& PackedDefaultSkin() {
  static const std::vector<std::uint8_t> packed = PackedSkin("default");
  return packed;
}

void BM_LoadSkin(benchmark::State& state, const char* skin) {
  const std::vector<std::uint8_t> packed = PackedSkin(skin);
  for (auto _ : state) {
    TSkinElements elements;
    if (!LoadSkinArchive(packed.data(), packed.size(), BuiltinImages{}, elements)) state.SkipWithError("the skin did not load");
    benchmark::DoNotOptimize(elements.ComboArrow.get());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * packed.size()));
}
BENCHMARK_CAPTURE(BM_LoadSkin, default, "default")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadSkin, midnight, "midnight")->Unit(benchmark::kMicrosecond);

// The element reading alone, from an archive already expanded and an INI already parsed.
void BM_ReadDefaultSkinElements(benchmark::State& state) {
  const std::vector<std::uint8_t>& packed = PackedDefaultSkin();
  TSkinReader reader;
  reader.LoadArchive(packed);
  std::vector<std::uint8_t> text;
  std::string name;
  reader.ExtractFirstMatch(".ini", text, name);
  TQuickIni ini;
  ini.LoadFromStream(text);
  const ArchiveEntries entries(reader);
  for (auto _ : state) {
    TSkinElements elements;
    ReadSkinElements(ini, entries, BuiltinImages{}, elements);
    benchmark::DoNotOptimize(elements.ComboArrow.get());
  }
}
BENCHMARK(BM_ReadDefaultSkinElements)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vcu

BENCHMARK_MAIN();
