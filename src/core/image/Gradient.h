#pragma once
// Colour ramps: a process-wide cache of 16 ramps, overwritten oldest first, so that repeated
// paints of the same bar reuse the ramp; and the ramp fill of a rectangle.
#include <vector>

#include "core/image/Bitmap.h"
#include "core/image/Colour.h"

namespace vcu {

constexpr int kGradientSlots = 16;

// The slot holding the ramp of count colours from start to end (plain colours), found in
// the cache or built into the next slot. count <= 0 raises EAssertionFailed (imgutil, line
// 302 when an empty slot matched, else 321) and leaves the cache as it was.
int GetGradient(int count, Rgb start, Rgb end);
// The ramp in a slot (0..15); entry i is a plain colour.
const std::vector<Rgb>& GradientRamp(int slot);
// Empties every slot and restarts at slot 0 (tests start from a known cache).
void ResetGradientCache();

// Entry i of the ramp of count colours from start to end, as the cache builds it.
Rgb RampEntry(int i, int count, Rgb start, Rgb end);

// Ramps longer than this (far beyond any screen) are not cached: a fill of such a rectangle
// computes the colours of its visible lines one by one instead of holding the whole ramp.
constexpr int kMaxCachedRamp = 1 << 16;

// The lines of a ramp fill that are drawn: line i is row top + i (vertical) or column
// left + i of the rectangle. Nothing to draw when last < first.
struct GradientLines {
  int length = 0;
  int first = 0, last = -1;
};
GradientLines VisibleGradientLines(const Rect& rect, const Rect& clip, bool vertical);

// Calls band(line rectangle, colour) for every visible line of a ramp fill of rect from start
// to end (system colours resolved): rows when vertical, else columns, with the colours of
// the whole rectangle's ramp.
template <typename BandFn>
void ForEachGradientBand(const Rect& rect, const Rect& clip, Colour start, bool vertical,
                         Colour end, BandFn band) {
  const GradientLines lines = VisibleGradientLines(rect, clip, vertical);
  if (lines.length <= 0 || lines.last < lines.first)
    return;
  const Rgb from = ResolveColour(start), to = ResolveColour(end);
  const std::vector<Rgb>* ramp = lines.length <= kMaxCachedRamp
                                     ? &GradientRamp(GetGradient(lines.length, from, to))
                                     : nullptr;
  for (int i = lines.first; i <= lines.last; ++i)
    band(vertical ? Rect{rect.left, rect.top + i, rect.right, rect.top + i + 1}
                  : Rect{rect.left + i, rect.top, rect.left + i + 1, rect.bottom},
         ramp ? (*ramp)[i] : RampEntry(i, lines.length, from, to));
}

// Paints the ramp from start to end across rect (rows when vertical, else columns), limited
// to the bitmap; the lines keep the colours of the whole rectangle's ramp.
void FillGradientRect(Bitmap& target, const Rect& rect, Colour start, bool vertical,
                      Colour end);

} // namespace vcu
