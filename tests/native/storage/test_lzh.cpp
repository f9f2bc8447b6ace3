#include "Bytes.h"
#include "ClassicLzhDecoder.h"

#include "core/storage/Lzh.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/LzhPositionCode.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vcu {
namespace {

using Bytes = std::vector<std::uint8_t>;


Bytes RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes out(size);
  for (auto& b : out)
    b = static_cast<std::uint8_t>(rng());
  return out;
}

// Words drawn at random from a small vocabulary: compressible, yet full of literals and short
// matches, so the symbol count passes 0x8000 many times over.
Bytes WordSoup(std::size_t size, unsigned seed) {
  static const char* const words[] = {"Buttons", "LeftWidth=", "3", "\r\n", "[Title]", "Skin",
                                      "Frame=5", "0x00FF00FF", " ", "Trans=1", "bmp", "="};
  std::mt19937 rng(seed);
  std::string text;
  while (text.size() < size)
    text += words[rng() % (sizeof words / sizeof words[0])];
  text.resize(size);
  return test::TextBytes(text);
}

// A stream of the given bits ("1", "0"; other characters ignored), zero-padded to bytes.
Bytes BitStream(const std::string& bits) {
  Bytes out;
  int n = 0;
  for (char c : bits) {
    if (c != '0' && c != '1')
      continue;
    if (n % 8 == 0)
      out.push_back(0);
    if (c == '1')
      out.back() |= static_cast<std::uint8_t>(0x80 >> (n % 8));
    ++n;
  }
  return out;
}

Bytes Decode(std::int32_t length, const Bytes& bits, std::size_t* read = nullptr) {
  TLZH codec;
  const ByteBuffer out = codec.Decode(length, bits.data(), bits.size());
  if (read)
    *read = codec.InputBytesRead();
  return out.View().ToVector();
}

TEST(LzhPositionCode, TablesFollowThePrefixCode) {
  using lzh::kPositionCode;
  // How many of the 256 eight-bit patterns each value and each code length occupy.
  for (int v = 0; v < 64; ++v) {
    const int expected = v == 0 ? 32 : v <= 3 ? 16 : v <= 11 ? 8 : v <= 23 ? 4 : v <= 47 ? 2 : 1;
    int count = 0;
    for (int b = 0; b < 256; ++b)
      count += kPositionCode.code[b] == v;
    EXPECT_EQ(count, expected) << "value " << v;
  }
  const int perLength[9] = {0, 0, 0, 32, 48, 64, 48, 48, 16};
  for (int bits = 3; bits <= 8; ++bits) {
    int count = 0;
    for (int b = 0; b < 256; ++b)
      count += kPositionCode.len[b] == bits;
    EXPECT_EQ(count, perLength[bits]) << bits << "-bit codes";
  }
  // The values ascend with the patterns, and each value's code leads back to it.
  for (int b = 1; b < 256; ++b)
    EXPECT_LE(kPositionCode.code[b - 1], kPositionCode.code[b]);
  for (int v = 0; v < 64; ++v)
    EXPECT_EQ(kPositionCode.code[kPositionCode.codeOf[v]], v);
}

