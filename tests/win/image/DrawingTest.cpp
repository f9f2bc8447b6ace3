// The device-context drawing routines against the portable composition: the same operation on
// a memory DC, on a real window and on a core bitmap must leave the same pixels.
#include <cstdlib>
#include <functional>

#include <gtest/gtest.h>

#include "GdiTesting.h"
#include "core/image/Blit.h"
#include "core/image/Gradient.h"
#include "core/image/Transparency.h"
#include "framework/Win32Platform.h"
#include "skin/data/WinRect.h"
#include "skin/data/imgutil.h"

namespace vcu {
namespace {

using testing::FirstDifference;
using testing::FrameStrip;
using testing::Pattern;

constexpr int kWidth = 160, kHeight = 100;

struct Operation {
  const char* name;
  std::function<void(HDC)> gdi;
  std::function<void(Bitmap&)> core;
};

// Every operation reads the two bitmaps through pointers, so the table holds no copies.
std::vector<Operation> Operations(const Bitmap& stripRef, const Bitmap& verticalRef) {
  const Bitmap* const strip = &stripRef;
  const Bitmap* const vertical = &verticalRef;
  const Margins margins{3, 2, 4, 3};
  const RECT r{7, 9, 7 + 61, 9 + 27};
  const Rect c = ToRect(r);
  return {
      {"sliced, stretched, opaque",
       [=](HDC dc) { DrawSlicedFrame(dc, r, *strip, margins, 2, 3, false, false, false); },
       [=](Bitmap& b) {
         DrawPlaced(b, SlicedFrameImage(c, *strip, margins, 2, 3, false, false), false);
       }},
      {"sliced, tiled, transparent, stacked frames",
       [=](HDC dc) { DrawSlicedFrame(dc, r, *vertical, margins, 3, 3, true, true, true); },
       [=](Bitmap& b) {
         DrawPlaced(b, SlicedFrameImage(c, *vertical, margins, 3, 3, true, true), true);
       }},
      {"sliced into a frame narrower than its margins",
       [=](HDC dc) {
         DrawSlicedFrame(dc, RECT{100, 10, 105, 70}, *strip, margins, 1, 3, true, false, false);
       },
       [=](Bitmap& b) {
         DrawPlaced(b, SlicedFrameImage({100, 10, 105, 70}, *strip, margins, 1, 3, false, false),
                    true);
       }},
      {"stretched, transparent",
       [=](HDC dc) { DrawStretchedFrame(dc, r, *strip, 3, 3, true); },
       [=](Bitmap& b) { DrawPlaced(b, StretchedFrameImage(c, *strip, 3, 3), true); }},
      {"centred, oversized, opaque",
       [=](HDC dc) { DrawCentredFrame(dc, RECT{120, 50, 125, 53}, *strip, 1, 3, false); },
       [=](Bitmap& b) {
         DrawPlaced(b, CentredFrameImage({120, 50, 125, 53}, *strip, 1, 3), false);
       }},
      {"three-part row, transparent",
       [=](HDC dc) {
         DrawThreePartRow(dc, RECT{5, 60, 150, 75}, *vertical, margins, 2, 3, true, true);
       },
       [=](Bitmap& b) {
         DrawPlaced(b, ThreePartRowImage({5, 60, 150, 75}, *vertical, margins, 2, 3, true), true);
       }},
      {"tiled piece overhanging its rectangle",
       [=](HDC dc) { TileRect(dc, RECT{20, 40, 67, 61}, *strip, RECT{14, 2, 21, 9}); },
       [=](Bitmap& b) { TileRect(b, {20, 40, 67, 61}, *strip, {14, 2, 21, 9}); }},
      {"transparent copy larger than the bitmap",
       [=](HDC dc) { DrawTransparent(dc, RECT{90, 30, 200, 200}, *strip, kKeyColour); },
       [=](Bitmap& b) { DrawTransparent(b, {90, 30, 200, 200}, *strip, kKeyColour); }},
      {"transparent copy of part of the bitmap",
       [=](HDC dc) { DrawTransparent(dc, RECT{30, 70, 58, 79}, *strip, kKeyColour); },
       [=](Bitmap& b) { DrawTransparent(b, {30, 70, 58, 79}, *strip, kKeyColour); }},
      {"vertical ramp",
       [](HDC dc) { FillGradientRect(dc, RECT{130, 5, 150, 95}, 0x2040C0, true, 0xF0E0D0); },
       [](Bitmap& b) { FillGradientRect(b, {130, 5, 150, 95}, 0x2040C0, true, 0xF0E0D0); }},
      {"horizontal ramp of system colours",
       [](HDC dc) {
         FillGradientRect(dc, RECT{10, 80, 120, 95}, Colour(0xFF00000F), false, 0x000000);
       },
       [](Bitmap& b) {
         FillGradientRect(b, {10, 80, 120, 95}, Colour(0xFF00000F), false, 0x000000);
       }},
  };
}

class DrawingTest : public ::testing::Test {
protected:
  void SetUp() override {
    UseDibSectionPixels();
    UseWin32Platform();
    ResetGradientCache();
  }
  void TearDown() override {
    SetPixelAllocator(nullptr);
    SetPlatform(nullptr);
  }

