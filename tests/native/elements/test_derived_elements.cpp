#include <gtest/gtest.h>

#include "BmpWriting.h"
#include "IniFixtures.h"
#include "Pictures.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/elements/DerivedElements.h"
#include "core/image/Gradient.h"
#include "core/image/PixelOps.h"
#include "core/platform/Platform.h"

namespace vcu {
namespace {

using test::MakeIni;

Bitmap SolidStrip(const std::vector<Pixel>& frames, int frameWidth, int height) {
  Bitmap b(frameWidth * static_cast<int>(frames.size()), height, PixelFormat::Bits24);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < b.Width(); ++x) b.Set(x, y, frames[x / frameWidth]);
  return b;
}

const Pixel kMagenta = MakePixel(255, 0, 255);

template <class Record>
std::unique_ptr<Record> Element(const char* name, Bitmap image, int frame = 0) {
  auto r = std::make_unique<Record>(name);
  r->Bitmap = std::move(image);
  r->Frame = frame;
  return r;
}

TEST(FixFrameCounts, FixedCountsAndGuessedBoxFrames) {
  TSkinElements e;
  auto slot = [](std::unique_ptr<TDataSkinObject>& s) { s = Element<TDataSkinObject>("s", Bitmap(), 99); };
  for (auto* s : {&e.MenuBar, &e.GroupBoxEdge, &e.ToolBars, &e.TabPane, &e.StatusBarEdges,
                  &e.SunkEdge, &e.ExtraImages, &e.MenuItem, &e.MenuBackground, &e.Scrollbar,
                  &e.HorzScroll, &e.VertScroll, &e.TrackbarThumbHorz, &e.TrackbarThumbDown,
                  &e.ProgressChunk, &e.Track, &e.HorzScrollThumb, &e.VertScrollThumb})
    slot(*s);
  e.Tabs = Element<TDataSkinBorder>("Tabs", Bitmap(), 99);
  e.ComboButton = Element<TDataSkinBorder>("ComboButton", Bitmap(), 99);
  e.UpDownHorz = Element<TDataSkinBorder>("UpDown.Horz", Bitmap(), 99);
  e.GroupBox = Element<TDataSkinBoxLabel>("GroupBox", Bitmap(), 99);
  e.Progress = Element<TDataSkinBorder>("Progress", Bitmap(), 99);
  e.Progress->Style = 1;
  e.Headerbar = Element<TDataSkinObject>("Headerbar", Bitmap(), 0);
  e.LeftBorder.Frame = 7;
  FixFrameCounts(MakeIni("[VertScrollThumb]\nFrameCount=2\n"), e);
  const std::pair<const TDataSkinObject*, int> expected[] = {
      {e.MenuBar.get(), 2},        {e.GroupBoxEdge.get(), 2},     {e.ToolBars.get(), 5},
      {e.TabPane.get(), 1},        {e.StatusBarEdges.get(), 3},   {e.SunkEdge.get(), 4},
      {e.ExtraImages.get(), 5},    {e.MenuItem.get(), 5},         {e.MenuBackground.get(), 1},
      {e.Scrollbar.get(), 23},     {e.HorzScroll.get(), 4},       {e.VertScroll.get(), 4},
      {e.TrackbarThumbHorz.get(), 5}, {e.TrackbarThumbDown.get(), 5}, {e.Tabs.get(), 5},
      {e.ComboButton.get(), 4},    {e.UpDownHorz.get(), 8},       {e.GroupBox.get(), 1},
      {e.Progress.get(), 1},       {e.Headerbar.get(), 5},        {&e.TitleText, 2},
      {&e.Buttons, 5},             {e.HorzScrollThumb.get(), 3},  {e.VertScrollThumb.get(), 2},
      {e.ProgressChunk.get(), 99}, {e.Track.get(), 99},           {&e.LeftBorder, 7},
  };
  for (const auto& [record, frames] : expected) EXPECT_EQ(record->Frame, frames) << record->Name;
  e.Progress->Style = 0;
  e.Headerbar->Frame = 3;
  FixFrameCounts(MakeIni(""), e);
  EXPECT_EQ(e.Progress->Frame, 2);
  EXPECT_EQ(e.Headerbar->Frame, 3);
}

TEST(FixFrameCounts, CheckAndRadioFramesFromImageWidth) {
  struct Case {
    int width, height, given, expected;
  } cases[] = {
      {52, 13, 0, 4},  // 13-pixel frames under 16 pixels high
      {78, 15, 0, 6},
      {96, 16, 0, 6},  // 16-pixel frames from 16 high
      {96, 13, 0, 7},
      {26, 13, 0, 4},  // at least 4
      {0, 0, 0, 4},    // no image
      {52, 13, 3, 3},  // the skin's own count stays
  };
  for (const Case& c : cases) {
    TSkinElements e;
    e.Buttons.RadioBitmap = test::CoordinateBitmap(c.width, c.height);
    e.Buttons.CheckBitmap = test::CoordinateBitmap(c.width, c.height);
    e.Buttons.RadioFrame = e.Buttons.CheckFrame = c.given;
    FixFrameCounts(MakeIni(""), e);
    EXPECT_EQ(e.Buttons.RadioFrame, c.expected) << c.width << "x" << c.height;
    EXPECT_EQ(e.Buttons.CheckFrame, c.expected) << c.width << "x" << c.height;
  }
}

TEST(MirrorComboButton, SecondImageIsThe24BitMirror) {
  TSkinElements e;
  MirrorComboButton(e); // no combo button: nothing to do
  e.ComboButton = Element<TDataSkinBorder>("ComboButton", test::CoordinateBitmap(5, 2));
  e.ComboButton->Bitmap.SetFormat(PixelFormat::Bits8);
  MirrorComboButton(e);
  const Bitmap& m = e.ComboButton->Bitmap2;
  ASSERT_EQ(m.Width(), 5);
  EXPECT_EQ(m.Format(), PixelFormat::Bits24);
  EXPECT_EQ(e.ComboButton->Bitmap.Format(), PixelFormat::Bits8); // the image itself is kept
  for (int x = 0; x < 5; ++x) EXPECT_EQ(m.At(x, 1), MakePixel(4 - x, 1, 0));
}

// Four sunk-edge states and four button states in solid colours, so every pixel of the
// composed faces can be predicted.
struct ComboSkin {
  std::vector<Pixel> edge{MakePixel(10, 0, 0), MakePixel(20, 0, 0), MakePixel(30, 0, 0), MakePixel(40, 0, 0)};
  std::vector<Pixel> button{MakePixel(0, 10, 0), MakePixel(0, 20, 0), MakePixel(0, 30, 0), MakePixel(0, 40, 0)};
  TSkinElements e;
  ComboSkin() {
    e.SunkEdge = Element<TDataSkinObject>("SunkEdge", SolidStrip(edge, 8, 8), 4);
    e.SunkEdge->SetMargins({3, 2, 3, 2});
    e.ComboButton = Element<TDataSkinBorder>("ComboButton", SolidStrip(button, 6, 6), 4);
  }
};

TEST(BuildComboElements, ComposesOneFacePerState) {
  ComboSkin s;
  BuildComboElements(s.e);
  const int w = Platform().SystemMetric(21) + 2; // 18 with the classic metrics
  const Bitmap& faces = s.e.ComboButton->Bitmap;
  ASSERT_EQ(faces.Width(), 200);
  ASSERT_EQ(faces.Height(), 21);
  for (int n = 0; n < 4; ++n)
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 50; ++x) {
        Pixel expected = s.edge[n];
        if (x >= 50 - w) expected = s.button[n];
        else if (x >= 2 && x < 49 - w && y >= 2 && y < 18) expected = kMagenta;
        ASSERT_EQ(faces.At(50 * n + x, y), expected) << "state " << n << " at " << x << "," << y;
      }
  EXPECT_EQ(s.e.ComboButton->Style, 2);
  EXPECT_EQ(test::MarginList(*s.e.ComboButton), (std::vector<int>{2, 2, w + 2, 2}));
  const Bitmap& mirrored = s.e.SunkEdge->Bitmap;
  ASSERT_EQ(mirrored.Width(), 200);
  for (int x = 0; x < 200; ++x) ASSERT_EQ(mirrored.At(x, 10), faces.At(199 - x, 10)) << x;
  EXPECT_EQ(s.e.SunkEdge->LeftWidth, w + 2);
  EXPECT_EQ(s.e.SunkEdge->RightWidth, 2);
}

