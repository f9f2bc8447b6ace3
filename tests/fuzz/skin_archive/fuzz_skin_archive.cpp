// Arbitrary bytes as a compressed skin (decoder, then archive reader) and as an expanded
// archive (directory parser alone, which random compressed bytes rarely reach); every entry
// that comes out is extracted, and the description is parsed.
#include "core/storage/QuickIni.h"
#include "core/storage/SkinReader.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

void ExtractEverything(const vcu::TSkinReader& reader) {
  std::vector<std::uint8_t> out;
  std::set<std::string> seen;
  for (int i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    const bool found = reader.ExtractEntry(name, out);
    // A name's first entry is the one handed out, with all of its bytes, the same as its view.
    const vcu::ByteView view = reader.Entry(i);
    if (!found || view.size != static_cast<std::size_t>(reader.Sizes()[i]) ||
        (seen.insert(name).second && !(view == out)))
      std::abort();
  }
  std::string name;
  if (reader.ExtractFirstMatch(".ini", out, name)) {
    vcu::TQuickIni ini;
    ini.LoadFromStream(out);
    std::vector<std::string> sections;
    ini.ReadSections(&sections);
    for (const std::string& section : sections)
      ini.ReadInteger(section, "SkinName", 0);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vcu::TSkinReader reader;
  if (reader.LoadArchive(data, size))
    ExtractEverything(reader);
  vcu::TSkinReader direct;
  if (direct.LoadDecodedArchive(data, size))
    ExtractEverything(direct);
  return 0;
}
