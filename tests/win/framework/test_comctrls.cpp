// The value controls over the common controls: values kept before the window exists and
// handed to it, orientation and tick styles as window styles, the up-down's buddy edit showing
// its position, change events for every way the position moves, and a layout setting them by
// name (the up-down's Associate naming an edit declared later).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/ComCtrls.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/StdCtrls.h"

namespace vcu {
namespace {

class TValuesForm : public TForm {
public:
  using TForm::TForm;
  static const TClassInfo& ClassInfo() {
    static const TClassInfo info("TValuesForm", &TForm::ClassInfo(), {});
    return info;
  }
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  TNotifyEvent MethodAddress(const std::string& name) override {
    if (name == "Changed") return [this](TObject*) { ++changes; };
    return TForm::MethodAddress(name);
  }
  int changes = 0;
};

const char kLayout[] = R"(object Values: TValuesForm
  object Spin: TUpDown
    Associate = Buddy
    Min = 5
    Max = 15
    Position = 9
    Orientation = udHorizontal
  end
  object Buddy: TEdit
    Left = 10
  end
  object Track: TTrackBar
    Top = 40
    Min = 2
    Max = 30
    Position = 12
    Frequency = 5
    Orientation = trVertical
    TickStyle = tsNone
    OnChange = Changed
  end
  object Bar: TProgressBar
    Top = 100
    Max = 50
    Position = 20
    Step = 7
    Orientation = pbVertical
  end
end
)";

LONG_PTR StyleOf(TWinControl* control) { return GetWindowLongPtrW(control->Handle(), GWL_STYLE); }

TEST(ValueControls, LayoutValuesReachTheNativeWindows) {
  TValuesForm form(nullptr);
  ReadComponentLayout(form, kLayout);
  auto* spin = dynamic_cast<TUpDown*>(form.FindComponent("Spin"));
  auto* buddy = dynamic_cast<TEdit*>(form.FindComponent("Buddy"));
  auto* track = dynamic_cast<TTrackBar*>(form.FindComponent("Track"));
  auto* bar = dynamic_cast<TProgressBar*>(form.FindComponent("Bar"));
  ASSERT_TRUE(spin && buddy && track && bar);
  EXPECT_EQ(spin->Associate(), buddy);
  form.Show();

  HWND s = spin->Handle();
  EXPECT_NE(StyleOf(spin) & UDS_HORZ, 0);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(s, UDM_GETBUDDY, 0, 0)), buddy->Handle());
  int low = 0, high = 0;
  SendMessageW(s, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 5);
  EXPECT_EQ(high, 15);
  EXPECT_EQ(SendMessageW(s, UDM_GETPOS32, 0, 0), 9);
  EXPECT_EQ(buddy->Text(), "9") << "the buddy shows the position";

  HWND t = track->Handle();
  EXPECT_NE(StyleOf(track) & TBS_VERT, 0);
  EXPECT_NE(StyleOf(track) & TBS_NOTICKS, 0);
  EXPECT_EQ(SendMessageW(t, TBM_GETRANGEMIN, 0, 0), 2);
  EXPECT_EQ(SendMessageW(t, TBM_GETRANGEMAX, 0, 0), 30);
  EXPECT_EQ(SendMessageW(t, TBM_GETPOS, 0, 0), 12);
  EXPECT_EQ(form.changes, 0) << "giving the new window its values is no change";

  HWND b = bar->Handle();
  EXPECT_NE(StyleOf(bar) & PBS_VERTICAL, 0);
  EXPECT_EQ(SendMessageW(b, PBM_GETRANGE, FALSE, 0), 50);
  EXPECT_EQ(bar->Position(), 20);
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 27);
}

TEST(ValueControls, EveryWayThePositionMovesIsReportedOnce) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* track = new TTrackBar(&form);
  track->SetParent(&form);
  track->SetMax(10);
  auto* spin = new TUpDown(&form);
  spin->SetParent(&form);
  spin->SetBounds(200, 10, 17, 30);
  form.Show();
  int trackChanges = 0, spinClicks = 0;
  track->SetOnChange([&](TObject*) { ++trackChanges; });
  spin->SetOnClick([&](TObject*) { ++spinClicks; });

  track->SetPosition(4);
  EXPECT_EQ(track->Position(), 4);
  EXPECT_EQ(trackChanges, 1);
  track->SetPosition(4);
  EXPECT_EQ(trackChanges, 1) << "the same position again is no change";
  SendMessageW(track->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(track->Position(), 5);
  EXPECT_EQ(trackChanges, 2) << "a key moves it";
  track->SetMax(3);
  EXPECT_EQ(track->Position(), 3);
  EXPECT_EQ(trackChanges, 3) << "a narrower range moves it";

  spin->SetPosition(40);
  EXPECT_EQ(spinClicks, 1);
  SendMessageW(spin->Handle(), UDM_SETPOS32, 0, 41); // straight to the window
  EXPECT_EQ(spin->Position(), 41);
  EXPECT_EQ(spinClicks, 2);
}

TEST(ValueControls, AssociateFollowsTheEditsLifetime) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  auto* spin = new TUpDown(&form);
  spin->SetParent(&form);
  spin->SetAssociate(edit);
  form.Show();
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
  delete edit;
  EXPECT_EQ(spin->Associate(), nullptr);
  EXPECT_EQ(SendMessageW(spin->Handle(), UDM_GETBUDDY, 0, 0), 0);
}

} // namespace
} // namespace vcu
