// The composed frame and the window region, checked pixel by pixel against what a 40 x 30
// window must show with a small hand-made skin: borders 3, 4, 3, 2 pixels, each frame's parts
// lettered so every canvas pixel tells which border, frame and slice it came from.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <utility>

#include "Pictures.h"
#include "core/form/FrameComposer.h"

namespace vcu {
namespace {

using Point = std::pair<int, int>;

const Pixel kMagenta = MakePixel(255, 0, 255);
const Pixel kNearMagenta = MakePixel(255, 1, 255); // within the key's tolerance
const Pixel kOffMagenta = MakePixel(254, 0, 255);  // just outside it

const test::Legend& Letters() {
  static const test::Legend legend = [] {
    test::Legend l;
    for (char c : std::string("abcdgkloprsqnzABCDGKLNOPQRS")) l[c] = MakePixel(c, 40, 40);
    l['m'] = kMagenta;
    l['X'] = kNearMagenta;
    l['Y'] = kOffMagenta;
    return l;
  }();
  return legend;
}

// Left and right: two 3 x 6 frames side by side, 2-pixel end slices, a two-row middle (b/d).
// Top: two stacked 10 x 4 frames, 3-pixel end slices, a "lnln" middle. Bottom: two stacked
// 6 x 2 frames with 1-pixel ends. Lower case is the active frame, upper case the inactive.
TSkinElements TestSkin(int stretch) {
  TSkinElements s;
  const auto set = [&](TDataSkinBorder& b, std::vector<std::string> rows, Margins m) {
    b.Bitmap = test::Picture(rows, Letters());
    b.SetMargins(m);
    b.Frame = 2;
    b.Tile = stretch;
    b.Trans = 1;
  };
  set(s.LeftBorder, {"maamAA", "aaaAAA", "bbbBBB", "dddDDD", "cccCCC", "cccCCC"}, {0, 2, 0, 2});
  set(s.RightBorder, {"ppmPPm", "pppPPP", "qqqQQQ", "rrrRRR", "sssSSS", "sssSSS"}, {0, 2, 0, 2});
  set(s.TopBorder,
      {"mkklnlnoom", "kkklnlnooo", "kkklnlnooo", "kkklnlnooo", "KKKLNLNOOO", "KKKLNLNOOO",
       "KKKLNLNOOO", "KKKLNLNOOO"},
      {3, 0, 3, 0});
  set(s.BottomBorder, {"Yggggg", "gggggX", "GGGGGG", "GGGGGG"}, {1, 0, 1, 0});
  return s;
}

const BorderSizes kBorders{3, 4, 3, 2};

char At(const Bitmap& b, int x, int y) {
  for (const auto& [letter, pixel] : Letters())
    if (pixel == b.At(x, y)) return letter;
  return '?';
}

std::string Column(const Bitmap& b, int x, int y0, int y1) {
  std::string s;
  for (int y = y0; y < y1; ++y) s += At(b, x, y);
  return s;
}

std::string Row(const Bitmap& b, int y, int x0, int x1) {
  std::string s;
  for (int x = x0; x < x1; ++x) s += At(b, x, y);
  return s;
}

// first repeated, then second repeated, each at least once.
bool OneStep(const std::string& s, char first, char second) {
  const std::size_t split = s.find_first_not_of(first);
  return split != 0 && split != std::string::npos &&
         s.find_first_not_of(second, split) == std::string::npos;
}

Bitmap Canvas() {
  Bitmap canvas(40, 30);
  canvas.Fill(Letters().at('z'));
  return canvas;
}

TEST(ComposeBorders, ActiveFramesStretchedIntoTheirPlaces) {
  Bitmap canvas = Canvas();
  ComposeBorders(canvas, TestSkin(1), kBorders, true);
  for (int x = 0; x < 3; ++x) {
    const std::string left = Column(canvas, x, 0, 30);
    EXPECT_EQ(left.substr(0, 2), x == 0 ? "ma" : "aa");
    EXPECT_EQ(left.substr(28), "cc");
    EXPECT_TRUE(OneStep(left.substr(2, 26), 'b', 'd')) << left;
    const std::string right = Column(canvas, 37 + x, 0, 30);
    EXPECT_EQ(right.substr(0, 2), x == 2 ? "mp" : "pp");
    EXPECT_EQ(right.substr(28), "ss");
    EXPECT_TRUE(OneStep(right.substr(2, 26), 'q', 'r')) << right;
  }
  EXPECT_EQ(Row(canvas, 0, 3, 6), "mkk");
  EXPECT_EQ(Row(canvas, 0, 34, 37), "oom");
  for (int y = 1; y < 4; ++y) {
    EXPECT_EQ(Row(canvas, y, 3, 6), "kkk");
    EXPECT_EQ(Row(canvas, y, 34, 37), "ooo");
  }
  // Four middle columns stretched over 28: l, n, l, n, each a run of its own.
  const std::string middle = Row(canvas, 2, 6, 34);
  EXPECT_EQ(middle.front(), 'l');
  EXPECT_EQ(middle.back(), 'n');
  int changes = 0;
  for (std::size_t i = 1; i < middle.size(); ++i) changes += middle[i] != middle[i - 1];
  EXPECT_EQ(changes, 3) << middle;
  EXPECT_EQ(Row(canvas, 28, 3, 37), "Y" + std::string(33, 'g'));
  EXPECT_EQ(Row(canvas, 29, 3, 37), std::string(33, 'g') + "X");
  // The client area is not touched.
  for (int y = 4; y < 28; ++y) EXPECT_EQ(Row(canvas, y, 3, 37), std::string(34, 'z')) << y;
}

TEST(ComposeBorders, StretchOtherThanOneTilesTheMiddle) {
  for (int stretch : {0, -1}) {
    Bitmap canvas = Canvas();
    ComposeBorders(canvas, TestSkin(stretch), kBorders, true);
    std::string bd, lnln;
    for (int i = 0; i < 26; ++i) bd += i % 2 ? 'd' : 'b';
    for (int i = 0; i < 28; ++i) lnln += "lnln"[i % 4];
    EXPECT_EQ(Column(canvas, 1, 2, 28), bd) << stretch;
    EXPECT_EQ(Row(canvas, 1, 6, 34), lnln) << stretch;
  }
}

TEST(ComposeBorders, InactiveWindowUsesTheSecondFrameUnlessThereIsOnlyOne) {
  Bitmap canvas = Canvas();
  ComposeBorders(canvas, TestSkin(1), kBorders, false);
  EXPECT_EQ(Column(canvas, 1, 0, 2), "AA");
  EXPECT_EQ(Column(canvas, 38, 28, 30), "SS");
  EXPECT_EQ(Row(canvas, 0, 3, 6), "KKK");
  EXPECT_EQ(Row(canvas, 29, 3, 37), std::string(34, 'G'));

  // A single-frame strip (the whole image one frame) is drawn the same either way.
  TSkinElements one = TestSkin(1);
  one.TopBorder.Frame = 1;
  one.TopBorder.Bitmap = test::Picture({"kkklnlnooo"}, Letters());
  Bitmap single = Canvas();
  ComposeBorders(single, one, BorderSizes{3, 1, 3, 2}, false);
  EXPECT_EQ(Row(single, 0, 3, 6), "kkk");
}

// The pixels the region covers, from its rectangles.
std::set<Point> Covered(const std::vector<Rect>& runs) {
  std::set<Point> pixels;
  for (const Rect& r : runs) {
    EXPECT_FALSE(r.Empty());
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) pixels.insert({x, y});
  }
  return pixels;
}

std::set<Point> WindowWithout(const std::set<Point>& holes, int width = 40, int height = 30) {
  std::set<Point> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!holes.count({x, y})) pixels.insert({x, y});
  return pixels;
}