TEST(BuildComboElements, GlyphCentredAndTransparencyKept) {
  ComboSkin s;
  const std::vector<Pixel> glyph{MakePixel(0, 0, 1), MakePixel(0, 0, 2), MakePixel(0, 0, 3),
                                 MakePixel(0, 0, 4), MakePixel(0, 0, 5)};
  s.e.ExtraImages = Element<TDataSkinObject>("ExtraImages", SolidStrip(glyph, 6, 5), 5);
  s.e.ExtraImages->Bitmap.Set(6, 0, kMagenta); // the second glyph's top-left corner
  s.e.SunkEdge->Bitmap.Set(0, 0, kMagenta);    // the first edge's top-left corner
  s.e.SunkEdge->Trans = 1;
  BuildComboElements(s.e);
  const Bitmap& faces = s.e.ComboButton->Bitmap;
  // Button area x 32..49 (18 wide): the 6 x 5 glyph goes to (38, 8).
  for (int n = 0; n < 4; ++n) {
    EXPECT_EQ(faces.At(50 * n + 38, 8), n == 1 ? s.button[1] : glyph[n]) << n;
    EXPECT_EQ(faces.At(50 * n + 43, 12), glyph[n]) << n;
    EXPECT_EQ(faces.At(50 * n + 37, 8), s.button[n]) << n;
    EXPECT_EQ(faces.At(50 * n + 44, 8), s.button[n]) << n;
    EXPECT_EQ(faces.At(50 * n + 38, 13), s.button[n]) << n;
  }
  EXPECT_EQ(faces.At(0, 0), kMagenta); // a transparent edge pixel stays see-through
  EXPECT_EQ(faces.At(50, 0), s.edge[1]);
}

