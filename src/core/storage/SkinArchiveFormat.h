#pragma once
// The layout of an expanded skin archive, shared by the reader and the writer (integers
// little-endian):
//   0   version magic (unsigned 32)        4  length L of the names text (signed 32)
//   8   8 bytes the reader does not use    16 extra block of E bytes, E set by the version
//   16+E        names text, one name a line
//   16+E+L      one signed 32-bit size per name
//   16+E+L+4n   the entries' data, concatenated in name order
#include <cstdint>

namespace vcu {
namespace skinarchive {

constexpr std::uint32_t kVersion20000 = 20000;
constexpr std::uint32_t kVersion30000 = 30000;
constexpr std::uint32_t kVersion40000 = 40000;
constexpr std::uint32_t kVersion50000 = 50000;
constexpr int kHeaderSize = 16;

// The extra block's size for a version, or -1 for a version the reader does not know.
constexpr int ExtraBlockSize(std::uint32_t version) {
  switch (version) {
  case kVersion20000: return 0;
  case kVersion30000: return 256;
  case kVersion40000: return 80;
  case kVersion50000: return 48;
  default: return -1;
  }
}

} // namespace skinarchive
} // namespace vcu
