#pragma once
// A baseline for the benchmark only: the same decoding algorithm written the way the classic
// C decoders of 1988 were, pulling one bit at a time through a getc-like callback and pushing
// every byte through a putc-like callback. It shows what our buffered decoder gains.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vcu {
namespace bench {

// Decodes a whole compressed stream (length word, then bit stream).
std::vector<std::uint8_t> ClassicLzhDecode(const std::vector<std::uint8_t>& stream);

} // namespace bench
} // namespace vcu
