#include "core/storage/ArchiveMessages.h"
#include "skin/data/ArchiveMessages.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace vcu {
namespace {

// The static control that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

TEST(ArchiveMessageBox, ShowsTheReaderMessageInAMessageBox) {
  const std::string caption = "Archive message test";
  InstallArchiveMessageBox(caption);

  // The box is modal: a helper thread finds it, reads it and presses OK.
  std::atomic<bool> found{false};
  std::string text;
  std::thread closer([&] {
    for (int i = 0; i < 500 && !found; ++i) {
      HWND box = FindWindowA("#32770", caption.c_str());
      if (box) {
        char buffer[256] = {};
        GetDlgItemTextA(box, kMessageBoxTextId, buffer, sizeof buffer);
        text = buffer;
        found = true;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(10);
    }
  });
  ShowArchiveMessage(kOlderSkinFileMessage);
  closer.join();
  SetArchiveMessageHook(nullptr);

  ASSERT_TRUE(found);
  EXPECT_EQ(text, "This is Older Skin File\rPlease update to new version !");
}

} // namespace
} // namespace vcu
