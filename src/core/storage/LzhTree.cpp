#include "core/storage/LzhTree.h"

#include <cstring>

namespace vcu {
namespace lzh {

void AdaptiveTree::Start() {
  for (int i = 0; i < kTreeSize; ++i)
    readByRoutes_[i] = 0;
  routeStamp_ = 0;
  routesStale_ = true;
  for (int i = 0; i < kSymbolCount; ++i) {
    freq_[i] = 1;
    son_[i] = static_cast<std::uint16_t>(i + kTreeSize);
    prnt_[i + kTreeSize] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
    freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
    son_[j] = static_cast<std::uint16_t>(i);
    prnt_[i] = prnt_[i + 1] = static_cast<std::uint16_t>(j);
  }
  for (int i = 0; i < kSentinelCount; ++i)
    freq_[kTreeSize + i] = 0xFFFF;
  prnt_[kRoot] = 0;
}

void AdaptiveTree::Rebuild() {
  // Leaves first, in node order, with their counts halved (rounding up so none becomes 0).
  int j = 0;
  for (int i = 0; i < kTreeSize; ++i) {
    if (son_[i] >= kTreeSize) {
      freq_[j] = static_cast<std::uint16_t>((freq_[i] + 1) / 2);
      son_[j] = son_[i];
      ++j;
    }
  }
  // Then join pairs of nodes, inserting each new inner node where its count keeps the order.
  for (int i = 0, j2 = kSymbolCount; j2 < kTreeSize; i += 2, ++j2) {
    const std::uint16_t f = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
    int k = j2 - 1;
    while (f < freq_[k])
      --k;
    ++k;
    const std::size_t moved = static_cast<std::size_t>(j2 - k);
    std::memmove(&freq_[k + 1], &freq_[k], moved * sizeof freq_[0]);
    freq_[k] = f;
    std::memmove(&son_[k + 1], &son_[k], moved * sizeof son_[0]);
    son_[k] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0; i < kTreeSize; ++i) {
    const int s = son_[i];
    prnt_[s] = static_cast<std::uint16_t>(i);
    if (s < kTreeSize)
      prnt_[s + 1] = static_cast<std::uint16_t>(i);
  }
  routesStale_ = true;
}

void AdaptiveTree::BuildRoutes() {
  // After 65,535 builds old marks could pass for new ones; that would only cost needless
  // rebuilds, as every node read below gets the new stamp, but clearing them is cheap.
  if (++routeStamp_ == 0) {
    for (int i = 0; i < kTreeSize; ++i)
      readByRoutes_[i] = 0;
    routeStamp_ = 1;
  }
  // Each entry walked on its own: the nodes are written straight into it, and the few
  // hundred steps cost less than any bookkeeping that would share them.
  for (unsigned first = 0; first < (1u << kRouteBits); ++first) {
    Route& route = routes_[first];
    unsigned children = son_[kRoot];
    unsigned depth = 0;
    while (depth < static_cast<unsigned>(kRouteBits) &&
           children < static_cast<unsigned>(kTreeSize)) {
      const unsigned node = children + ((first >> (kRouteBits - 1 - depth)) & 1);
      route.path[depth++] = static_cast<std::uint16_t>(node);
      readByRoutes_[node] = routeStamp_;
      children = son_[node];
    }
    route.depth = static_cast<std::uint16_t>(depth);
    route.children = static_cast<std::uint16_t>(children);
  }
  routesStale_ = false;
}

} // namespace lzh
} // namespace vcu
