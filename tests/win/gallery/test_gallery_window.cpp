// The gallery as a user meets it: it starts skinned, and its View > Skinned shortcut switches
// skinning off and on again for the whole window.
#include <gtest/gtest.h>

#include "GalleryProcess.h"
#include "RealInput.h"
#include "skin/form/SkinManage.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

bool Skinned(HWND window) { return SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1; }

TEST(GalleryWindow, StartsSkinnedAndItsShortcutSwitchesSkinningOffAndOn) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  HWND window = gallery.Window();
  EXPECT_TRUE(Skinned(window));
  gallery.Activate();
  input::KeyWith(VK_CONTROL, 'K');
  EXPECT_TRUE(PumpUntil([window] { return !Skinned(window); }, "skinning off"));
  EXPECT_NE(GetMenu(window), nullptr) << "the native menu bar is back";
  input::KeyWith(VK_CONTROL, 'K');
  EXPECT_TRUE(PumpUntil([window] { return Skinned(window); }, "skinning on again"));
  EXPECT_EQ(GetMenu(window), nullptr) << "the skinned bar has the menu";
}

TEST(GalleryWindow, StartedUnskinnedShowsTheNativeLook) {
  GalleryProcess gallery({"--unskinned"});
  ASSERT_NE(gallery.Window(), nullptr);
  EXPECT_FALSE(Skinned(gallery.Window()));
  EXPECT_NE(GetMenu(gallery.Window()), nullptr);
}

} // namespace
} // namespace vcu::test
