// The program's end with its real main window skinned: the skin manager has given the window
// back and is gone before the application destroys the window, and nothing crashes on the
// way. It ends the application's forms, so it runs in a process of its own.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <memory>

#include "app/Main.h"
#include "app/Startup.h"
#include "kit-sim/ClassRegistration.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "support/Pump.h"

namespace vcu {
namespace {

struct DestroySeen {
  bool destroyed = false;
  bool managerGone = false;
  bool subclassGone = false;
};

TEST(Shutdown, SkinManagerGoesBeforeTheSkinnedMainWindow) {
  InitialiseApplication();
  auto kit = std::make_unique<kitsim::ClassRegistration>();
  TfrmMain* form = Application->CreateForm<TfrmMain>();
  HWND window = form->Handle();
  const LONG_PTR ownProc = GetWindowLongPtrA(window, GWLP_WNDPROC);
  form->Show();
  ASSERT_TRUE(test::PumpUntil([&] {
    TSkinManage* manager = TSkinManage::Instance();
    TWinSkinForm* skinner = manager ? manager->FindSkinForm(window) : nullptr;
    return skinner && skinner->State() == lsRunning;
  }, "the main window to be skinned"));
  ASSERT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), ownProc) << "skinned windows are subclassed";

  DestroySeen seen;
  form->WindowProc.Add([&seen, window, ownProc](TMessage& m, const TWindowProcChain::Next& next) {
    if (m.Msg == WM_DESTROY) {
      seen.destroyed = true;
      seen.managerGone = TSkinManage::Instance() == nullptr;
      seen.subclassGone = GetWindowLongPtrA(window, GWLP_WNDPROC) == ownProc;
    }
    next(m);
  });

  ShutdownApplication();
  EXPECT_TRUE(seen.destroyed) << "the application ends its forms";
  EXPECT_TRUE(seen.managerGone) << "the manager outlived the window it skinned";
  EXPECT_TRUE(seen.subclassGone) << "the window was still subclassed when destroyed";
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(TSkinManage::Instance(), nullptr);
  test::Pump();
}

} // namespace
} // namespace vcu

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