TEST(BuildComboElements, SectionsWithoutImagesStillComposeSafely) {
  TSkinElements e;
  e.SunkEdge = Element<TDataSkinObject>("SunkEdge", Bitmap(), 4);
  e.ComboButton = Element<TDataSkinBorder>("ComboButton", Bitmap(), 4);
  e.SunkEdge->SetMargins({40, 30, 40, 30});
  BuildComboElements(e);
  const Bitmap& faces = e.ComboButton->Bitmap;
  ASSERT_EQ(faces.Width(), 200);
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(faces.At(x, y), kMagenta) << x << "," << y;
  BuildComboArrow(e);
  EXPECT_EQ(e.ComboArrow->Bitmap.Width(), 68);
}

TEST(BuildComboArrow, FromComposedFacesOrFromTheButton) {
  ComboSkin s;
  BuildComboElements(s.e);
  BuildComboArrow(s.e);
  ASSERT_TRUE(s.e.ComboArrow);
  EXPECT_EQ(s.e.ComboArrow->Name, "ComboxArrow");
  const Bitmap& arrows = s.e.ComboArrow->Bitmap;
  ASSERT_EQ(arrows.Width(), 68);
  ASSERT_EQ(arrows.Height(), 17);
  EXPECT_EQ(s.e.ComboArrow->Frame, 4);
  // Square i is the face's columns 31..47 and rows 2..18: one column of edge, then button.
  for (int i = 0; i < 4; ++i)
    for (int y = 0; y < 17; ++y) {
      EXPECT_EQ(arrows.At(17 * i, y), s.edge[i]);
      EXPECT_EQ(arrows.At(17 * i + 1, y), s.button[i]);
      EXPECT_EQ(arrows.At(17 * i + 16, y), s.button[i]);
    }

  TSkinElements e;
  e.ComboButton = Element<TDataSkinBorder>("ComboButton", SolidStrip({kMagenta, MakePixel(1, 2, 3)}, 2, 2), 4);
  BuildComboArrow(e);
  const Pixel face = PixelFromRgb(ResolveColour(e.ColourButtonFace));
  EXPECT_EQ(e.ComboArrow->Bitmap.At(0, 0), face);
  EXPECT_EQ(e.ComboArrow->Bitmap.At(2, 1), MakePixel(1, 2, 3));
  EXPECT_EQ(e.ComboArrow->Frame, 4);
  EXPECT_EQ(e.ComboButton->Bitmap.At(0, 0), kMagenta); // the source is not touched

  // A later skin without a combo button leaves no arrow behind.
  e.ComboButton.reset();
  TDataSkinObject* same = e.ComboArrow.get();
  BuildComboArrow(e);
  EXPECT_EQ(e.ComboArrow.get(), same);
  EXPECT_TRUE(e.ComboArrow->Bitmap.Empty());
}

