#pragma once
// The fixed prefix code for the upper 6 bits of a match position. Values 0..63 get codes of
// 3 to 8 bits, assigned in increasing value from all zeros: 0 has 3 bits, 1-3 have 4, 4-11
// have 5, 12-23 have 6, 24-47 have 7 and 48-63 have 8. The decoder looks codes up by the next
// 8 input bits; the encoder needs each value's code.
#include <array>
#include <cstdint>

namespace vcu {
namespace lzh {

struct PositionCodeTables {
  // Indexed by the next 8 input bits: the value coded there (the upper 6 bits of the
  // position) and the bit length of its code.
  std::array<std::uint8_t, 256> code{};
  std::array<std::uint8_t, 256> len{};
  // Indexed by value: its code, left-aligned in 8 bits, and the code's bit length.
  std::array<std::uint8_t, 64> codeOf{};
  std::array<std::uint8_t, 64> lenOf{};
};

constexpr PositionCodeTables MakePositionCodeTables() {
  // How many values have codes of 3, 4, ... 8 bits.
  constexpr int valuesWithLength[6] = {1, 3, 8, 12, 24, 16};
  PositionCodeTables t{};
  int value = 0, index = 0;
  for (int bits = 3; bits <= 8; ++bits) {
    const int span = 1 << (8 - bits); // 8-bit patterns that start with one code of this length
    for (int v = 0; v < valuesWithLength[bits - 3]; ++v, ++value) {
      t.codeOf[value] = static_cast<std::uint8_t>(index);
      t.lenOf[value] = static_cast<std::uint8_t>(bits);
      for (int s = 0; s < span; ++s, ++index) {
        t.code[index] = static_cast<std::uint8_t>(value);
        t.len[index] = static_cast<std::uint8_t>(bits);
      }
    }
  }
  return t;
}

inline constexpr PositionCodeTables kPositionCode = MakePositionCodeTables();

} // namespace lzh
} // namespace vcu