TEST(FrameRegionRuns, MagentaCornersAreCutOut) {
  // Left top corner, right top corner, both ends of the title, and the near-magenta pixel at
  // the bottom right; the off-magenta one at the bottom left stays.
  const std::set<Point> holes = {{0, 0}, {39, 0}, {3, 0}, {36, 0}, {36, 29}};
  EXPECT_EQ(Covered(FrameRegionRuns(TestSkin(1), kBorders, 40, 30, fkSizeable)),
            WindowWithout(holes));
  EXPECT_EQ(Covered(FrameRegionRuns(TestSkin(0), kBorders, 40, 30, fkDialog)),
            WindowWithout(holes));
}

TEST(FrameRegionRuns, StraightEdgesAreOneRectangleEach) {
  const std::vector<Rect> runs = FrameRegionRuns(TestSkin(1), kBorders, 40, 30, fkSizeable);
  for (const Rect& edge : {Rect{0, 1, 3, 30}, Rect{37, 1, 40, 30}, Rect{3, 1, 37, 4}})
    EXPECT_NE(std::find(runs.begin(), runs.end(), edge), runs.end())
        << edge.left << "," << edge.top << "," << edge.right << "," << edge.bottom;
  // Inner rectangle, and two pieces for each border: its cut row and the rest.
  EXPECT_EQ(runs.size(), 9u);
}

TEST(FrameRegionRuns, RowsJoinOnlyWhereTheyContinue) {
  // A tiled left border whose rows alternate full, cut, split and missing: the region must
  // follow every row, not bridge the gaps.
  const std::vector<std::string> rows = {"aaa", "mmm", "aaa", "ama", "aaa", "mma"};
  TSkinElements s = TestSkin(0);
  s.LeftBorder.Bitmap = test::Picture(rows, Letters());
  s.LeftBorder.Frame = 1;
  s.LeftBorder.SetMargins({});
  s.RightBorder.Trans = s.TopBorder.Trans = s.BottomBorder.Trans = 0;
  std::set<Point> holes;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 3; ++x)
      if (rows[y % rows.size()][x] == 'm') holes.insert({x, y});
  EXPECT_EQ(Covered(FrameRegionRuns(s, kBorders, 40, 30, fkSizeable)), WindowWithout(holes));
}

