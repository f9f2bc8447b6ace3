// Arbitrary bytes through the skin check. The first byte chooses what the rest is: "F" a whole
// skin file (decoder, archive, INI, bitmaps); anything else a skin's INI over the bitmaps of
// our default skin, so that hostile names, margins, frame counts, colours and caption values
// reach every check. The check reports; it never raises and never reads out of bounds.
#include <cstdint>
#include <string>

#include "core/elements/SkinEntries.h"
#include "core/skincheck/SkinCheck.h"

namespace {

const vcu::MemoryEntries& DefaultBitmaps() {
  static const vcu::MemoryEntries entries = [] {
    const vcu::MemoryEntries folder = vcu::ReadFolderEntries(std::string(VCU_SOURCE_DIR) + "/skins/default");
    vcu::MemoryEntries bitmaps;
    std::vector<std::uint8_t> data;
    for (const std::string& name : folder.Names())
      if (name.find(".ini") == std::string::npos) {
        folder.ExtractEntry(name, data);
        bitmaps.Add(name, data);
      }
    return bitmaps;
  }();
  return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if (data[0] == 'F') {
    vcu::CheckSkinFile(data + 1, size - 1);
    return 0;
  }
  vcu::MemoryEntries skin = DefaultBitmaps();
  skin.Add("fuzz.ini", std::vector<std::uint8_t>(data + 1, data + size));
  for (const vcu::Finding& f : vcu::CheckSkinEntries(skin)) vcu::FindingLine(f);
  return 0;
}
