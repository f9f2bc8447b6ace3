// The real main window with the large system scroll bars of an accessibility setting. The
// skin's combo faces are composed from the scroll-arrow width while the stored skin loads, so
// this is where a width of 46 pixels or more once crashed the program before its window
// appeared. The window must come up, with its stored skin loaded, and work.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "support/Dialogs.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"
#include "app/Main.h"
#include "framework/Win32Platform.h"
#include "skin/data/WinSkinData.h"
#include "kit-sim/ClassRegistration.h"

namespace vcu {
namespace {

// Sets the system's scroll-bar width and height for this process (without writing the user's
// profile) and puts back the metrics it found when it goes out of scope. Wine answers
// GetSystemMetrics from the new values at once.
class ScrollBarSize {
public:
  explicit ScrollBarSize(int pixels) {
    saved_.cbSize = sizeof saved_;
    ok_ = SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0) != 0;
    NONCLIENTMETRICSA large = saved_;
    large.iScrollWidth = large.iScrollHeight = pixels;
    ok_ = ok_ && SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof large, &large, 0) != 0;
  }
  ~ScrollBarSize() { SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0); }
  ScrollBarSize(const ScrollBarSize&) = delete;
  ScrollBarSize& operator=(const ScrollBarSize&) = delete;
  bool Set() const { return ok_; }
  int Saved() const { return saved_.iScrollHeight; }

private:
  NONCLIENTMETRICSA saved_{};
  bool ok_ = false;
};

class LargeScrollBars : public ::testing::TestWithParam<int> {};

TEST_P(LargeScrollBars, MainWindowComesUpSkinnedAndConnects) {
  const int pixels = GetParam();
  const int before = GetSystemMetrics(SM_CXHSCROLL);
  {
    ScrollBarSize size(pixels);
    ASSERT_TRUE(size.Set());
    ASSERT_EQ(GetSystemMetrics(SM_CXHSCROLL), pixels);
    ASSERT_EQ(GetSystemMetrics(SM_CXVSCROLL), pixels);

    // As at the program's start: the skin reads the running system's metrics.
    const PlatformInfo* const platformBefore = &Platform();
    UseWin32Platform();
    TApplication application(nullptr);
    TApplication* const saved = Application;
    Application = &application;
    kitsim::ClassRegistration kit;
    {
      std::unique_ptr<TfrmMain> form = std::make_unique<TfrmMain>(nullptr);
      form->InitializeForm();
      form->Show();
      test::Pump();
      EXPECT_TRUE(IsWindowVisible(form->Handle()));
      // The stored skin loaded: its combo faces were composed with the large arrow.
      const auto* skin = dynamic_cast<const TSkinData*>(form->FindComponent("SkinData1"));
      ASSERT_NE(skin, nullptr);
      EXPECT_FALSE(skin->SkinEmpty);
      ASSERT_TRUE(skin->ComboButton);
      EXPECT_EQ(skin->ComboButton->RightWidth, pixels + 4);

      SendMessageA(form->btnUpdate->Handle(), BM_CLICK, 0, 0);
      test::Pump();
      EXPECT_EQ(test::TextOf(form->btnUpdate->Handle()), "Update");
      EXPECT_EQ(test::TextOf(form->Memo1->Handle()).rfind("Connected to 192.168.1.201\r\n", 0), 0u)
          << test::TextOf(form->Memo1->Handle());
    }
    test::Pump();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    Application = saved;
    SetPlatform(platformBefore);
  }
  EXPECT_EQ(GetSystemMetrics(SM_CXHSCROLL), before) << "the metrics were not put back";
}

INSTANTIATE_TEST_SUITE_P(AccessibilitySizes, LargeScrollBars, ::testing::Values(46, 60, 120));

} // namespace
} // namespace vcu