TEST(FrameRegionRuns, UnshapedFrameIsTheWholeWindow) {
  TSkinElements s = TestSkin(1);
  s.LeftBorder.Trans = s.RightBorder.Trans = s.TopBorder.Trans = s.BottomBorder.Trans = 0;
  EXPECT_FALSE(FrameIsShaped(s));
  EXPECT_EQ(FrameRegionRuns(s, kBorders, 40, 30, fkSizeable), (std::vector<Rect>{{0, 0, 40, 30}}));
  EXPECT_TRUE(FrameRegionRuns(s, kBorders, 0, 30, fkSizeable).empty());
}

TEST(FrameRegionRuns, OnlyTheBottomTransparentStillShapes) {
  TSkinElements s = TestSkin(1);
  s.LeftBorder.Trans = s.RightBorder.Trans = s.TopBorder.Trans = 0;
  EXPECT_TRUE(FrameIsShaped(s));
  EXPECT_EQ(Covered(FrameRegionRuns(s, kBorders, 40, 30, fkSizeable)), WindowWithout({{36, 29}}));
}

TEST(FrameRegionRuns, TransOtherThanOneShapesButKeepsTheBorderWhole) {
  TSkinElements s = TestSkin(1);
  s.LeftBorder.Trans = 2;
  s.RightBorder.Trans = s.TopBorder.Trans = s.BottomBorder.Trans = 0;
  EXPECT_TRUE(FrameIsShaped(s));
  EXPECT_EQ(Covered(FrameRegionRuns(s, kBorders, 40, 30, fkSizeable)), WindowWithout({}));
}

TEST(FrameRegionRuns, ThinStripsAreKeptWhole) {
  // A 1-pixel bottom and title are rectangles even with magenta in them.
  EXPECT_EQ(Covered(FrameRegionRuns(TestSkin(1), BorderSizes{3, 1, 3, 1}, 40, 30, fkSizeable)),
            WindowWithout({{0, 0}, {39, 0}}));
  // A 1-pixel-high window keeps its sides whole, and nothing reaches outside it.
  const std::set<Point> flat = Covered(FrameRegionRuns(TestSkin(1), kBorders, 40, 1, fkSizeable));
  EXPECT_TRUE(flat.count({0, 0}));
  EXPECT_TRUE(flat.count({39, 0}));
  for (const Point& p : flat) EXPECT_EQ(p.second, 0);
}

TEST(FrameRegionRuns, FrameWithoutCaptionIsTheInnerRectangleOnly) {
  EXPECT_EQ(FrameRegionRuns(TestSkin(1), kBorders, 40, 30, fkNoCaption),
            (std::vector<Rect>{{3, 4, 37, 28}}));
  EXPECT_EQ(FrameRegionRuns(TestSkin(1), BorderSizes{}, 40, 30, fkNoCaption),
            (std::vector<Rect>{{0, 0, 40, 30}}));
}

// Values a damaged skin or an odd window can bring: no crash, nothing outside the canvas
// written (the sanitizers watch), no empty rectangles in a region.
TEST(FrameComposer, BadValuesNeitherCrashNorOverflow) {
  const int counts[] = {0, -1, INT_MIN, INT_MAX};
  const Margins margins[] = {{INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                             {INT_MIN, INT_MIN, INT_MIN, INT_MIN},
                             {-5, 40, 3, 1000}};
  const BorderSizes borders[] = {{100, 100, 100, 100},
                                 {40000, 40000, 40000, 40000},
                                 {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                                 {0, 0, 0, 0}};
  for (int count : counts)
    for (const Margins& m : margins)
      for (const BorderSizes& b : borders)
        for (bool active : {true, false}) {
          TSkinElements s = TestSkin(active ? 1 : 0);
          for (TDataSkinBorder* border :
               {&s.LeftBorder, &s.RightBorder, &s.TopBorder, &s.BottomBorder}) {
            border->Frame = count;
            border->SetMargins(m);
          }
          Bitmap canvas = Canvas();
          ComposeBorders(canvas, s, b, active);
          for (const Rect& r : FrameRegionRuns(s, b, 40, 30, fkSizeable)) {
            EXPECT_FALSE(r.Empty());
            EXPECT_EQ(Intersect(r, Rect{0, 0, 40, 30}), r);
          }
        }
  TSkinElements empty;
  empty.TopBorder.Trans = 1;
  Bitmap canvas = Canvas();
  ComposeBorders(canvas, empty, kBorders, true);
  EXPECT_EQ(Row(canvas, 0, 0, 40), std::string(40, 'z'));
  EXPECT_EQ(Covered(FrameRegionRuns(empty, kBorders, 40, 30, fkSizeable)), WindowWithout({}));
}

} // namespace
} // namespace vcu
