#include "core/storage/LzhEncoder.h"

#include "core/Errors.h"
#include "core/ByteOrder.h"
#include "core/storage/LzhPositionCode.h"
#include "core/storage/LzhTree.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace vcu {

namespace {

using namespace lzh;

// Bits are written most significant first, as the decoder reads them; the last byte is
// padded with zero bits.
class BitWriter {
public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  // The low `n` bits (0..32) of `value`, highest first.
  void Put(std::uint32_t value, unsigned n) {
    buffer_ = buffer_ << n | (value & ((std::uint64_t{1} << n) - 1));
    count_ += n;
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<std::uint8_t>(buffer_ >> count_));
    }
  }

  void Flush() {
    if (count_ > 0)
      out_.push_back(static_cast<std::uint8_t>(buffer_ << (8 - count_)));
    count_ = 0;
  }

private:
  std::vector<std::uint8_t>& out_;
  std::uint64_t buffer_ = 0;
  unsigned count_ = 0;
};

// Longest-match search through hash chains over the last 4,096 bytes. The text being coded
// is preceded by the blanks the decoder's window starts with, so leading text can match them.
// Only the 4,036 blanks the decoder is bound to hold are used, not the 60 window slots it
// writes first.
class MatchFinder {
public:
  static constexpr std::size_t kPrefix = kInitialWritePosition;

  MatchFinder(const std::uint8_t* data, std::size_t size) : text_(kPrefix + size, ' ') {
    std::copy(data, data + size, text_.begin() + kPrefix);
    head_.assign(kHashSize, kNone);
    for (std::size_t i = 0; i < kPrefix; ++i)
      Insert(i);
  }

  std::size_t Start() const { return kPrefix; }
  std::size_t End() const { return text_.size(); }
  std::uint8_t At(std::size_t i) const { return text_[i]; }

  struct Match {
    unsigned length = 0;
    unsigned distance = 0;
  };

  // The longest match for the text at `pos` (not yet inserted), nearest first among equals.
  Match Find(std::size_t pos) const {
    Match best;
    const std::size_t limit = std::min<std::size_t>(kLookahead, text_.size() - pos);
    if (limit <= static_cast<std::size_t>(kThreshold))
      return best;
    const std::size_t oldest = pos >= static_cast<std::size_t>(kWindowSize) ? pos - kWindowSize : 0;
    std::uint32_t candidate = head_[Hash(pos)];
    for (int steps = 0; candidate != kNone && candidate >= oldest && steps < kMaxChain; ++steps) {
      const std::uint8_t* a = &text_[candidate];
      const std::uint8_t* b = &text_[pos];
      if (a[best.length] == b[best.length]) {
        std::size_t n = 0;
        while (n < limit && a[n] == b[n])
          ++n;
        if (n > best.length) {
          best.length = static_cast<unsigned>(n);
          best.distance = static_cast<unsigned>(pos - candidate);
          if (n == limit)
            break;
        }
      }
      const std::uint32_t older = prev_[candidate & kWindowMask];
      if (older == kNone || older >= candidate)
        break;
      candidate = older;
    }
    if (best.length <= static_cast<unsigned>(kThreshold))
      best.length = 0;
    return best;
  }

  void Insert(std::size_t pos) {
    if (pos + 3 > text_.size())
      return;
    const std::uint32_t h = Hash(pos);
    prev_[pos & kWindowMask] = head_[h];
    head_[h] = static_cast<std::uint32_t>(pos);
  }

private:
  static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
  static constexpr unsigned kHashBits = 14;
  static constexpr std::size_t kHashSize = std::size_t{1} << kHashBits;
  // Bounds the work on pathological data; real skins rarely have chains this long.
  static constexpr int kMaxChain = 1024;

  std::uint32_t Hash(std::size_t pos) const {
    const std::uint32_t v = static_cast<std::uint32_t>(text_[pos]) << 16 |
                            static_cast<std::uint32_t>(text_[pos + 1]) << 8 | text_[pos + 2];
    return (v * 2654435761u) >> (32 - kHashBits);
  }

  std::vector<std::uint8_t> text_;
  std::vector<std::uint32_t> head_;
  std::uint32_t prev_[kWindowSize] = {};
};

class Encoder {
public:
  explicit Encoder(std::vector<std::uint8_t>& out) : bits_(out) {}

  void Literal(std::uint8_t byte) { Symbol(byte); }

  void Match(unsigned length, unsigned distance) {
    Symbol(static_cast<int>(length) + 255 - kThreshold);
    Position(distance - 1);
  }

  void Finish() { bits_.Flush(); }

private:
  // The path from the root to the symbol's leaf; a second child is a 1 bit.
  void Symbol(int symbol) {
    std::uint64_t path = 0;
    unsigned depth = 0;
    for (int node = tree_->LeafOf(symbol); node != kRoot; node = tree_->Parent(node)) {
      const unsigned bit = static_cast<unsigned>(node - tree_->Son(tree_->Parent(node)));
      path |= std::uint64_t{bit} << depth++;
    }
    while (depth > 32) { // never for trees limited to 0x8000 counts; kept for safety
      depth -= 32;
      bits_.Put(static_cast<std::uint32_t>(path >> depth), 32);
    }
    bits_.Put(static_cast<std::uint32_t>(path), depth);
    tree_->Update(symbol);
  }

  void Position(unsigned position) {
    const unsigned upper = position >> 6;
    const unsigned codeLength = kPositionCode.lenOf[upper];
    bits_.Put(kPositionCode.codeOf[upper] >> (8 - codeLength), codeLength);
    bits_.Put(position & 63, 6);
  }

  BitWriter bits_;
  std::unique_ptr<AdaptiveTree> tree_ = std::make_unique<AdaptiveTree>();
};

} // namespace

std::vector<std::uint8_t> LzhEncode(const std::uint8_t* data, std::size_t size) {
  if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw Exception("LZH : input too large for the length word");
  std::vector<std::uint8_t> out;
  out.reserve(size / 2 + 16);
  AppendU32Le(out, static_cast<std::uint32_t>(size));
  if (size == 0)
    return out;

  MatchFinder finder(data, size);
  Encoder encoder(out);
  std::size_t pos = finder.Start();
  while (pos < finder.End()) {
    const MatchFinder::Match match = finder.Find(pos);
    const std::size_t step = match.length > 0 ? match.length : 1;
    if (match.length > 0)
      encoder.Match(match.length, match.distance);
    else
      encoder.Literal(finder.At(pos));
    for (std::size_t i = 0; i < step; ++i)
      finder.Insert(pos + i);
    pos += step;
  }
  encoder.Finish();
  return out;
}

std::vector<std::uint8_t> LzhEncode(const std::vector<std::uint8_t>& data) {
  return LzhEncode(data.data(), data.size());
}

} // namespace vcu
