#include "core/image/Gradient.h"

#include <algorithm>
#include <cstdint>

#include "core/Errors.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"

namespace vcu {
namespace {

struct RampCache {
  std::vector<Rgb> slots[kGradientSlots];
  int next = 0;
};

RampCache& Cache() {
  static RampCache cache;
  return cache;
}

// Truncating division: a falling channel can end one step above the end value.
// 64-bit products: a ramp may be as long as a rectangle is wide.
unsigned RampChannel(unsigned start, unsigned end, int i, int n) {
  const long long d = static_cast<long long>(end) - start;
  if (n == 0)
    return static_cast<unsigned>(start + d / 2);
  return static_cast<unsigned>(start + (i * d + n / 2) / n);
}

void BuildRamp(std::vector<Rgb>& ramp, int count, Rgb start, Rgb end) {
  ramp.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    ramp[i] = RampEntry(i, count, start, end);
}

constexpr int kLookupLine = 302, kBuildLine = 321;

} // namespace

Rgb RampEntry(int i, int count, Rgb start, Rgb end) {
  const int n = count - 1;
  return MakeRgb(RampChannel(RedOf(start), RedOf(end), i, n),
                 RampChannel(GreenOf(start), GreenOf(end), i, n),
                 RampChannel(BlueOf(start), BlueOf(end), i, n));
}

int GetGradient(int count, Rgb start, Rgb end) {
  RampCache& cache = Cache();
  for (int slot = kGradientSlots - 1; slot >= 0; --slot) {
    const std::vector<Rgb>& ramp = cache.slots[slot];
    if (static_cast<long long>(ramp.size()) != count)
      continue;
    // Only an empty slot has the length of a count of 0: it has no first or last entry.
    if (count <= 0)
      throw EAssertionFailed("Assertion failure", "imgutil", kLookupLine);
    if (ramp.front() == start && ramp.back() == end)
      return slot;
  }
  if (count <= 0)
    throw EAssertionFailed("Assertion failure", "imgutil", kBuildLine);
  const int slot = cache.next;
  cache.next = (cache.next + 1) % kGradientSlots;
  BuildRamp(cache.slots[slot], count, start, end);
  return slot;
}

const std::vector<Rgb>& GradientRamp(int slot) { return Cache().slots[slot]; }

void ResetGradientCache() {
  RampCache& cache = Cache();
  for (std::vector<Rgb>& ramp : cache.slots)
    ramp.clear();
  cache.next = 0;
}

GradientLines VisibleGradientLines(const Rect& rect, const Rect& clip, bool vertical) {
  const int start = vertical ? rect.top : rect.left;
  const int end = vertical ? rect.bottom : rect.right;
  const int clipStart = vertical ? clip.top : clip.left;
  const int clipEnd = vertical ? clip.bottom : clip.right;
  // In 64 bits: the edges may lie anywhere in the range of int.
  GradientLines lines;
  lines.length = SaturateToInt(std::int64_t{end} - start);
  if (lines.length <= 0)
    return lines;
  lines.first = start < clipStart ? SaturateToInt(std::int64_t{clipStart} - start) : 0;
  lines.last =
      clipEnd < end ? SaturateToInt(std::int64_t{clipEnd} - start - 1) : lines.length - 1;
  return lines;
}

void FillGradientRect(Bitmap& target, const Rect& rect, Colour start, bool vertical,
                      Colour end) {
  const Rect clip = Intersect(rect, target.Bounds());
  if (clip.Empty())
    return;
  ForEachGradientBand(rect, clip, start, vertical, end, [&target](const Rect& band, Rgb c) {
    FillRect(target, band, PixelFromRgb(c));
  });
}

} // namespace vcu
