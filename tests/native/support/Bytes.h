#pragma once
// Bytes written by hand for tests: little-endian fields and text, independent of the program's
// own writers.
#include <cstdint>
#include <string>
#include <vector>

namespace vcu::test {

using Bytes = std::vector<std::uint8_t>;

// Appends the low `count` bytes of value, least significant first.
inline void PutLe(Bytes& out, std::uint64_t value, int count) {
  for (int i = 0; i < count; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline std::string BytesText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

} // namespace vcu::test