// The ramp runs from the face tinted 15 % toward white down to a shade of the frame colour
// (the top border's pixel a third into its first frame). Worked by hand for a face of
// (238, 240, 244):
//   top    = (c * 150 + 255 * 850 + 500) div 1000 per channel = (252, 253, 253);
//   bottom = 15 % grey over the frame colour, or, for a frame colour with a saturation s above
//            110, the frame colour mixed with white at weight (225 - s) * 25 div 140 + 50;
//   row 39 = top + (39 d + 19) div 39 per channel, truncated toward zero, so a falling
//            channel ends one step above the bottom colour.
TEST(BuildToolbarGradient, RampFromFaceTintToFrameShade) {
  const Rgb face = 0x00F4F0EE;
  const Rgb top = MakeRgb(252, 253, 253);
  struct Case {
    const char* what;
    Pixel frame; // the top border's colour
    Rgb lastRow;
  } cases[] = {
      // Saturation 255: weight -30 * 25 div 140 + 50 = 45; bottom (255, 140, 140).
      {"red", MakePixel(255, 0, 0), MakeRgb(255, 141, 141)},
      // Saturation 128 (127.5 to even): weight 97 * 25 div 140 + 50 = 67; bottom (218, 151, 151).
      {"rose", MakePixel(200, 100, 100), MakeRgb(219, 152, 152)},
      // Saturation 0: (128 * 150 + 160 * 850 + 500) div 1000 = 155 each; bottom (155, 155, 155).
      {"grey", MakePixel(160, 160, 160), MakeRgb(156, 156, 156)},
      // Dark colours count as saturation 200: weight 54; bottom (123, 128, 134).
      {"dark", MakePixel(10, 20, 30), MakeRgb(124, 129, 135)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TSkinElements e;
    e.ColourButtonFace = static_cast<Colour>(face);
    e.TopBorder.Bitmap = Bitmap(9, 6, PixelFormat::Bits24);
    e.TopBorder.Bitmap.Fill(c.frame);
    e.TopBorder.Frame = 2;
    BuildToolbarGradient(e);
    ASSERT_TRUE(e.ToolbarGradient);
    const Bitmap& ramp = e.ToolbarGradient->Bitmap;
    ASSERT_EQ(ramp.Width(), 10);
    ASSERT_EQ(ramp.Height(), 40);
    EXPECT_EQ(e.ToolbarGradient->Name, "Toolbar");
    EXPECT_EQ(e.ToolbarGradient->Frame, 1);
    EXPECT_EQ(RgbFromPixel(ramp.At(0, 0)), top);
    EXPECT_EQ(RgbFromPixel(ramp.At(9, 0)), top);
    EXPECT_EQ(RgbFromPixel(ramp.At(5, 39)), c.lastRow);
  }
}

TEST(ComputeFrameColour, PixelAThirdIntoTheFirstFrame) {
  TSkinElements e;
  EXPECT_EQ(ComputeFrameColour(e), e.ColourButtonFace); // no top border image
  e.TopBorder.Bitmap = test::CoordinateBitmap(30, 16);
  struct Case {
    int frame, x, y;
  } cases[] = {{2, 10, 2}, {1, 10, 5}, {0, 10, 5}, {-3, 10, 5}, {40, 10, 0}};
  for (const Case& c : cases) {
    e.TopBorder.Frame = c.frame;
    EXPECT_EQ(ComputeFrameColour(e), RgbColour(c.x, c.y, 0)) << c.frame;
  }
}

} // namespace
} // namespace vcu
