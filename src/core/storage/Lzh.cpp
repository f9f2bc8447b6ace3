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

// Reads the bit stream most significant bit first through a 64-bit buffer whose valid bits
// sit at the top. Past the end of the input it supplies zero bits for ever, as a
// byte-at-a-time reader would that reads 0 whenever no byte is left. Callers make sure enough
// bits are buffered (Ensure) and then peek and skip without further checks.
class BitReader {
public:
  BitReader(const std::uint8_t* input, std::size_t size) : next_(input), end_(input + size) {}

  // At least `n` (up to 56) valid bits are buffered afterwards.
  void Ensure(unsigned n) {
    if (count_ < n)
      Refill();
  }

  // While 8 input bytes are left, tops the buffer up to at least 56 bits every time, needed or
  // not: whether a symbol needs it depends on the bits, so a test would be mispredicted often.
  bool Ensure56IfWordLeft() {
    if (end_ - next_ < 8)
      return false;
    LoadWord();
    return true;
  }

  // The buffered bits, first bit highest; only the top `count` of them are valid.
  std::uint64_t Window() const { return buffer_; }

  void Skip(unsigned n) {
    buffer_ <<= n;
    count_ -= n;
  }

  std::uint64_t BitsConsumed() const { return loaded_ - count_; }

private:
  // Tops the buffer up to at least 56 bits. Bits below the valid ones may already hold the
  // following input (the 8-byte load takes 7 bytes); OR-ing that input again changes nothing.
  void Refill() {
    if (end_ - next_ >= 8) {
      LoadWord();
      return;
    }
    while (count_ <= 56) {
      const std::uint64_t byte = next_ < end_ ? *next_++ : 0;
      buffer_ |= byte << (56 - count_);
      count_ += 8;
      loaded_ += 8;
    }
  }

  // Needs 8 bytes of input left. Takes whole bytes while they fit (none when 56 or more bits
  // are buffered).
  void LoadWord() {
    std::uint64_t word = 0;
    for (int i = 0; i < 8; ++i) // big-endian load; compilers fold it into one
      word = word << 8 | next_[i];
    buffer_ |= word >> count_;
    const unsigned taken = (63 - count_) >> 3;
    next_ += taken;
    count_ += taken * 8;
    loaded_ += taken * 8;
  }

  const std::uint8_t* next_;
  const std::uint8_t* end_;
  std::uint64_t buffer_ = 0;
  unsigned count_ = 0;
  std::uint64_t loaded_ = 0; // bits taken into the buffer, zeros past the end included
};

// The deepest leaf of the tree. The nodes keep the sibling property (counts ascending in node
// order, siblings adjacent), so it is a Huffman tree for its counts: a leaf at depth d needs a
// root count of at least Fib(d + 2) with every count >= 1. The root stays at or below 0x8000 <
// Fib(24), so d <= 21; 24 leaves margin.
constexpr unsigned kMaxCodeLength = 24;
// The longest position code: 8 prefix bits at most (3 of them already in the first 8 read),
// then 6 verbatim bits.
constexpr unsigned kMaxPositionBits = 14;
// One symbol and one position fit in what Ensure guarantees, so each step checks once.
static_assert(kMaxCodeLength + kMaxPositionBits <= 56, "one refill per symbol");

// Stops the compiler from folding `p` back into the index of the load that uses it.
template <typename T>
inline void KeepApart(T*& p) {
#if defined(__GNUC__)
  __asm__("" : "+r"(p));
#else
  (void)p;
#endif
}

// Walks the tree from the root on the buffered bits, takes the bits it used and counts the
// symbol, handing the tree the nodes it passed.
int DecodeSymbol(AdaptiveTree& tree, BitReader& in) {
  std::uint16_t path[32]; // the depth stays below kMaxCodeLength; the mask only keeps it safe
  const std::uint16_t* const son = tree.Sons();
  std::uint64_t bits = in.Window();
  const AdaptiveTree::Route& route =
      tree.RouteFor(static_cast<unsigned>(bits >> (64 - AdaptiveTree::kRouteBits)));
  std::memcpy(path, route.path, sizeof route.path);
  std::size_t depth = route.depth;
  bits <<= depth;
  std::size_t children = route.children; // the first child of the node reached so far
  while (children < static_cast<std::size_t>(kTreeSize)) {
    // The bit picks the row before the lookup, so each level waits on one load only.
    const std::size_t bit = static_cast<std::size_t>(bits >> 63);
    bits <<= 1;
    path[depth & 31] = static_cast<std::uint16_t>(children + bit);
    ++depth;
    const std::uint16_t* row = son + bit;
    KeepApart(row);
    children = row[children];
  }
  in.Skip(static_cast<unsigned>(depth));
  const int symbol = static_cast<int>(children) - kTreeSize;
  if (depth <= 32)
    tree.UpdateAlongPath(symbol, path, static_cast<int>(depth));
  else
    tree.Update(symbol);
  return symbol;
}

