#pragma once
// The adaptive Huffman tree shared by the LZH decoder and encoder. Both sides start from the
// same tree and update it after every symbol, so it must evolve identically on both; that is
// why the node layout and the update rule are fixed to the bit.
#include <cstdint>

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
      Joined(n, k);
    }
    RaiseRoot();
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
      else
        Joined(n, k);
      n = prnt_[n];
    }
    RaiseRoot();
  }
  // The sentinel after the root stops it from ever moving.
  void RaiseRoot() { Joined(kRoot, ++freq_[kRoot]); }

  // Node n's count has just become k and now exceeds its right neighbour's: n trades places
  // with the last node whose count is still k - 1, which takes the count k. Returns where n's
  // subtree went.
  int SwapUp(int n, std::uint16_t k) {
    const int l = blockEnd_[k - 1];
    freq_[n] = static_cast<std::uint16_t>(k - 1);
    freq_[l] = k;
    Joined(l, k);

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
  // Node p, the last node whose count was k - 1, now counts k: the run of k - 1 ends just
  // before it (if any is left; an entry for a count nobody holds is never read), and p starts
  // the run of k, or is all of it.
  void Joined(int p, std::uint16_t k) {
    blockEnd_[k - 1] = static_cast<std::uint16_t>(p - 1);
    // Written either way (to a spare entry when the run of k goes on): a branch here would
    // be mispredicted half the time.
    const unsigned entry = freq_[p + 1] != k ? k : kSpareEntry;
    blockEnd_[entry] = static_cast<std::uint16_t>(p);
  }
  // Points every count's entry at the last node holding it.
  void IndexRuns() {
    for (int i = 0; i < kTreeSize; ++i)
      blockEnd_[freq_[i]] = static_cast<std::uint16_t>(i);
  }
  void Rebuild();
  void BuildRoutes();

  // + the sentinel 0xFFFF after the root, which no count reaches.
  std::uint16_t freq_[kTreeSize + 1];
  std::uint16_t son_[kTreeSize];
  std::uint16_t prnt_[kTreeSize + kSymbolCount];
  // Counts ascend in node order, so the nodes holding one count are a run; for every count
  // some node holds, this is the last node of its run. Counts never exceed kFrequencyLimit.
  static constexpr unsigned kSpareEntry = kFrequencyLimit + 1;
  std::uint16_t blockEnd_[kSpareEntry + 1];

  Route routes_[1 << kRouteBits];
  // The nodes whose son_ the routes were made from hold the stamp of the build that read them.
  std::uint16_t readByRoutes_[kTreeSize];
  std::uint16_t routeStamp_ = 0;
  bool routesStale_ = true;
};

} // namespace lzh
} // namespace vcu
