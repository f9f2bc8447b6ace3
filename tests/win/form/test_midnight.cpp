// Framework forms under our second skin, midnight, read from its packed file the way a program
// that names a SkinFile reads it: each window keeps the client it asked for inside the skin's
// thicker borders and taller title, and its region follows the four round corners.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "SkinnedForms.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

// Midnight's borders: sides and bottom 6, title 34.
constexpr int kSide = 6, kTitle = 34, kBottom = 6;

class MidnightForms : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    data_.SetSkinFile(VCU_MIDNIGHT_SKIN_FILE);
    ASSERT_FALSE(data_.SkinEmpty) << "cannot read " << VCU_MIDNIGHT_SKIN_FILE;
    ASSERT_EQ(data_.SkinName, "Vantorix Midnight");
    // Reading a new skin asks the manager for a refresh; let it carry that out first.
    ASSERT_TRUE(PumpUntil([this] { return !Manager().TimerEnabled(); }, "the manager to carry the request out"));
  }
};

bool InRegion(HRGN region, int x, int y) { return PtInRegion(region, x, y) != FALSE; }

TEST_F(MidnightForms, ClientKeptAndRegionShapedByRoundCorners) {
  const struct {
    const char* name;
    TFormBorderStyle style;
    int clientWidth, clientHeight;
  } cases[] = {
      {"sizeable", bsSizeable, 392, 273},
      {"single", bsSingle, 300, 180},
      {"dialog", bsDialog, 240, 120},
      {"tool window", bsToolWindow, 200, 90},
      {"small", bsSizeable, 160, 60},
  };
  std::vector<std::unique_ptr<TForm>> forms;
  for (const auto& c : cases) {
    forms.push_back(std::make_unique<TForm>(nullptr));
    TForm& form = *forms.back();
    form.SetBorderStyle(c.style);
    form.SetBounds(140, 110, 200, 200);
    form.SetClientWidth(c.clientWidth);
    form.SetClientHeight(c.clientHeight);
    form.Show();
  }
  SkinOn();
  for (std::size_t i = 0; i < forms.size(); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.name);
    HWND window = forms[i]->Handle();
    ASSERT_TRUE(PumpUntilSkinned(window));
    const BorderSizes& b = RunningSkinner(window)->Borders();
    EXPECT_EQ((std::vector<int>{b.left, b.top, b.right, b.bottom}), (std::vector<int>{kSide, kTitle, kSide, kBottom}));
    const WindowSize client = ClientSizeOf(window);
    const WindowSize size = WindowSizeOf(window);
    EXPECT_EQ(client.width, c.clientWidth);
    EXPECT_EQ(client.height, c.clientHeight);
    EXPECT_EQ(size.width, c.clientWidth + 2 * kSide);
    EXPECT_EQ(size.height, c.clientHeight + kTitle + kBottom);

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(window, region), COMPLEXREGION) << "the region is not a plain rectangle";
    const int W = size.width, H = size.height;
    // Every corner is cut, all four of them, and deeper than the outermost pixel.
    for (POINT p : {POINT{0, 0}, POINT{W - 1, 0}, POINT{0, H - 1}, POINT{W - 1, H - 1}, POINT{1, 1}, POINT{W - 2, 1},
                    POINT{1, H - 2}, POINT{W - 2, H - 2}})
      EXPECT_FALSE(InRegion(region, p.x, p.y)) << "corner pixel " << p.x << "," << p.y;
    // The edges between the corners, the title and the whole client are in.
    for (POINT p : {POINT{W / 2, 0}, POINT{0, H / 2}, POINT{W - 1, H / 2}, POINT{W / 2, H - 1}, POINT{W / 2, kTitle / 2},
                    POINT{kSide, kTitle}, POINT{W - kSide - 1, kTitle}, POINT{kSide, H - kBottom - 1},
                    POINT{W - kSide - 1, H - kBottom - 1}})
      EXPECT_TRUE(InRegion(region, p.x, p.y)) << "frame or client pixel " << p.x << "," << p.y;
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, W);
    EXPECT_EQ(box.bottom, H);
    DeleteObject(region);
    std::printf("%s: client %dx%d, skinned window %dx%d\n", c.name, client.width, client.height, W, H);
  }
}

} // namespace
} // namespace vcu::test