  const Bitmap strip_ = FrameStrip(21, 14, 3);
  const Bitmap vertical_ = [] {
    Bitmap b = FrameStrip(21, 14, 3);
    RotateBitmapLeft(b); // 14 x 63: three stacked frames
    return b;
  }();
  const Bitmap background_ = Pattern(kWidth, kHeight, 3);
};

TEST_F(DrawingTest, MemoryContextGetsThePortablePixels) {
  for (const Operation& op : Operations(strip_, vertical_)) {
    Bitmap drawn = background_;
    {
      BitmapDC dc(drawn);
      op.gdi(dc.Get());
    }
    Bitmap composed = background_;
    op.core(composed);
    EXPECT_EQ(FirstDifference(drawn, composed), "") << op.name;
    EXPECT_NE(FirstDifference(drawn, background_), "") << op.name << " drew nothing";
  }
}

TEST_F(DrawingTest, WindowGetsThePortablePixels) {
  testing::TestWindow window(40, 40, kWidth, kHeight);
  HDC dc = GetDC(window.Get());
  for (const Operation& op : Operations(strip_, vertical_)) {
    {
      BitmapDC back(background_);
      BitBlt(dc, 0, 0, kWidth, kHeight, back.Get(), 0, 0, SRCCOPY);
    }
    op.gdi(dc);
    GdiFlush();
    Bitmap composed = background_;
    op.core(composed);
    EXPECT_EQ(FirstDifference(testing::ReadBack(dc, 0, 0, kWidth, kHeight), composed), "")
        << op.name;
  }
  // The window shows what was drawn last; GetPixel agrees with the block read-back.
  EXPECT_EQ(GetPixel(dc, 140, 50), RgbFromPixel(testing::ReadBack(dc, 140, 50, 1, 1).At(0, 0)));
  ReleaseDC(window.Get(), dc);
}

// A skin-like 400 x 330 window frame drawn step by step: background ramp, title strip with
// its text background and three caption buttons, tiled side borders, a tiled band and a
// centred frame.
std::vector<Operation> WindowFrame(const Bitmap* strip, const Bitmap* vertical) {
  const Margins m{4, 4, 4, 4};
  auto sliced = [=](Rect r, const Bitmap* b, int index, bool transparent, bool tile,
                    bool stacked) {
    return Operation{"sliced",
                     [=](HDC dc) {
                       DrawSlicedFrame(dc, ToRECT(r), *b, m, index, 3, transparent, tile,
                                       stacked);
                     },
                     [=](Bitmap& c) {
                       DrawPlaced(c, SlicedFrameImage(r, *b, m, index, 3, tile, stacked),
                                  transparent);
                     }};
  };
  std::vector<Operation> ops = {
      {"ramp",
       [](HDC dc) { FillGradientRect(dc, RECT{0, 0, 400, 330}, 0xF0F0F0, true, 0xA0A0A0); },
       [](Bitmap& c) { FillGradientRect(c, {0, 0, 400, 330}, 0xF0F0F0, true, 0xA0A0A0); }},
      sliced({0, 0, 400, 30}, strip, 1, true, false, false),
      sliced({0, 30, 6, 330}, vertical, 1, false, true, true),
      sliced({394, 30, 400, 330}, vertical, 2, false, true, true),
      {"text background",
       [=](HDC dc) { DrawThreePartRow(dc, RECT{100, 6, 300, 24}, *vertical, m, 3, 3, true, true); },
       [=](Bitmap& c) {
         DrawPlaced(c, ThreePartRowImage({100, 6, 300, 24}, *vertical, m, 3, 3, true), true);
       }},
      {"band", [=](HDC dc) { TileRect(dc, RECT{20, 60, 380, 90}, *strip, RECT{0, 0, 21, 14}); },
       [=](Bitmap& c) { TileRect(c, {20, 60, 380, 90}, *strip, {0, 0, 21, 14}); }},
      {"centred",
       [=](HDC dc) { DrawCentredFrame(dc, RECT{0, 100, 400, 330}, *strip, 2, 3, false); },
       [=](Bitmap& c) {
         DrawPlaced(c, CentredFrameImage({0, 100, 400, 330}, *strip, 2, 3), false);
       }},
  };
  for (int i = 0; i < 3; ++i) {
    const Rect button = RectOfSize(320 + 24 * i, 5, 20, 20);
    ops.push_back({"button",
                   [=](HDC dc) { DrawStretchedFrame(dc, ToRECT(button), *strip, i + 1, 3, true); },
                   [=](Bitmap& c) {
                     DrawPlaced(c, StretchedFrameImage(button, *strip, i + 1, 3), true);
                   }});
  }
  return ops;
}

// VCU_IMAGE_SHOW_MS keeps the window up that long, for a look with the eye.
TEST_F(DrawingTest, AWholeWindowFrameComposesAlike) {
  testing::TestWindow window(300, 200, 400, 330);
  HDC dc = GetDC(window.Get());
  Bitmap composed(400, 330);
  for (const Operation& op : WindowFrame(&strip_, &vertical_)) {
    op.gdi(dc);
    op.core(composed);
  }
  GdiFlush();
  EXPECT_EQ(FirstDifference(testing::ReadBack(dc, 0, 0, 400, 330), composed), "");
  ReleaseDC(window.Get(), dc);
  if (const char* hold = std::getenv("VCU_IMAGE_SHOW_MS")) {
    const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(hold));
    while (GetTickCount() < until)
      testing::PumpMessages();
  }
}

} // namespace
} // namespace vcu
