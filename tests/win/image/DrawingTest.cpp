// The device-context drawing routines against the rules worked out in the test: small
// hand-made frames whose every expected pixel is written out, and larger compositions built
// piece by piece with the platform's own copies (ReferenceFrames). The same drawing on a
// memory DC and on a real window must leave those pixels.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GdiTesting.h"
#include "ReferenceFrames.h"
#include "core/image/Gradient.h"
#include "framework/Win32Platform.h"
#include "skin/data/WinRect.h"
#include "skin/data/imgutil.h"
#include "support/Pixels.h"
#include "support/WindowQueries.h"

namespace vcu {
namespace {

using test::FirstDifference;
using testing::FrameStrip;
using testing::Pattern;

class DrawingTest : public ::testing::Test {
protected:
  void SetUp() override {
    UseDibSectionPixels();
    platformBefore_ = &Platform();
    UseWin32Platform();
    ResetGradientCache();
  }
  void TearDown() override {
    SetPixelAllocator(nullptr);
    SetPlatform(platformBefore_);
  }
  const PlatformInfo* platformBefore_ = nullptr;
};

// ---- small frames, every pixel written out

// One letter a colour; '#' is the transparency key, '.' the background drawn on.
Pixel ColourOf(char letter) {
  if (letter == '#') return MakePixel(255, 0, 255);
  if (letter == '.') return MakePixel(8, 8, 8);
  const unsigned n = static_cast<unsigned>(letter - 'a' + 1);
  return MakePixel(n * 9, 250 - n * 7, n * 5 + 30);
}

Bitmap Picture(const std::vector<std::string>& rows) {
  Bitmap b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.Set(x, y, ColourOf(rows[y][x]));
  return b;
}

std::vector<std::string> Letters(const Bitmap& b) {
  std::map<Pixel, char> names;
  for (char c : std::string(".#abcdefghijklmnopqrstuvwxyz")) names[ColourOf(c)] = c;
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      auto found = names.find(b.At(x, y) & 0xFFFFFF);
      row += found == names.end() ? '?' : found->second;
    }
    rows.push_back(row);
  }
  return rows;
}

// Two frames of 5 x 3 side by side: the corners, edges and centre of each have letters of
// their own; the second frame has a key pixel in its centre.
const std::vector<std::string> kStrip = {
    "abbbcjkklm",
    "dxyzfnp#qr",
    "ghhhistuvw",
};

struct SmallCase {
  const char* name;
  std::function<void(HDC, const Bitmap& strip)> draw;
  std::vector<std::string> expected; // the 9 x 5 canvas after drawing on '.'
};

TEST_F(DrawingTest, SmallFramesFollowTheSlicingRules) {
  const Margins one{1, 1, 1, 1};
  const SmallCase cases[] = {
      {"sliced at the frame's own size: the frame itself",
       [&](HDC dc, const Bitmap& s) { DrawSlicedFrame(dc, RECT{1, 1, 6, 4}, s, one, 1, 2, false, false, false); },
       {".........", ".abbbc...", ".dxyzf...", ".ghhhi...", "........."}},
      {"tiled centre: whole copies, the overhang under the right edge",
       [&](HDC dc, const Bitmap& s) { DrawSlicedFrame(dc, RECT{0, 1, 9, 4}, s, one, 1, 2, false, true, false); },
       {".........", "abbbbbbbc", "dxyzxyzxf", "ghhhhhhhi", "........."}},
      {"tiled centre two rows high: the piece repeats down as well",
       [&](HDC dc, const Bitmap& s) { DrawSlicedFrame(dc, RECT{0, 0, 6, 4}, s, one, 1, 2, false, true, false); },
       {"abbbbc...", "dxyzxf...", "dxyzxf...", "ghhhhi...", "........."}},
      {"second frame, transparent: the key pixel shows the background",
       [&](HDC dc, const Bitmap& s) { DrawSlicedFrame(dc, RECT{2, 0, 7, 3}, s, one, 2, 2, true, false, false); },
       {"..jkklm..", "..np.qr..", "..stuvw..", ".........", "........."}},
      {"narrower than both side margins: no sides, the top and bottom stay",
       [&](HDC dc, const Bitmap& s) {
         DrawSlicedFrame(dc, RECT{0, 0, 5, 4}, s, Margins{3, 1, 3, 1}, 1, 2, false, false, false);
       },
       {"abbbc....", "dxyzf....", "dxyzf....", "ghhhi....", "........."}},
      {"three-part row: ends kept, the middle repeated, the right end last",
       [&](HDC dc, const Bitmap& s) { DrawThreePartRow(dc, RECT{0, 1, 9, 4}, s, one, 1, 2, false, false); },
       {".........", "abbbbbbbc", "dxyzxyzxf", "ghhhhhhhi", "........."}},
      {"centred, oversized: overhangs on both sides, offsets truncated toward zero",
       [&](HDC dc, const Bitmap& s) { DrawCentredFrame(dc, RECT{3, 1, 5, 2}, s, 1, 2, false); },
       {"..abbbc..", "..dxyzf..", "..ghhhi..", ".........", "........."}},
      {"stretched whole to twice the size",
       [&](HDC dc, const Bitmap& s) { DrawStretchedFrame(dc, RECT{0, 0, 10, 3}, s, 1, 2, false); },
       {"aabbbbbbc", "ddxxyyzzf", "gghhhhhhi", ".........", "........."}},
      {"a piece tiled past the rectangle's edges",
       [&](HDC dc, const Bitmap& s) { TileRect(dc, RECT{0, 0, 4, 2}, s, RECT{1, 1, 4, 2}); },
       {"xyzxyz...", "xyzxyz...", ".........", ".........", "........."}},
      {"inverted rectangle: nothing",
       [&](HDC dc, const Bitmap& s) { DrawSlicedFrame(dc, RECT{5, 1, 2, 4}, s, one, 1, 2, false, false, false); },
       {".........", ".........", ".........", ".........", "........."}},
  };
  const Bitmap strip = Picture(kStrip);
  for (const SmallCase& c : cases) {
    Bitmap canvas = Picture({".........", ".........", ".........", ".........", "........."});
    {
      BitmapDC dc(canvas);
      c.draw(dc.Get(), strip);
    }
    EXPECT_EQ(Letters(canvas), c.expected) << c.name;
  }
}