// Worked out by hand from the tree start: following first children (0 bits) from the root
// reaches node 116, the leaf of 't', in 8 steps; the path to 'A' (leaf 65) is 111001101.
// The first 't' moves leaf 't' to node 313 and brings symbol 313 (a 60-byte match) to node
// 116; after 'A' and 't', node 116 holds symbol 312 (a 59-byte match). Position code 000
// plus 6 bits gives positions 0..63; position p copies from p + 1 bytes back.
//
// Before the output starts, the window holds 4,036 blanks, and the 60 places the first output
// bytes go to hold 0 (as in the classic program). In the starting tree leaf s sits at node s
// and node 314 + k has children 2k and 2k + 1, so symbol 256 (a 3-byte match) climbs
// 256 -> 442 -> 535 -> 581 -> 604 -> 616 -> 622 -> 625 -> 626 as first, first, second,
// second, first, first, first, second child: read from the root, 10001100; symbol 257 (4
// bytes) is its sibling, 10001101. Position 4095 is 11111111 111111 (4,096 back: the oldest
// window place, one of the 60 zeros); 4037 is 11111111 000101 (4,038 back: two zeros, then
// the blanks at 4,036 and 4,035 places back).
TEST(LzhDecode, HandBuiltStreams) {
  struct Case {
    const char* name;
    std::int32_t length;
    const char* bits;
    std::string expected;
    std::size_t bytesRead; // as the byte-at-a-time reader would pull
  };
  const std::string t60(60, 't');
  std::string alternating = "At";
  while (alternating.size() < 61)
    alternating += alternating[alternating.size() - 2];
  const Case cases[] = {
      // No bit stream at all: missing bytes are zeros, and decoding goes on. The match is
      // copied whole although only 2 bytes were asked for, one byte at a time from 1 back.
      {"only zeros", 2, "", "t" + t60, 0},
      {"literal A then t", 2, "111001101 00000000", "At", 3},
      {"run from 1 back", 3, "111001101 00000000 00000000 000 000000", "A" + t60, 5},
      {"overlap from 2 back", 3, "111001101 00000000 00000000 000 000001", alternating, 5},
      {"blanks before the start", 3, "10001100 000 000000", "   ", 3},
      {"zeros 4096 back", 3, "10001100 11111111 111111", std::string(3, '\0'), 3},
      {"zeros, then blanks", 4, "10001101 11111111 000101", std::string(2, '\0') + "  ", 3},
  };
  for (const Case& c : cases) {
    std::size_t read = 0;
    const Bytes out = Decode(c.length, BitStream(c.bits), &read);
    EXPECT_EQ(std::string(out.begin(), out.end()), c.expected) << c.name;
    EXPECT_EQ(read, c.bytesRead) << c.name;
  }
}

// A run of 't' long enough for one rebuild. 't' starts at node 116 (8 zero bits from the
// root). Each 't' adds 1 to its count and it climbs by the swap rule; the codes of the first
// 313 't's, worked through the update rule one by one, take 624 bits (kWarmUp). From the
// 314th on, its count exceeds the 313 other leaves' together, so it is the root's second child
// and costs the one bit 1. At the 32,455th symbol the root reaches 0x8000 and the tree is
// rebuilt: 't' drops to 16,227, the others stay at 1, and pairing puts 't' last again, code 1.
// The rebuild does move the other leaves: the all-zeros path now ends, 9 bits down, at 'r'
// (without the rebuild it would end at symbol 292, a 39-byte match).
TEST(LzhDecode, RunOfOneLiteralAcrossATreeRebuild) {
  static const char kWarmUp[] =
      "00C5C38AFC30C2D7BDEF7BDEAAAAAAAAAEEEEEEE4924924924924924925B6DB55555555555555555555555"
      "555555AAABFFFFFFFFFFFFFFFFFFFFFFFFFFFF00000000000000000000000000000000";
  const int runLength = 40000, warmUpSymbols = 313;
  std::string bits;
  for (const char* h = kWarmUp; *h; ++h) {
    const int nibble = *h <= '9' ? *h - '0' : *h - 'A' + 10;
    for (int b = 3; b >= 0; --b)
      bits += (nibble >> b & 1) ? '1' : '0';
  }
  ASSERT_EQ(bits.size(), 624u);
  bits += std::string(runLength - warmUpSymbols, '1') + "000000000";
  const Bytes out = Decode(runLength + 1, BitStream(bits));
  ASSERT_EQ(out.size(), static_cast<std::size_t>(runLength + 1));
  EXPECT_EQ(std::string(out.begin(), out.end() - 1), std::string(runLength, 't'));
  EXPECT_EQ(out.back(), 'r');
}

