// Message dialogs opened while skinning is on wear the skin as dialogs: the framework's
// message form and the system's message box alike get the dialog frame, no icon button, and
// answer the manager's query.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "SkinnedForms.h"
#include "framework/Dialogs.h"
#include "skin/form/CaptionButtons.h"
#include "support/Dialogs.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"

namespace vcu::test {
namespace {

// What a dialog showed once its skinner had finished its set-up.
struct DialogLook {
  std::string windowClass;
  bool skinned = false;
  int frame = -1;
  bool dialog = false;
  LRESULT query = 0;
  int captionButtons = 0;
  bool iconShown = false;
  bool regionSet = false;
};

bool IconButtonShown(TWinSkinForm& skinner) {
  TCaptionButtons& buttons = skinner.CaptionButtons();
  for (int i = 0; i < buttons.Count(); ++i)
    if (buttons.Button(i).Visible && buttons.Button(i).IsIcon()) return true;
  return false;
}

bool HasRegion(HWND window) {
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  const bool set = GetWindowRgn(window, probe) != ERROR;
  DeleteObject(probe);
  return set;
}

class MessageDialogs : public SkinnedFormTest {
protected:
  // Runs open() (which shows a modal dialog) and records the dialog as it stands once skinned;
  // the dialog is closed then, or at the watcher's next look if it is never skinned.
  DialogLook Open(const std::function<void()>& open) {
    DialogLook look;
    int waited = 0;
    DialogWatcher watcher([&](HWND dialog) {
      TWinSkinForm* skinner = RunningSkinner(dialog);
      // A painted frame has judged its caption buttons; a dialog never skinned is let go.
      if (!skinner && ++waited < 100) return false;
      look.windowClass = ClassOf(dialog);
      look.skinned = skinner != nullptr;
      if (skinner) {
        skinner->PaintFrame();
        look.frame = skinner->Frame();
        look.dialog = skinner->IsDialog();
        look.captionButtons = skinner->CaptionButtons().Count();
        look.iconShown = IconButtonShown(*skinner);
      }
      look.query = SendMessageA(dialog, SKINMSG_QUERY, 0, 0);
      look.regionSet = HasRegion(dialog);
      return true;
    });
    ModalDeadline deadline;
    open();
    EXPECT_EQ(watcher.Seen().size(), 1u);
    return look;
  }

  void ExpectSkinnedAsDialog(const DialogLook& look, const char* windowClass) {
    SCOPED_TRACE(windowClass);
    EXPECT_EQ(look.windowClass, windowClass);
    ASSERT_TRUE(look.skinned);
    EXPECT_EQ(look.frame, fkDialog);
    EXPECT_TRUE(look.dialog);
    EXPECT_GT(look.captionButtons, 0) << "the skin's caption buttons are there";
    EXPECT_FALSE(look.iconShown);
    EXPECT_EQ(look.query, 1);
    EXPECT_TRUE(look.regionSet);
  }
};

TEST_F(MessageDialogs, FrameworkMessageFormAndSystemMessageBoxAreSkinnedAsDialogs) {
  SkinOn();
  // The form itself shows its icon: a dialog's missing one is the dialog rule at work.
  TWinSkinForm* own = RunningSkinner(form_.Handle());
  ASSERT_NE(own, nullptr);
  own->PaintFrame();
  EXPECT_TRUE(IconButtonShown(*own));

  ExpectSkinnedAsDialog(Open([] { MessageDlg("Skinned message", mtInformation, {mbOK}); }), "TMessageForm");
  ExpectSkinnedAsDialog(Open([this] { MessageBoxA(form_.Handle(), "Skinned box", "Box", MB_OK); }), "#32770");
  Pump();
  Manager().Purge();
  EXPECT_EQ(Manager().SkinForms().size(), 1u) << "the closed dialogs' skinners were finished";
}

} // namespace
} // namespace vcu::test
