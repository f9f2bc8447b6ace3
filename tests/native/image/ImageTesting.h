#pragma once
// The image tests' names for the shared pictures and pixel comparisons of the test support
// library: a bitmap drawn as rows of letters, its inverse, a bitmap of self-naming pixels.
#include "Pictures.h"

namespace vcu::testing {

using test::Legend;
using test::Letters;
using test::Picture;
using test::SamePixels;

// A bitmap whose every pixel names its own position: red = x, green = y.
inline Bitmap Coordinates(int width, int height) { return test::CoordinateBitmap(width, height, 7); }

} // namespace vcu::testing
