#pragma once
// The adaptive Huffman tree shared by the LZH decoder and encoder. Both sides start from the
// same tree and update it after every symbol, so it must evolve identically on both; that is
// why the node layout and the update rule are fixed to the bit.
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vcu {
namespace lzh {

constexpr int kWindowSize = 4096;
constexpr int kWindowMask = kWindowSize - 1;
constexpr int kLookahead = 60;                     // longest match
constexpr int kThreshold = 2;                      // a match is at least 3 bytes
constexpr int kSymbolCount = 256 + kLookahead - kThreshold; // 314: literals, then lengths 3..60
constexpr int kTreeSize = 2 * kSymbolCount - 1;    // 627
constexpr int kRoot = kTreeSize - 1;               // 626
constexpr int kFrequencyLimit = 0x8000;            // the tree is rebuilt when the root reaches it
constexpr int kInitialWritePosition = kWindowSize - kLookahead; // 4036

// Node n is a leaf when son[n] >= kTreeSize; its symbol is then son[n] - kTreeSize. An inner
// node's children are son[n] and son[n] + 1. prnt[kTreeSize + s] is the leaf of symbol s.
class AdaptiveTree {
public:
  AdaptiveTree() { Start(); }

  void Start();

  // Counts one more occurrence of `symbol`, moving nodes so the counts stay in ascending order.
  void Update(int symbol) {
    if (freq_[kRoot] == kFrequencyLimit)
      Rebuild();
    ClimbFrom(prnt_[symbol + kTreeSize]);
  }

  // The same as Update(symbol), for a symbol whose leaf the decoder has just reached from the
  // root: path[0] is the root's child on the way, path[depth - 1] the leaf. Until a swap moves
  // the climb off that path, each parent is already known, so the counts on the way up are
  // raised without waiting for one lookup after another.
  void UpdateAlongPath(int symbol, const std::uint16_t* path, int depth) {
    if (freq_[kRoot] == kFrequencyLimit || depth == 0) {
      Update(symbol); // the rebuild reshapes the tree: the path means nothing any more
      return;
    }
    for (int i = depth - 1; i >= 0; --i) {
      const int n = path[i];
      const std::uint16_t k = ++freq_[n];
      if (k > freq_[n + 1]) {
        ClimbFrom(prnt_[SwapUp(n, k)]);
        return;
      }
    }
    ++freq_[kRoot]; // the sentinel after the root stops it from ever moving
  }

  std::uint16_t Son(int node) const { return son_[node]; }
  const std::uint16_t* Sons() const { return son_; }

  // The first kRouteBits levels of the walk from the root, looked up by the next kRouteBits
  // bits: the nodes passed, how many (fewer when a leaf comes first), and the first child of
  // the last one (a value from kTreeSize on when that node is a leaf). The nodes near the root
  // hold the largest counts and trade places rarely, so the table is rebuilt only when a swap
  // moved one of the nodes it read.
  static constexpr int kRouteBits = 5;
  struct Route {
    std::uint16_t path[6];
    std::uint16_t depth;
    std::uint16_t children;
  };
  static_assert(kRouteBits <= 6, "a route's nodes fit its path");
  const Route& RouteFor(unsigned firstBits) {
    if (routesStale_)
      BuildRoutes();
    return routes_[firstBits];
  }
  std::uint16_t Parent(int node) const { return prnt_[node]; }
  std::uint16_t Frequency(int node) const { return freq_[node]; }
  int LeafOf(int symbol) const { return prnt_[symbol + kTreeSize]; }

private:
  // Raises the counts from node n up to the root, swapping where the order would break.
  void ClimbFrom(int n) {
    while (n != kRoot) {
      const std::uint16_t k = ++freq_[n];
      if (k > freq_[n + 1])
        n = SwapUp(n, k);
      n = prnt_[n];
    }
    ++freq_[kRoot];
  }

  // Node n's count has just become k and now exceeds its right neighbour's: n trades places
  // with the last node whose count is still below k. Returns where n's subtree went.
  int SwapUp(int n, std::uint16_t k) {
    const int l = LastBelow(n + 1, k);
    freq_[n] = freq_[l];
    freq_[l] = k;

    // An inner node's two children both get the new parent; a leaf's one entry is simply
    // written twice, which spares a branch on what the node is.
    const int a = son_[n];
    prnt_[a] = static_cast<std::uint16_t>(l);
    prnt_[a + (a < kTreeSize)] = static_cast<std::uint16_t>(l);

    const int b = son_[l];
    son_[l] = static_cast<std::uint16_t>(a);
    prnt_[b] = static_cast<std::uint16_t>(n);
    prnt_[b + (b < kTreeSize)] = static_cast<std::uint16_t>(n);
    son_[n] = static_cast<std::uint16_t>(b);
    routesStale_ |= (readByRoutes_[n] == routeStamp_) | (readByRoutes_[l] == routeStamp_);
    return l;
  }
  // The last node from `from` on whose count is below k (freq_[from] is). Runs of equal
  // counts are long in data without pattern, so eight counts are compared at a time where
  // the target has the instructions; the sentinel ends the scan either way. (A table of where
  // each count's run ends would spare the scan, but keeping it costs two stores on every step
  // of every climb, far more than the scans: swaps are ten times rarer than steps.)
  int LastBelow(int from, std::uint16_t k) const {
#if defined(__SSE2__)
    const __m128i limit = _mm_set1_epi16(static_cast<short>(k));
    for (int j = from + 1;; j += 8) {
      const __m128i counts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(freq_ + j));
      // Zero exactly in the lanes whose count is k or more (unsigned, saturating).
      const __m128i below = _mm_subs_epu16(limit, counts);
      const unsigned atLeast =
          static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(below, _mm_setzero_si128())));
      if (atLeast != 0)
        return j + static_cast<int>(__builtin_ctz(atLeast) / 2) - 1;
    }
#else
    int l = from;
    while (k > freq_[l + 1])
      ++l;
    return l;
#endif
  }
  void Rebuild();
  void BuildRoutes();

  static constexpr int kSentinelCount = 8;
  // + the sentinel 0xFFFF that stops the scans, and more of it so that eight counts read
  // together from the last node on stay inside the array.
  std::uint16_t freq_[kTreeSize + kSentinelCount];
  std::uint16_t son_[kTreeSize];
  std::uint16_t prnt_[kTreeSize + kSymbolCount];
  Route routes_[1 << kRouteBits] = {}; // path entries past a route's depth are copied unread
  // The nodes whose son_ the routes were made from hold the stamp of the build that read them.
  std::uint16_t readByRoutes_[kTreeSize];
  std::uint16_t routeStamp_ = 0;
  bool routesStale_ = true;
};

} // namespace lzh
} // namespace vcu
