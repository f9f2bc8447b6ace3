// Our default skin file, exactly as the build packs it for the program, damaged the ways a
// disk or a download damages files: cut short at every 64-byte step, and with single bits
// flipped. Each load must end in a clean result or one of the program's errors, and what
// loads must draw (every element composed as the skin fuzz targets compose it).
// The test tree runs this under AddressSanitizer and UndefinedBehaviorSanitizer, which turn
// any read or write out of bounds into a failure.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "core/elements/SkinElementsLoader.h"
#include "../../fuzz/common/ComposeElements.h"

namespace vcu {
namespace {

std::vector<std::uint8_t> DefaultSkinFile() {
  std::ifstream in(VCU_DEFAULT_SKIN_FILE, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

BuiltinImages NoBuiltins() { return {}; }

// Loads one damaged copy. Returns what happened, for the failure message and the tally.
enum class Outcome { Loaded, Refused, Error };
Outcome LoadDamaged(const std::vector<std::uint8_t>& bytes) {
  TSkinElements e;
  try {
    if (!LoadSkinArchive(bytes.data(), bytes.size(), NoBuiltins(), e)) return Outcome::Refused;
  } catch (const Exception& error) {
    EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos) << error.what();
    return Outcome::Error;
  }
  fuzz::ComposeElements(e);
  return Outcome::Loaded;
}

TEST(DamagedSkinFile, TheIntactFileLoads) {
  const std::vector<std::uint8_t> skin = DefaultSkinFile();
  ASSERT_GT(skin.size(), 5000u) << VCU_DEFAULT_SKIN_FILE;
  EXPECT_EQ(LoadDamaged(skin), Outcome::Loaded);
}

TEST(DamagedSkinFile, CutAtEvery64ByteStep) {
  const std::vector<std::uint8_t> skin = DefaultSkinFile();
  ASSERT_FALSE(skin.empty());
  int loaded = 0;
  for (std::size_t cut = 0; cut < skin.size(); cut += 64) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    if (LoadDamaged({skin.begin(), skin.begin() + cut}) == Outcome::Loaded) ++loaded;
  }
  // The decoder fills a missing tail with zeros, so most cut files still load and draw:
  // the drawing with damaged margins and images is exercised, not only the refusals.
  EXPECT_GT(loaded, 0);
}

TEST(DamagedSkinFile, ThousandSingleBitFlips) {
  const std::vector<std::uint8_t> skin = DefaultSkinFile();
  ASSERT_GT(skin.size(), 5000u);
  std::mt19937 random(20261210);
  std::uniform_int_distribution<std::size_t> byteAt(0, skin.size() - 1);
  std::uniform_int_distribution<int> bitAt(0, 7);
  // The flip found by hand first, then random ones.
  std::vector<std::pair<std::size_t, int>> flips{{5000, 0}};
  while (flips.size() < 1000) flips.emplace_back(byteAt(random), bitAt(random));
  int loaded = 0;
  for (const auto& [at, bit] : flips) {
    SCOPED_TRACE("bit " + std::to_string(bit) + " of byte " + std::to_string(at));
    std::vector<std::uint8_t> flipped = skin;
    flipped[at] ^= static_cast<std::uint8_t>(1 << bit);
    if (LoadDamaged(flipped) == Outcome::Loaded) ++loaded;
  }
  EXPECT_GT(loaded, 0);
}

} // namespace
} // namespace vcu