// A match position: a prefix-coded upper 6 bits, then the lower 6 bits as they are.
unsigned DecodePosition(BitReader& in) {
  const std::uint64_t bits = in.Window();
  const unsigned first8 = static_cast<unsigned>(bits >> 56);
  const unsigned codeLength = kPositionCode.len[first8];
  const unsigned lower = static_cast<unsigned>(bits >> (64 - codeLength - 6)) & 63;
  in.Skip(codeLength + 6);
  return static_cast<unsigned>(kPositionCode.code[first8]) << 6 | lower;
}

// The output holds this many bytes past the last match, so that copies may move 32 bytes for
// a short match and overshoot.
constexpr std::size_t kCopySlack = 32;

// The byte the window holds `before` (1..4096) places ahead of the first output byte, while
// the output has not yet reached it: the window starts with 4,036 blanks, and the 60 places
// the first output bytes go to start at 0, as in the classic program (a well-formed stream
// never reads them).
inline std::uint8_t InitialWindowByte(std::size_t before) {
  return before > static_cast<std::size_t>(kInitialWritePosition) ? 0 : ' ';
}

// Copies a match of `count` bytes starting `distance` (1..4096) bytes back into the flat
// output (no window ring: everything produced so far is still there). The source may overlap
// what the copy produces, which repeats the bytes: from 8 bytes back on, each 8-byte step
// reads only bytes written before it, and from 16 bytes back on each 16-byte step does.
// Steps may write up to 29 bytes past the match (32 for one of 3 bytes, less its length).
inline void CopyMatch(std::uint8_t* out, std::size_t produced, unsigned distance, unsigned count) {
  std::uint8_t* to = out + produced;
  if (distance > produced) { // only in the first 4 KB of output
    std::size_t before = distance - produced;
    for (; before > 0 && count > 0; --before, --count)
      *to++ = InitialWindowByte(before);
    if (count == 0)
      return;
  }
  if (distance < 8) {
    // A short repeat (a run of one pixel colour, say): write its first bytes one by one up to
    // a whole number of repeats spanning at least 8 bytes; from there on the bytes repeat
    // with that longer distance too, which the 8-byte steps can take. Bytes written past the
    // match are overwritten later.
    static constexpr std::uint8_t kPeriod[8] = {0, 8, 8, 9, 8, 10, 12, 14};
    const unsigned period = kPeriod[distance];
    const std::uint8_t* from = to - distance;
    for (unsigned k = 0; k < period; ++k)
      to[k] = from[k];
    if (count <= period)
      return;
    to += period;
    count -= period;
    distance = period;
  }
  const std::uint8_t* from = to - distance;
  if (distance >= 16) {
    // Most matches are at most 32 bytes long: two steps, whatever the length, spare them a
    // loop whose end the processor cannot foresee.
    std::memcpy(to, from, 16);
    std::memcpy(to + 16, from + 16, 16);
    for (unsigned k = 32; k < count; k += 16)
      std::memcpy(to + k, from + k, 16);
  } else {
    for (unsigned k = 0; k < count; k += 8)
      std::memcpy(to + k, from + k, 8);
  }
}

} // namespace

ByteBuffer TLZH::Decode(std::int32_t length, const std::uint8_t* input, std::size_t size) {
  inputBytesRead_ = 0;
  if (length <= 0)
    return ByteBuffer();

  std::unique_ptr<AdaptiveTree> tree(new (std::nothrow) AdaptiveTree);
  if (!tree)
    throw ElzhException(kLzhNoMemoryMessage);
  // The last match may run past `length` by up to kLookahead - 1 bytes, and a copy may
  // overshoot by up to kCopySlack - 1 more. Every byte up to `produced` is written below.
  ByteBuffer out(static_cast<std::size_t>(length) + kLookahead + kCopySlack);

  BitReader in(input, size);
  std::uint8_t* const data = out.data();
  const std::size_t wanted = static_cast<std::size_t>(length);
  std::size_t produced = 0;
  while (produced < wanted) {
    if (!in.Ensure56IfWordLeft())
      in.Ensure(kMaxCodeLength + kMaxPositionBits);
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
  out.Truncate(produced);

  // The last read was always a single bit, and the byte reader keeps at least 9 bits ahead.
  const std::uint64_t wouldHaveRead = (in.BitsConsumed() + 15) / 8;
  inputBytesRead_ = static_cast<std::size_t>(std::min<std::uint64_t>(wouldHaveRead, size));
  return out;
}

bool TLZH::DecodeStream(const std::uint8_t* stream, std::size_t size,
                        ByteBuffer& out) {
  out.Clear();
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
