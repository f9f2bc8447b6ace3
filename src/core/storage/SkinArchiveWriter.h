#pragma once
// Builds expanded skin archives for our own tools; TSkinReader reads them back.
#include <cstdint>
#include <string>
#include <vector>

namespace vcu {

struct SkinArchiveEntry {
  std::string name;
  std::vector<std::uint8_t> data;
};

// The archive of `entries` in the given order, in the layout of `version` (20000, 30000,
// 40000 or 50000). The unused header bytes and the extra block are zero. Raises vcu::Exception
// for an unknown version, more entries than a reader takes, a name holding a line break or
// NUL (it would split the names text) or data too large for a 32-bit size.
std::vector<std::uint8_t> WriteSkinArchive(const std::vector<SkinArchiveEntry>& entries,
                                           std::uint32_t version);

} // namespace vcu
