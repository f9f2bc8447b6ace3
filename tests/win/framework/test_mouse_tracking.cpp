// Mouse enter and leave on framework controls, driven by real pointer moves, and the optional
// user32 services they rest on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/OptionalApis.h"
#include "framework/StdCtrls.h"
#include "support/Pump.h"

namespace vcu {
namespace {

// Compared with the entry points the linker bound through the import table: a different
// module or name would give a different address.
TEST(OptionalApis, EachServiceIsFoundInUser32AndLookedUpOnce) {
  struct Case {
    const char* name;
    void* (*proc)();
    void* imported;
  };
  const Case cases[] = {
      {"TrackMouseEvent", [] { return reinterpret_cast<void*>(TrackMouseEventProc()); },
       reinterpret_cast<void*>(&::TrackMouseEvent)},
      {"GetComboBoxInfo", [] { return reinterpret_cast<void*>(GetComboBoxInfoProc()); },
       reinterpret_cast<void*>(&::GetComboBoxInfo)},
      {"GetScrollBarInfo", [] { return reinterpret_cast<void*>(GetScrollBarInfoProc()); },
       reinterpret_cast<void*>(&::GetScrollBarInfo)},
      {"DisableProcessWindowsGhosting", [] { return reinterpret_cast<void*>(DisableProcessWindowsGhostingProc()); },
       reinterpret_cast<void*>(&::DisableProcessWindowsGhosting)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    void* first = c.proc();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, c.imported);
    EXPECT_EQ(c.proc(), first);
  }
}

// Who heard the pointer arrive or go, in order.
struct Crossing {
  std::string control;
  UINT msg;
  bool operator==(const Crossing& o) const { return control == o.control && msg == o.msg; }
};
void PrintTo(const Crossing& c, std::ostream* os) {
  *os << c.control << (c.msg == CM_MOUSEENTER ? " enter" : " leave");
}

class MouseTracking : public ::testing::Test {
protected:
  MouseTracking() {
    form_.SetBounds(100, 100, 320, 200);
    form_.SetCaption("Mouse tracking");
    // Two buttons and two labels, each pair edge to edge.
    left_ = Add<TButton>("left", 20, 20, 80, 30);
    right_ = Add<TButton>("right", 100, 20, 80, 30);
    label1_ = Add<TLabel>("label1", 20, 100, 60, 20);
    label2_ = Add<TLabel>("label2", 80, 100, 60, 20);
    Watch(&form_, "form");
    SetCursorPos(0, 0); // off the form, whatever the test before left there
    form_.Show();
    SetForegroundWindow(form_.Handle());
    test::Pump();
  }

  template <class T> T* Add(const char* name, int left, int top, int width, int height) {
    auto* c = new T(&form_);
    c->SetParent(&form_);
    c->SetBounds(left, top, width, height);
    c->SetCaption(name);
    Watch(c, name);
    return c;
  }

  void Watch(TControl* control, std::string name) {
    control->WindowProc.Add([this, control, name](TMessage& m, const TWindowProcChain::Next& next) {
      if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        crossings_.push_back({name, m.Msg});
        EXPECT_EQ(m.LParam, reinterpret_cast<LPARAM>(control)) << name;
      }
      if (m.Msg == WM_MOUSEMOVE) ++moves_;
      next(m);
    });
  }

  // A real move of the pointer by nothing: input for whatever window is under it.
  static void SendMove() {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    EXPECT_EQ(SendInput(1, &input, sizeof input), 1u);
  }

  // Puts the real pointer on the point (the form's client coordinates) and sends a real move
  // there; waits until a framework window has handled it and what it posted has run.
  void MoveTo(int x, int y) {
    POINT p{x, y};
    ClientToScreen(form_.Handle(), &p);
    SetCursorPos(p.x, p.y);
    const int before = moves_;
    SendMove();
    ASSERT_TRUE(test::PumpUntil([&] { return moves_ > before; }, "the move"));
    test::Pump();
  }

  // Waits for the crossings expected so far; a leave comes from the system's own polling.
  void ExpectCrossings(const std::vector<Crossing>& expected) {
    test::PumpUntil([&] { return crossings_.size() >= expected.size(); }, "the crossings");
    test::Pump();
    EXPECT_EQ(crossings_, expected);
  }

  TForm form_{nullptr};
  TButton* left_;
  TButton* right_;
  TLabel* label1_;
  TLabel* label2_;
  std::vector<Crossing> crossings_;
  int moves_ = 0;
};

constexpr UINT kEnter = CM_MOUSEENTER, kLeave = CM_MOUSELEAVE;

TEST_F(MouseTracking, AButtonHearsOneEnterAndOneLeave) {
  MoveTo(5, 5);
  ExpectCrossings({{"form", kEnter}});
  crossings_.clear();

  MoveTo(30, 30);
  ExpectCrossings({{"form", kLeave}, {"left", kEnter}});
  for (int x : {40, 50, 60}) MoveTo(x, 35);
  ExpectCrossings({{"form", kLeave}, {"left", kEnter}});

  MoveTo(30, 70);
  ExpectCrossings({{"form", kLeave}, {"left", kEnter}, {"left", kLeave}, {"form", kEnter}});
}

TEST_F(MouseTracking, StraightOntoTheNeighbourGivesLeaveThenEnter) {
  MoveTo(90, 30);
  crossings_.clear();
  MoveTo(110, 30);
  ExpectCrossings({{"left", kLeave}, {"right", kEnter}});
}

// Labels have no window: their parent reports the pointer crossing their bounds.
TEST_F(MouseTracking, WindowlessChildrenHearCrossingsWithinTheirParent) {
  MoveTo(5, 5);
  crossings_.clear();
  MoveTo(30, 105);
  MoveTo(40, 110);
  ExpectCrossings({{"label1", kEnter}});
  MoveTo(90, 105);
  ExpectCrossings({{"label1", kEnter}, {"label1", kLeave}, {"label2", kEnter}});
  MoveTo(200, 150);
  ExpectCrossings({{"label1", kEnter}, {"label1", kLeave}, {"label2", kEnter}, {"label2", kLeave}});
  crossings_.clear();

  // Leaving the form's window straight from a label: the label hears it before the form.
  MoveTo(90, 105);
  SetCursorPos(0, 0);
  SendMove();
  ExpectCrossings({{"label2", kEnter}, {"label2", kLeave}, {"form", kLeave}});
}

// A child freed under the pointer is forgotten: nothing is sent to it afterwards.
TEST_F(MouseTracking, AWindowlessChildFreedUnderThePointerHearsNothingMore) {
  MoveTo(30, 105);
  ExpectCrossings({{"form", kEnter}, {"label1", kEnter}});
  delete label1_;
  crossings_.clear();
  MoveTo(90, 105);
  ExpectCrossings({{"label2", kEnter}});
}

} // namespace
} // namespace vcu
