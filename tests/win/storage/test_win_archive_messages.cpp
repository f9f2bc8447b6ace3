#include "core/storage/ArchiveMessages.h"
#include "skin/data/ArchiveMessages.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "support/Dialogs.h"

namespace vcu {
namespace {

TEST(ArchiveMessageBox, ShowsTheReaderMessageInAMessageBox) {
  const std::string caption = "Archive message test";
  InstallArchiveMessageBox(caption);
  // The box is modal: the watcher answers it from inside its loop, and should the box be
  // missed, the deadline ends the loop and fails the test.
  test::DialogWatcher dialogs;
  {
    test::ModalDeadline deadline;
    ShowArchiveMessage(kOlderSkinFileMessage);
  }
  SetArchiveMessageHook(nullptr);

  ASSERT_EQ(dialogs.Seen().size(), 1u);
  EXPECT_EQ(dialogs.Seen()[0].windowClass, "#32770");
  EXPECT_EQ(dialogs.Seen()[0].caption, caption);
  EXPECT_EQ(dialogs.Seen()[0].text, "This is Older Skin File\rPlease update to new version !");
}

} // namespace
} // namespace vcu
