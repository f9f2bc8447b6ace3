// The gallery's lists and status bar worked from another process with the real mouse: they
// are skinned, and a click on a header section or on a list column is named in the status
// bar's first panel (the native bar answers WM_GETTEXT with that panel's text).
#include <gtest/gtest.h>

#include "GalleryProcess.h"
#include "RealInput.h"
#include "skin/form/SkinManage.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

bool Skinned(HWND window) { return SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1; }

TEST(GalleryLists, SkinnedAndClicksOnSectionsAndColumnsNamedInTheStatusBar) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  HWND bar = gallery.Control("TStatusBar");
  HWND header = gallery.Control("THeaderControl");
  HWND list = gallery.Control("TListView");
  HWND columns = gallery.Control("SysHeader32");
  ASSERT_TRUE(bar && header && list && columns);
  for (HWND window : {bar, header, list, columns}) EXPECT_TRUE(Skinned(window));

  gallery.Activate();
  // Sections of 110, 80 and 60 pixels: the third is "Unit".
  input::Click(ClientPoint(header, 220, 10));
  EXPECT_TRUE(PumpUntil([bar] { return WindowText(bar) == L"Section: Unit"; }, "the section named"));
  // Columns of 110 and 120 pixels: the second is "Time".
  input::Click(ClientPoint(columns, 170, 8));
  EXPECT_TRUE(PumpUntil([bar] { return WindowText(bar) == L"Column: Time"; }, "the column named"));
}

} // namespace
} // namespace vcu::test
