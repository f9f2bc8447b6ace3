#pragma once
// Archives for the storage benchmarks. The made-up skin sets hold bitmaps of frame strips
// (flat runs, gradients, magenta transparency, bevel lines and a little noise) and INI
// descriptions.
#include <cstdint>
#include <string>
#include <vector>

namespace vcu {
namespace bench {

// A large archive of many skin sets, about 6 MB in 532 entries: per set 35 frame strips, a
// flat background (long runs), an INI description and 30 KB of random bytes, so the decoder
// meets incompressible stretches between compressible ones and rebuilds its tree many times.
std::vector<std::uint8_t> LargeMixedArchive();

// The archive of a skin folder as skinpack packs it: files in name order, the .ini last.
std::vector<std::uint8_t> FolderArchive(const std::string& folder);

} // namespace bench
} // namespace vcu