// Any byte string is a stream. Our decoder and the classic-style one (written apart, sharing
// no code) must give the same bytes for it, whatever length is asked for: short streams that
// end in zero bits, and long ones that cross several tree rebuilds.
TEST(LzhDecode, AgreesWithTheClassicDecoderOnRandomStreams) {
  std::mt19937 rng(20240611);
  struct Trial {
    std::size_t streamBytes;
    std::int32_t length;
  };
  std::vector<Trial> trials;
  for (int i = 0; i < 300; ++i) {
    const std::size_t bytes = rng() % 600;
    trials.push_back({bytes, static_cast<std::int32_t>(rng() % (bytes * 8 + 200) + 1)});
  }
  // About 1.1 symbols a byte of random input: 160 KB is over five rebuilds.
  for (std::size_t bytes : {40000u, 160000u})
    trials.push_back({bytes, static_cast<std::int32_t>(bytes * 6)});
  for (const Trial& t : trials) {
    Bytes stream = RandomBytes(t.streamBytes + 4, static_cast<unsigned>(rng()));
    for (int i = 0; i < 4; ++i)
      stream[i] = static_cast<std::uint8_t>(t.length >> (8 * i));
    const Bytes classic = reference::ClassicLzhDecode(stream);
    TLZH codec;
    const ByteBuffer ours = codec.Decode(t.length, stream.data() + 4, stream.size() - 4);
    ASSERT_TRUE(ours.View() == classic)
        << t.streamBytes << " random bytes read as " << t.length << " bytes";
  }
}

TEST(LzhDecode, ReadsNoMoreInputThanTheByteReaderWould) {
  // 34 bits used: the byte-at-a-time reader holds 9 bits ahead, so it pulls 6 bytes.
  Bytes stream = BitStream("111001101 00000000 00000000 000 000001");
  stream.insert(stream.end(), {0xAA, 0xBB, 0xCC, 0xDD});
  std::size_t read = 0;
  EXPECT_EQ(Decode(3, stream, &read).size(), 61u);
  EXPECT_EQ(read, 6u);
}

TEST(LzhDecode, LengthZeroOrBelowProducesNothingAndReadsNothing) {
  const Bytes junk = RandomBytes(64, 1);
  for (std::int32_t length : {0, -1, -2147483647 - 1}) {
    std::size_t read = 99;
    EXPECT_TRUE(Decode(length, junk, &read).empty()) << length;
    EXPECT_EQ(read, 0u) << length;
  }
}

// Each period from 1 to 40 bytes repeated for several lengths, between random bytes: matches
// that overlap what they produce, at every short distance, ending at every kind of length.
Bytes ShortRepeats() {
  std::mt19937 rng(11);
  Bytes out;
  for (unsigned period = 1; period <= 40; ++period) {
    for (unsigned length : {3u, 9u, 16u, 17u, 31u, 33u, 60u, 61u, 150u}) {
      for (int i = 0; i < 5; ++i)
        out.push_back(static_cast<std::uint8_t>(rng()));
      const std::size_t start = out.size();
      for (unsigned k = 0; k < period; ++k)
        out.push_back(static_cast<std::uint8_t>(rng()));
      for (unsigned k = 0; k < length; ++k)
        out.push_back(out[start + k]);
    }
  }
  return out;
}

TEST(LzhRoundTrip, DecoderGivesBackWhatTheEncoderTook) {
  Bytes everyByte(256 * 3);
  for (std::size_t i = 0; i < everyByte.size(); ++i)
    everyByte[i] = static_cast<std::uint8_t>(i * 7);
  Bytes runsAndText = test::TextBytes(std::string(9000, ' ') + "[Buttons]\r\nSkinName=b.bmp\r\n");
  runsAndText.insert(runsAndText.end(), 12000, 0xFF);
  const struct {
    const char* name;
    Bytes data;
  } cases[] = {
      {"empty", {}},
      {"one byte", {0x42}},
      {"two bytes", {0x00, 0xFF}},
      {"run far longer than the window", Bytes(20000, 'x')},
      {"incompressible", RandomBytes(50000, 7)},
      {"every byte value", everyByte},
      {"tree rebuilt many times", WordSoup(300000, 3)},
      {"runs, blanks and text", runsAndText},
      {"short repeats", ShortRepeats()},
  };
  for (const auto& c : cases) {
    const Bytes stream = LzhEncode(c.data);
    ASSERT_GE(stream.size(), 4u) << c.name;
    TLZH codec;
    ByteBuffer out;
    ASSERT_TRUE(codec.DecodeStream(stream.data(), stream.size(), out)) << c.name;
    EXPECT_TRUE(out.View() == c.data) << c.name;
    // The stream is the classic format: a decoder written apart reads it back too.
    EXPECT_TRUE(reference::ClassicLzhDecode(stream) == c.data) << c.name;
    // The whole bit stream is used, and no more.
    EXPECT_EQ(codec.InputBytesRead(), stream.size() - 4) << c.name;
  }
}

