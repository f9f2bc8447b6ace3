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
    int n = prnt_[symbol + kTreeSize];
    do {
      const std::uint16_t k = ++freq_[n];
      if (k > freq_[n + 1])
        n = SwapUp(n, k);
      n = prnt_[n];
    } while (n != 0);
  }

  std::uint16_t Son(int node) const { return son_[node]; }
  std::uint16_t Parent(int node) const { return prnt_[node]; }
  std::uint16_t Frequency(int node) const { return freq_[node]; }
  int LeafOf(int symbol) const { return prnt_[symbol + kTreeSize]; }

private:
  int SwapUp(int n, std::uint16_t k);
  void Rebuild();

  std::uint16_t freq_[kTreeSize + 1]; // + the sentinel 0xFFFF that stops the scans
  std::uint16_t son_[kTreeSize];
  std::uint16_t prnt_[kTreeSize + kSymbolCount];
};

} // namespace lzh
} // namespace vcu
