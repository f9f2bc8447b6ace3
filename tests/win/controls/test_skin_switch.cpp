// A new skin read while windows wear the old one: every window and control changes to it at
// once through the skin data's change of skin, keeps its client size, gets the new region,
// and shows nothing of the old skin; a thousand switches between our two skins leave the GDI
// and USER object counts and the private bytes flat.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "ButtonTesting.h"
#include "SkinnedForms.h"
#include "framework/StdCtrls.h"
#include "support/GuiResources.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

struct SkinFile {
  const char* path;
  const char* name;   // the skin's own name, as its INI gives it
  int side, title;    // its border and title-bar sizes
  bool roundBottom;   // its lower corners are cut out of the region
};
const SkinFile kDefault{VCU_STORED_SKIN_FILE, nullptr, 4, 30, false};
const SkinFile kMidnight{VCU_MIDNIGHT_SKIN_FILE, "Vantorix Midnight", 6, 34, true};

class SkinSwitch : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    data_.SetOptions(data_.Options() | (1u << xoNoFocusRect));
    button_ = new TButton(&form_);
    button_->SetParent(&form_);
    button_->SetBounds(20, 20, 110, 32);
    edit_ = new TEdit(&form_);
    edit_->SetParent(&form_);
    edit_->SetBounds(20, 70, 160, 24);
    form_.SetClientWidth(360);
    form_.SetClientHeight(220);
    SkinOn();
  }
  // The skin data reads the file; the manager's refresh of the windows is carried out.
  void Switch(const SkinFile& skin) {
    data_.SetSkinFile(skin.path);
    ASSERT_FALSE(data_.SkinEmpty) << "cannot read " << skin.path;
    CarryOutRequestNow();
    Pump();
  }
  void ExpectWearing(const SkinFile& skin) {
    HWND window = form_.Handle();
    if (skin.name) EXPECT_EQ(data_.SkinName, skin.name);
    EXPECT_EQ(ClientSizeOf(window).width, 360);
    EXPECT_EQ(ClientSizeOf(window).height, 220);
    EXPECT_EQ(WindowSizeOf(window).width, 360 + 2 * skin.side);
    EXPECT_EQ(WindowSizeOf(window).height, 220 + skin.title + skin.side);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR) << "a skinned window has a region";
    const int height = WindowSizeOf(window).height;
    EXPECT_EQ(PtInRegion(region, 0, height - 1) == FALSE, skin.roundBottom) << "lower left corner";
    EXPECT_TRUE(PtInRegion(region, WindowSizeOf(window).width / 2, height - 1)) << "the bottom edge between the corners";
    DeleteObject(region);
    // The button in the new skin's frame, nothing of the old one left.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    EXPECT_EQ(FirstDifference(ClientPixels(button_->Handle()), ComposedButtonFrame(data_, 1, 110, 32)), "");
  }

  TButton* button_ = nullptr;
  TEdit* edit_ = nullptr;
};

TEST_F(SkinSwitch, EveryWindowTakesTheNewSkinAtOnceAndGoesBack) {
  Switch(kMidnight);
  {
    SCOPED_TRACE("midnight");
    ExpectWearing(kMidnight);
  }
  Switch(kDefault);
  {
    SCOPED_TRACE("back to the default");
    ExpectWearing(kDefault);
  }
}

TEST_F(SkinSwitch, AThousandSwitchesLeaveObjectCountsAndPrivateBytesFlat) {
  // The first round trip makes what is made once (caches, fonts).
  Switch(kMidnight);
  Switch(kDefault);
  const GuiObjectCounts first = CountGuiObjects();
  const size_t firstBytes = PrivateBytes();
  for (int i = 0; i < 1000 && !HasFatalFailure(); ++i) Switch(i % 2 == 0 ? kMidnight : kDefault);
  const GuiObjectCounts last = CountGuiObjects();
  const size_t lastBytes = PrivateBytes();
  std::printf("skin switches: GDI objects %ld after the first round trip, %ld after 1000; USER objects %ld, %ld; "
              "private bytes %zu, %zu\n",
              first.gdi, last.gdi, first.user, last.user, firstBytes, lastBytes);
  EXPECT_LE(last.gdi, first.gdi + 4);
  EXPECT_LE(last.user, first.user + 2);
  // A leak of even a kilobyte a switch would pass a megabyte.
  EXPECT_LT(lastBytes, firstBytes + (1u << 20));
  ExpectWearing(kDefault);
}

} // namespace
} // namespace vcu::test