TEST(LzhRoundTrip, CompressesWhatRepeats) {
  EXPECT_LT(LzhEncode(Bytes(20000, 'x')).size(), 500u);
  EXPECT_LT(LzhEncode(WordSoup(100000, 5)).size(), 50000u);
  // Incompressible data costs little more than its size.
  EXPECT_LT(LzhEncode(RandomBytes(50000, 9)).size(), 50000u * 9 / 8 + 64);
}

TEST(LzhDecode, TruncatedOrCorruptStreamsStillGiveTheDeclaredLength) {
  const Bytes original = WordSoup(40000, 11);
  const Bytes stream = LzhEncode(original);
  for (std::size_t keep : {stream.size() / 8, stream.size() / 2, stream.size() - 1}) {
    TLZH codec;
    ByteBuffer out;
    ASSERT_TRUE(codec.DecodeStream(stream.data(), keep, out)) << keep;
    EXPECT_GE(out.size(), original.size()) << keep;
    EXPECT_LT(out.size(), original.size() + 60) << keep;
    if (keep > 100) { // the intact part decodes as before
      EXPECT_TRUE(std::equal(out.begin(), out.begin() + 100, original.begin())) << keep;
    }
  }
  Bytes corrupt = stream;
  for (std::size_t i = 4; i < corrupt.size(); i += 97)
    corrupt[i] ^= 0x5A;
  TLZH codec;
  ByteBuffer out;
  ASSERT_TRUE(codec.DecodeStream(corrupt.data(), corrupt.size(), out));
  EXPECT_GE(out.size(), original.size());
}

TEST(LzhDecode, RefusesStreamsWithoutAPlausibleLength) {
  TLZH codec;
  ByteBuffer out = ByteBuffer::CopyOf(Bytes{1, 2, 3}.data(), 3);
  const Bytes shortStream{0x10, 0x00, 0x00};
  EXPECT_FALSE(codec.DecodeStream(shortStream.data(), shortStream.size(), out));
  EXPECT_TRUE(out.empty());

  // A corrupt length word must not make us produce gigabytes from a few bytes.
  const Bytes huge{0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00};
  EXPECT_FALSE(codec.DecodeStream(huge.data(), huge.size(), out));
  // Nor a real stream cut down to its first bits.
  const Bytes stream = LzhEncode(WordSoup(40000, 11));
  EXPECT_FALSE(codec.DecodeStream(stream.data(), 5, out));

  // The bound is what the bit stream could describe: 48 bytes per byte, plus one match.
  Bytes atBound(4 + 10, 0);
  const std::int64_t bound = TLZH::MaxDecodedLength(10);
  EXPECT_EQ(bound, 10 * 48 + 60);
  for (int i = 0; i < 4; ++i)
    atBound[i] = static_cast<std::uint8_t>(bound >> (8 * i));
  EXPECT_TRUE(codec.DecodeStream(atBound.data(), atBound.size(), out));
  EXPECT_GE(out.size(), static_cast<std::size_t>(bound));
  atBound[0] = static_cast<std::uint8_t>(bound + 1);
  EXPECT_FALSE(codec.DecodeStream(atBound.data(), atBound.size(), out));
}

} // namespace
} // namespace vcu
