#pragma once
// The skins the gallery offers: the one stored in its layout, the ones built into the program
// as resources, and any skin file; and the trial a skin file passes before the windows get it.
#include <cstdint>
#include <string>
#include <vector>

namespace vcu {

// A skin built into the gallery: its menu name and the name of its RCDATA resource.
struct BuiltInSkin {
  const char* menuItem;
  const char* resource; // null: the skin stored in the layout
};
const std::vector<BuiltInSkin>& BuiltInSkins();

// The bytes of the RCDATA resource; empty when the program has none of that name.
std::vector<std::uint8_t> ResourceBytes(const char* name);
// The whole file; false when it cannot be read.
bool ReadSkinFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// What stops the engine from using the skin file, in one sentence; empty when nothing does.
std::string SkinFileFault(const std::vector<std::uint8_t>& bytes);

} // namespace vcu
