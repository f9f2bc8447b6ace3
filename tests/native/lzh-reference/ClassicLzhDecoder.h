#pragma once
// The decoding algorithm written the way the classic C decoders of 1988 were, apart from our
// decoder and sharing none of its code: one bit at a time from a 16-bit bit buffer fed by a
// getc-like callback, every byte pushed through a putc-like callback, and a 4,096-byte ring
// window. Our tests take it as the oracle; the benchmarks take it as the baseline to beat.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vcu {
namespace reference {

// Reads one byte, or returns -1 at the end of the input.
using GetByteFn = int (*)(void* source);
// Takes one decoded byte.
using PutByteFn = void (*)(int byte, void* sink);

// Decodes a bit stream (no length word) until at least `textsize` bytes went out; the last
// match is copied whole. Missing input reads as zero bits.
void ClassicLzhDecode(long textsize, GetByteFn get, void* source, PutByteFn put, void* sink);

// Decodes a whole compressed stream (length word, then bit stream) into a vector.
std::vector<std::uint8_t> ClassicLzhDecode(const std::uint8_t* stream, std::size_t size);
inline std::vector<std::uint8_t> ClassicLzhDecode(const std::vector<std::uint8_t>& stream) {
  return ClassicLzhDecode(stream.data(), stream.size());
}

} // namespace reference
} // namespace vcu