// ---- larger compositions against the reference built from the rules

constexpr int kWidth = 160, kHeight = 100;

struct Operation {
  const char* name;
  std::function<void(HDC)> draw;
  std::function<void(Bitmap&)> expect; // what the drawing leaves on the canvas
};

// The ramp of count colours from start to end (0x00BBGGRR) as the rule gives it: channel
// start + (i * d + n div 2) div n for entry i, n = count - 1, division truncating toward zero.
Pixel RampEntry(COLORREF start, COLORREF end, int count, int i) {
  const int n = count - 1;
  auto channel = [&](int shift) {
    const int from = static_cast<int>(start >> shift & 0xFF), d = static_cast<int>(end >> shift & 0xFF) - from;
    return static_cast<unsigned>(from + (i * d + n / 2) / n);
  };
  return MakePixel(channel(0), channel(8), channel(16));
}

// The operations read the two bitmaps through pointers, so the table holds no copies.
std::vector<Operation> Operations(const Bitmap* strip, const Bitmap* vertical) {
  using namespace reference;
  const Margins margins{3, 2, 4, 3};
  const RECT r{7, 9, 7 + 61, 9 + 27};
  return {
      {"sliced, stretched, opaque",
       [=](HDC dc) { DrawSlicedFrame(dc, r, *strip, margins, 2, 3, false, false, false); },
       [=](Bitmap& c) { PutDown(c, Sliced(61, 27, *strip, margins, 2, 3, false, false), 7, 9, false); }},
      {"sliced, tiled, transparent, stacked frames",
       [=](HDC dc) { DrawSlicedFrame(dc, r, *vertical, margins, 3, 3, true, true, true); },
       [=](Bitmap& c) { PutDown(c, Sliced(61, 27, *vertical, margins, 3, 3, true, true), 7, 9, true); }},
      {"sliced into a frame narrower than its margins",
       [=](HDC dc) { DrawSlicedFrame(dc, RECT{100, 10, 105, 70}, *strip, margins, 1, 3, true, false, false); },
       [=](Bitmap& c) { PutDown(c, Sliced(5, 60, *strip, margins, 1, 3, false, false), 100, 10, true); }},
      {"stretched, transparent",
       [=](HDC dc) { DrawStretchedFrame(dc, r, *strip, 3, 3, true); },
       [=](Bitmap& c) { PutDown(c, Stretched(61, 27, *strip, 3, 3), 7, 9, true); }},
      {"centred, oversized, opaque",
       [=](HDC dc) { DrawCentredFrame(dc, RECT{120, 50, 125, 53}, *strip, 1, 3, false); },
       [=](Bitmap& c) { PutDown(c, Frame(*strip, 1, 3), 120 + (5 - 21) / 2, 50 + (3 - 14) / 2, false); }},
      {"three-part row, transparent",
       [=](HDC dc) { DrawThreePartRow(dc, RECT{5, 60, 150, 75}, *vertical, margins, 2, 3, true, true); },
       [=](Bitmap& c) { PutDown(c, ThreePartRow(145, 15, *vertical, margins, 2, 3, true), 5, 60, true); }},
      {"tiled piece overhanging its rectangle",
       [=](HDC dc) { TileRect(dc, RECT{20, 40, 67, 61}, *strip, RECT{14, 2, 21, 9}); },
       [=](Bitmap& c) { Tile(c, {20, 40, 67, 61}, *strip, {14, 2, 21, 9}); }},
      {"transparent copy larger than the bitmap",
       [=](HDC dc) { DrawTransparent(dc, RECT{90, 30, 200, 200}, *strip, kKeyColour); },
       [=](Bitmap& c) { PutDown(c, *strip, 90, 30, true); }},
      {"transparent copy of part of the bitmap",
       [=](HDC dc) { DrawTransparent(dc, RECT{30, 70, 58, 79}, *strip, kKeyColour); },
       [=](Bitmap& c) {
         Bitmap part(28, 9);
         CopyPiece(part, {0, 0, 28, 9}, *strip, {0, 0, 28, 9});
         PutDown(c, part, 30, 70, true);
       }},
      {"horizontal ramp from a system colour",
       [](HDC dc) { FillGradientRect(dc, RECT{10, 80, 120, 95}, Colour(0xFF00000F), false, 0x000000); },
       [](Bitmap& c) {
         for (int i = 0; i < 110; ++i)
           for (int y = 80; y < 95; ++y) c.Set(10 + i, y, RampEntry(GetSysColor(COLOR_BTNFACE), 0, 110, i));
       }},
  };
}

