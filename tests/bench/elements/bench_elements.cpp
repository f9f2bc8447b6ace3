// The whole load of our default skin as the program does it at start-up: LZH decode, archive
// directory, INI parse, every element with its bitmaps, and the derived images.
#include <benchmark/benchmark.h>

#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/QuickIni.h"
#include "core/storage/SkinArchiveWriter.h"
#include "core/storage/SkinReader.h"

namespace vcu {
namespace {

// The default skin packed as the build packs it: version 40000, the INI last.
const std::vector<std::uint8_t>& PackedDefaultSkin() {
  static const std::vector<std::uint8_t> packed = [] {
    const MemoryEntries folder = ReadFolderEntries(std::string(VCU_SOURCE_DIR) + "/skins/default");
    std::vector<SkinArchiveEntry> entries;
    for (const std::string& name : folder.Names())
      if (name.find(".ini") == std::string::npos) entries.push_back({name, {}});
    entries.push_back({"skin.ini", {}});
    for (SkinArchiveEntry& entry : entries) folder.ExtractEntry(entry.name, entry.data);
    return LzhEncode(WriteSkinArchive(entries, 40000));
  }();
  return packed;
}

void BM_LoadDefaultSkin(benchmark::State& state) {
  const std::vector<std::uint8_t>& packed = PackedDefaultSkin();
  for (auto _ : state) {
    TSkinElements elements;
    if (!LoadSkinArchive(packed.data(), packed.size(), BuiltinImages{}, elements))
      state.SkipWithError("the default skin did not load");
    benchmark::DoNotOptimize(elements.ComboArrow.get());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * packed.size()));
}
BENCHMARK(BM_LoadDefaultSkin)->Unit(benchmark::kMicrosecond);

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
