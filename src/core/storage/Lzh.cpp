#include "core/storage/Lzh.h"

#include "core/ByteOrder.h"
#include "core/storage/LzhPositionCode.h"
#include "core/storage/LzhTree.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace vcu {

const char* const kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";

namespace {

using namespace lzh;

// Reads the bit stream most significant bit first through a 64-bit buffer. Past the end of
// the input it supplies zero bits for ever, as a byte-at-a-time reader would that reads 0
// whenever no byte is left.
class BitReader {
public:
  BitReader(const std::uint8_t* input, std::size_t size) : next_(input), end_(input + size) {}

  unsigned Bit() {
    if (count_ == 0)
      Refill();
    const unsigned bit = static_cast<unsigned>(buffer_ >> 63);
    buffer_ <<= 1;
    --count_;
    return bit;
  }

  // The next `n` bits (1..32) as a number, first bit highest.
  unsigned Bits(unsigned n) {
    if (count_ < n)
      Refill();
    const unsigned value = static_cast<unsigned>(buffer_ >> (64 - n));
    buffer_ <<= n;
    count_ -= n;
    return value;
  }

  unsigned Peek8() {
    if (count_ < 8)
      Refill();
    return static_cast<unsigned>(buffer_ >> 56);
  }

  std::uint64_t BitsConsumed() const { return loaded_ - count_; }

private:
  // Tops the buffer up to at least 56 bits. Bits below the valid ones may already hold the
  // following input (the 8-byte load takes 7 bytes); OR-ing that input again changes nothing.
  void Refill() {
    if (end_ - next_ >= 8) {
      std::uint64_t word = 0;
      for (int i = 0; i < 8; ++i) // big-endian load; compilers fold it into one
        word = word << 8 | next_[i];
      buffer_ |= word >> count_;
      const unsigned taken = (63 - count_) >> 3;
      next_ += taken;
      count_ += taken * 8;
      loaded_ += taken * 8;
      return;
    }
    while (count_ <= 56) {
      const std::uint64_t byte = next_ < end_ ? *next_++ : 0;
      buffer_ |= byte << (56 - count_);
      count_ += 8;
      loaded_ += 8;
    }
  }

  const std::uint8_t* next_;
  const std::uint8_t* end_;
  std::uint64_t buffer_ = 0;
  unsigned count_ = 0;
  std::uint64_t loaded_ = 0; // bits taken into the buffer, zeros past the end included
};

int DecodeSymbol(AdaptiveTree& tree, BitReader& in) {
  unsigned n = tree.Son(kRoot);
  while (n < static_cast<unsigned>(kTreeSize))
    n = tree.Son(static_cast<int>(n + in.Bit()));
  const int symbol = static_cast<int>(n) - kTreeSize;
  tree.Update(symbol);
  return symbol;
}

// A match position: a prefix-coded upper 6 bits, then the lower 6 bits as they are.
unsigned DecodePosition(BitReader& in) {
  const unsigned first8 = in.Peek8();
  const unsigned codeLength = kPositionCode.len[first8];
  const unsigned lower = in.Bits(codeLength + 6) & 63;
  return static_cast<unsigned>(kPositionCode.code[first8]) << 6 | lower;
}

// Copies a match of `count` bytes starting `distance` (1..4096) bytes back. Bytes are copied
// one by one because the source may overlap what the copy produces. Before the start of the
// output the window holds blanks.
inline void CopyMatch(std::uint8_t* out, std::size_t produced, unsigned distance, unsigned count) {
  std::uint8_t* to = out + produced;
  if (distance > produced) {
    const std::size_t blanks = std::min<std::size_t>(distance - produced, count);
    std::memset(to, ' ', blanks);
    to += blanks;
    count -= static_cast<unsigned>(blanks);
  }
  const std::uint8_t* from = to - distance;
  for (unsigned k = 0; k < count; ++k)
    to[k] = from[k];
}

} // namespace

std::vector<std::uint8_t> TLZH::Decode(std::int32_t length, const std::uint8_t* input,
                                       std::size_t size) {
  inputBytesRead_ = 0;
  std::vector<std::uint8_t> out;
  if (length <= 0)
    return out;

  std::unique_ptr<AdaptiveTree> tree(new (std::nothrow) AdaptiveTree);
  if (!tree)
    throw ElzhException(kLzhNoMemoryMessage);
  // The last match may run past `length` by up to kLookahead - 1 bytes.
  out.resize(static_cast<std::size_t>(length) + kLookahead);

  BitReader in(input, size);
  std::uint8_t* const data = out.data();
  const std::size_t wanted = static_cast<std::size_t>(length);
  std::size_t produced = 0;
  while (produced < wanted) {
    const int symbol = DecodeSymbol(*tree, in);
    if (symbol < 256) {
      data[produced++] = static_cast<std::uint8_t>(symbol);
    } else {
      const unsigned distance = DecodePosition(in) + 1;
      const unsigned count = static_cast<unsigned>(symbol - 255 + kThreshold);
      CopyMatch(data, produced, distance, count);
      produced += count;
    }
  }
  out.resize(produced);

  // The last read was always a single bit, and the byte reader keeps at least 9 bits ahead.
  const std::uint64_t wouldHaveRead = (in.BitsConsumed() + 15) / 8;
  inputBytesRead_ = static_cast<std::size_t>(std::min<std::uint64_t>(wouldHaveRead, size));
  return out;
}

bool TLZH::DecodeStream(const std::uint8_t* stream, std::size_t size,
                        std::vector<std::uint8_t>& out) {
  out.clear();
  inputBytesRead_ = 0;
  if (size < 4)
    return false;
  const std::int32_t length = static_cast<std::int32_t>(ReadU32Le(stream));
  if (length > MaxDecodedLength(size - 4))
    return false;
  out = Decode(length, stream + 4, size - 4);
  return true;
}

std::int64_t TLZH::MaxDecodedLength(std::size_t streamBytes) {
  // 6 bytes per bit (48 per byte) at best; one more match of slack for a stream cut short.
  const std::int64_t bytes = static_cast<std::int64_t>(
      std::min<std::size_t>(streamBytes, std::numeric_limits<std::int32_t>::max()));
  return bytes * 8 * kLookahead / 10 + kLookahead;
}

} // namespace vcu
