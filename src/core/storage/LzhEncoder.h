#pragma once
// The encoder for TLZH's format, used by our own tools to build stored skins: longest-match
// search over the 4,096-byte window with hash chains, literals and lengths through the same
// adaptive Huffman tree the decoder keeps.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vcu {

// The compressed stream of `size` bytes at `data`: the 32-bit decoded length, then the bit
// stream. Raises vcu::Exception when `size` does not fit the signed 32-bit length word.
std::vector<std::uint8_t> LzhEncode(const std::uint8_t* data, std::size_t size);
std::vector<std::uint8_t> LzhEncode(const std::vector<std::uint8_t>& data);

} // namespace vcu