class DrawingCompositions : public DrawingTest {
protected:
  const Bitmap strip_ = FrameStrip(21, 14, 3);
  const Bitmap vertical_ = [] {
    Bitmap b = FrameStrip(21, 14, 3);
    RotateBitmapLeft(b); // 14 x 63: three stacked frames
    return b;
  }();
  const Bitmap background_ = Pattern(kWidth, kHeight, 3);
};

TEST_F(DrawingCompositions, MemoryContextGetsThePiecesTheRulesPlace) {
  for (const Operation& op : Operations(&strip_, &vertical_)) {
    Bitmap drawn = background_;
    {
      BitmapDC dc(drawn);
      op.draw(dc.Get());
    }
    Bitmap expected = background_;
    op.expect(expected);
    EXPECT_EQ(FirstDifference(drawn, expected), "") << op.name;
    EXPECT_NE(FirstDifference(drawn, background_), "") << op.name << " drew nothing";
  }
}

TEST_F(DrawingCompositions, WindowGetsThePiecesTheRulesPlace) {
  test::TestWindow window(40, 40, kWidth, kHeight);
  HDC dc = GetDC(window.Get());
  for (const Operation& op : Operations(&strip_, &vertical_)) {
    {
      BitmapDC back(background_);
      BitBlt(dc, 0, 0, kWidth, kHeight, back.Get(), 0, 0, SRCCOPY);
    }
    op.draw(dc);
    GdiFlush();
    Bitmap expected = background_;
    op.expect(expected);
    EXPECT_EQ(FirstDifference(test::ReadPixels(dc, RECT{0, 0, kWidth, kHeight}), expected), "") << op.name;
  }
  ReleaseDC(window.Get(), dc);
}

// A skin-like 400 x 330 window frame drawn step by step on a real window: title strip, tiled
// side borders, text background, a tiled band, a centred frame and three caption buttons.
TEST_F(DrawingCompositions, AWholeWindowFrameComposesAsItsPieces) {
  using namespace reference;
  const Margins m{4, 4, 4, 4};
  test::TestWindow window(300, 200, 400, 330);
  HDC dc = GetDC(window.Get());
  Bitmap expected = Pattern(400, 330, 6);
  {
    BitmapDC back(expected);
    BitBlt(dc, 0, 0, 400, 330, back.Get(), 0, 0, SRCCOPY);
  }
  DrawSlicedFrame(dc, RECT{0, 0, 400, 30}, strip_, m, 1, 3, true, false, false);
  PutDown(expected, Sliced(400, 30, strip_, m, 1, 3, false, false), 0, 0, true);
  DrawSlicedFrame(dc, RECT{0, 30, 6, 330}, vertical_, m, 1, 3, false, true, true);
  PutDown(expected, Sliced(6, 300, vertical_, m, 1, 3, true, true), 0, 30, false);
  DrawSlicedFrame(dc, RECT{394, 30, 400, 330}, vertical_, m, 2, 3, false, true, true);
  PutDown(expected, Sliced(6, 300, vertical_, m, 2, 3, true, true), 394, 30, false);
  DrawThreePartRow(dc, RECT{100, 6, 300, 24}, vertical_, m, 3, 3, true, true);
  PutDown(expected, ThreePartRow(200, 18, vertical_, m, 3, 3, true), 100, 6, true);
  TileRect(dc, RECT{20, 60, 380, 90}, strip_, RECT{0, 0, 21, 14});
  Tile(expected, {20, 60, 380, 90}, strip_, {0, 0, 21, 14});
  DrawCentredFrame(dc, RECT{0, 100, 400, 330}, strip_, 2, 3, false);
  PutDown(expected, Frame(strip_, 2, 3), (400 - 21) / 2, 100 + (230 - 14) / 2, false);
  for (int i = 0; i < 3; ++i) {
    DrawStretchedFrame(dc, ToRECT(RectOfSize(320 + 24 * i, 5, 20, 20)), strip_, i + 1, 3, true);
    PutDown(expected, Stretched(20, 20, strip_, i + 1, 3), 320 + 24 * i, 5, true);
  }
  GdiFlush();
  EXPECT_EQ(FirstDifference(test::ReadPixels(dc, RECT{0, 0, 400, 330}), expected), "");
  ReleaseDC(window.Get(), dc);
}

} // namespace
} // namespace vcu
