#pragma once
// A skin-sized archive for the benchmarks, made up rather than taken from a real skin: 36
// bitmaps of frame strips (flat runs, gradients, magenta transparency, bevel lines and a
// little noise) and an INI description, about 300 KB in all.
#include <cstdint>
#include <vector>

namespace vcu {
namespace bench {

std::vector<std::uint8_t> SkinLikeArchive();

} // namespace bench
} // namespace vcu
