// WM_NOTIFY from a native common control comes back to its own framework control as CN_NOTIFY,
// and the skin engine's mark on the same message number is never read as a header.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "framework/Forms.h"
#include "framework/Messages.h"
#include "support/Pump.h"

namespace vcu {
namespace {

// A framework control over the native track bar, recording the reflected notifications.
class TNotifyProbe : public TWinControl {
public:
  using TWinControl::TWinControl;
  // A window class of its own: the class name picks the native class superclassed.
  static const TClassInfo& ClassInfo() {
    static const TClassInfo info("TNotifyProbe", &TWinControl::ClassInfo(), {});
    return info;
  }
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  std::vector<UINT> codes;
  int marks = 0;

protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.baseClassName = TRACKBAR_CLASSA;
  }
  void Dispatch(TMessage& message) override {
    if (message.Msg == CN_NOTIFY) {
      if (const NMHDR* header = NotifyHeader(message)) {
        EXPECT_EQ(header->hwndFrom, Handle());
        codes.push_back(header->code);
      } else {
        ++marks;
      }
      message.Result = 0;
      return;
    }
    TWinControl::Dispatch(message);
  }
};

TEST(Notify, CustomDrawOfANativeTrackBarReachesItsControlAsCnNotify) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 150);
  auto* probe = new TNotifyProbe(&form);
  probe->SetParent(&form);
  probe->SetBounds(10, 10, 200, 40);
  form.Show();
  test::Pump();
  probe->codes.clear();
  InvalidateRect(probe->Handle(), nullptr, TRUE);
  EXPECT_TRUE(test::PumpUntil(
      [probe] {
        return std::find(probe->codes.begin(), probe->codes.end(), static_cast<UINT>(NM_CUSTOMDRAW)) !=
               probe->codes.end();
      },
      "the track bar's custom draw notification"));
  EXPECT_EQ(probe->marks, 0);
}

TEST(Notify, TheSkinMarkOnTheSameNumberIsNoHeader) {
  static_assert(CN_NOTIFY == 0xBC4E, "the reflected notification and the skin mark share a number");
  TForm form(nullptr);
  auto* probe = new TNotifyProbe(&form);
  probe->SetParent(&form);
  probe->SetBounds(10, 10, 200, 40);
  form.Show();
  test::Pump();
  // Sent straight to the control's window, as the skin engine sends its mark.
  SendMessageW(probe->Handle(), CN_NOTIFY, 0, 16802);
  EXPECT_EQ(probe->marks, 1);
  // And a WM_NOTIFY whose lParam is that mark is handed on without being read.
  SendMessageW(form.Handle(), WM_NOTIFY, 0, 16802);
  EXPECT_EQ(probe->marks, 1);
}

} // namespace
} // namespace vcu
