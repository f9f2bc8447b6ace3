#include "core/platform/Platform.h"

#include <iterator>

namespace vcu {
namespace {

constexpr Rgb RGBv(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

// Indexed by COLOR_* value.
constexpr Rgb kClassicColours[] = {
    RGBv(212, 208, 200), // 0 scroll bar
    RGBv(58, 110, 165),  // 1 desktop
    RGBv(10, 36, 106),   // 2 active caption
    RGBv(128, 128, 128), // 3 inactive caption
    RGBv(212, 208, 200), // 4 menu
    RGBv(255, 255, 255), // 5 window
    RGBv(0, 0, 0),       // 6 window frame
    RGBv(0, 0, 0),       // 7 menu text
    RGBv(0, 0, 0),       // 8 window text
    RGBv(255, 255, 255), // 9 caption text
    RGBv(212, 208, 200), // 10 active border
    RGBv(212, 208, 200), // 11 inactive border
    RGBv(128, 128, 128), // 12 application workspace
    RGBv(10, 36, 106),   // 13 highlight
    RGBv(255, 255, 255), // 14 highlight text
    RGBv(212, 208, 200), // 15 button face
    RGBv(128, 128, 128), // 16 button shadow
    RGBv(128, 128, 128), // 17 grey text
    RGBv(0, 0, 0),       // 18 button text
    RGBv(212, 208, 200), // 19 inactive caption text
    RGBv(255, 255, 255), // 20 button highlight
    RGBv(64, 64, 64),    // 21 3D dark shadow
    RGBv(212, 208, 200), // 22 3D light
    RGBv(0, 0, 0),       // 23 info text
    RGBv(255, 255, 225), // 24 info background
    RGBv(181, 181, 181), // 25 (unused slot)
    RGBv(0, 0, 128),     // 26 hot light
    RGBv(166, 202, 240), // 27 gradient active caption
    RGBv(192, 192, 192), // 28 gradient inactive caption
    RGBv(49, 106, 197),  // 29 menu highlight
    RGBv(236, 233, 216), // 30 menu bar
};

struct Metric { int index, value; };
constexpr Metric kClassicMetrics[] = {
    {0, 1024}, {1, 768},  // screen
    {2, 16},   {3, 16},   // vertical scroll width, horizontal scroll height
    {4, 18},              // caption
    {5, 1},    {6, 1},    // border
    {7, 3},    {8, 3},    // dialog frame
    {9, 16},   {10, 16},  // scroll thumbs
    {11, 32},  {12, 32},  // icon
    {15, 19},             // menu
    {20, 16},  {21, 16},  // vertical scroll arrow height, horizontal scroll arrow width
    {30, 18},  {31, 18},  // caption button
    {32, 4},   {33, 4},   // sizing frame
    {45, 2},   {46, 2},   // 3D edge
    {49, 16},  {50, 16},  // small icon
};

const ClassicPlatform kClassic;
const PlatformInfo* gPlatform = &kClassic;

} // namespace

Rgb ClassicPlatform::SystemColour(int index) const {
  if (index < 0 || index >= static_cast<int>(std::size(kClassicColours))) return 0;
  return kClassicColours[index];
}

int ClassicPlatform::SystemMetric(int index) const {
  for (const Metric& m : kClassicMetrics)
    if (m.index == index) return m.value;
  return 0;
}

const PlatformInfo& Platform() { return *gPlatform; }
void SetPlatform(const PlatformInfo* platform) { gPlatform = platform ? platform : &kClassic; }

} // namespace vcu
