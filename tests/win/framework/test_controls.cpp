// Controls with real windows: window classes, the control property, the replaceable message
// handler, radio groups, window-less children, dialogs and the default error display.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "framework/Dialogs.h"
#include "core/Errors.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "support/Dialogs.h"
#include "support/Pixels.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"

namespace vcu {
namespace {

using test::Pump;

template <class T> T* Add(TForm& form, TWinControl* parent, int left, int top, int width, int height) {
  auto* c = new T(&form);
  c->SetParent(parent);
  c->SetBounds(left, top, width, height);
  return c;
}

class Controls : public ::testing::Test {
protected:
  Controls() {
    form_.SetBounds(100, 100, 300, 200);
    form_.SetCaption("Test form");
  }
  void Show() {
    form_.Show();
    Pump();
  }
  TForm form_{nullptr};
};

TEST_F(Controls, WindowClassesAreNamedAfterTheFrameworkClasses) {
  TWinControl* controls[] = {Add<TButton>(form_, &form_, 0, 0, 50, 20), Add<TEdit>(form_, &form_, 0, 20, 50, 20),
                             Add<TMemo>(form_, &form_, 0, 40, 50, 40), Add<TGroupBox>(form_, &form_, 60, 0, 80, 60),
                             Add<TRadioButton>(form_, &form_, 0, 90, 50, 17), Add<TCheckBox>(form_, &form_, 0, 110, 50, 17),
                             Add<TPanel>(form_, &form_, 150, 0, 80, 60)};
  const char* expected[] = {"TButton", "TEdit", "TMemo", "TGroupBox", "TRadioButton", "TCheckBox", "TPanel"};
  Show();
  char atomName[64];
  std::snprintf(atomName, sizeof atomName, "ControlOfs%.8X%.8X",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))),
                static_cast<unsigned>(GetCurrentThreadId()));
  char registered[64] = "";
  GlobalGetAtomNameA(ControlAtom(), registered, sizeof registered);
  EXPECT_STREQ(registered, atomName);

  EXPECT_EQ(test::ClassOf(form_.Handle()), "TForm");
  EXPECT_EQ(GetPropA(form_.Handle(), atomName), &form_);
  for (size_t i = 0; i < std::size(controls); ++i) {
    HWND window = controls[i]->Handle();
    EXPECT_EQ(test::ClassOf(window), expected[i]);
    EXPECT_EQ(GetPropA(window, atomName), controls[i]) << expected[i];
    EXPECT_EQ(FindControl(window), controls[i]);
    EXPECT_FALSE(IsWindowUnicode(window)) << "8-bit texts throughout";
  }
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
  // The native behaviour is kept: the edit takes text like any edit.
  SetWindowTextA(controls[1]->Handle(), "typed");
  EXPECT_EQ(controls[1]->Text(), "typed");
}

TEST_F(Controls, WindowProcHooksChainAndComeOutAgain) {
  auto* edit = Add<TEdit>(form_, &form_, 0, 0, 80, 21);
  Show();
  std::vector<UINT> seen;
  auto hook = edit->WindowProc.Add([&](TMessage& m, const TWindowProcChain::Next& next) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_APP) {
      m.Result = 42; // consumed here
      return;
    }
    next(m);
  });
  EXPECT_EQ(SendMessageA(edit->Handle(), WM_APP, 0, 0), 42);
  SetWindowTextA(edit->Handle(), "through the hook");
  EXPECT_EQ(edit->Text(), "through the hook");
  EXPECT_EQ(edit->Perform(WM_APP), 42);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), 1);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_APP)), 2);

  edit->WindowProc.Remove(hook);
  seen.clear();
  SetWindowTextA(edit->Handle(), "direct");
  EXPECT_EQ(SendMessageA(edit->Handle(), WM_APP, 0, 0), 0);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(edit->Text(), "direct");
}

// Three parties hook one control (a form skinner, a message filter, a control skinner) and
// leave in every order: whoever stays keeps seeing messages, newest first, and the control's
// own handler still ends every message.
TEST_F(Controls, WindowProcHooksLeaveInAnyOrderWithoutLosingTheOthers) {
  auto* edit = Add<TEdit>(form_, &form_, 0, 0, 80, 21);
  Show();
  const std::vector<std::vector<int>> orders = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (const auto& order : orders) {
    std::string trail;
    TWindowProcChain::HookId ids[3];
    for (int party = 0; party < 3; ++party)
      ids[party] = edit->WindowProc.Add([&trail, party](TMessage& m, const TWindowProcChain::Next& next) {
        if (m.Msg == WM_APP) trail += static_cast<char>('a' + party);
        next(m);
      });
    std::string expected = "cba";
    for (int gone : order) {
      edit->WindowProc.Remove(ids[gone]);
      expected.erase(expected.find(static_cast<char>('a' + gone)), 1);
      trail.clear();
      SendMessageA(edit->Handle(), WM_APP, 0, 0);
      EXPECT_EQ(trail, expected) << "after removing party " << gone;
      SetWindowTextA(edit->Handle(), expected.c_str());
      EXPECT_EQ(edit->Text(), expected);
    }
    EXPECT_EQ(edit->WindowProc.HookCount(), 0);
  }
}

// A hook that takes itself out while its message runs (as a skinner does on WM_NCDESTROY)
// still passes that message on, and the hook behind it stays.
TEST_F(Controls, AWindowProcHookCanRemoveItselfWhileItsMessageRuns) {
  auto* edit = Add<TEdit>(form_, &form_, 0, 0, 80, 21);
  Show();
  int behind = 0;
  edit->WindowProc.Add([&](TMessage& m, const TWindowProcChain::Next& next) {
    if (m.Msg == WM_APP) ++behind;
    next(m);
  });
  TWindowProcChain::HookId self = 0;
  int selfSeen = 0;
  self = edit->WindowProc.Add([&](TMessage& m, const TWindowProcChain::Next& next) {
    if (m.Msg == WM_APP) {
      ++selfSeen;
      edit->WindowProc.Remove(self);
    }
    next(m);
  });
  SendMessageA(edit->Handle(), WM_APP, 0, 0);
  SendMessageA(edit->Handle(), WM_APP, 0, 0);
  EXPECT_EQ(selfSeen, 1);
  EXPECT_EQ(behind, 2);
  EXPECT_EQ(edit->WindowProc.HookCount(), 1);
}

TEST_F(Controls, RadioButtonsFormOneGroupPerParent) {
  auto* box = Add<TGroupBox>(form_, &form_, 0, 40, 200, 60);
  TRadioButton* outer[] = {Add<TRadioButton>(form_, &form_, 0, 0, 60, 17), Add<TRadioButton>(form_, &form_, 70, 0, 60, 17)};
  TRadioButton* inner[] = {Add<TRadioButton>(form_, box, 10, 20, 60, 17), Add<TRadioButton>(form_, box, 80, 20, 60, 17)};
  int clicks = 0;
  for (TRadioButton* r : outer) r->SetOnClick([&](TObject*) { ++clicks; });
  outer[0]->SetChecked(true);
  inner[1]->SetChecked(true);
  Show();
  clicks = 0;

  SendMessageA(outer[1]->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(outer[1]->Checked());
  EXPECT_FALSE(outer[0]->Checked());
  EXPECT_EQ(SendMessageA(outer[0]->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(inner[1]->Checked()) << "the group box holds a group of its own";
  EXPECT_EQ(clicks, 1);
  SendMessageA(outer[1]->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1) << "clicking the checked button changes nothing";
  EXPECT_TRUE(outer[1]->TabStop());
  EXPECT_FALSE(outer[0]->TabStop());
  EXPECT_TRUE(GetWindowLongPtrA(outer[1]->Handle(), GWL_STYLE) & WS_TABSTOP);
}

// A label inside a group box: painted by the box, clicked through it, hand cursor over it.
TEST_F(Controls, WindowlessChildrenArePaintedAndClickedThroughTheirParent) {
  auto* box = Add<TGroupBox>(form_, &form_, 10, 10, 200, 100);
  auto* label = Add<TLabel>(form_, box, 20, 30, 60, 16);
  label->SetCaption("WWWWW");
  label->Font()->SetColor(clRed);
  label->SetCursor(crHandPoint);
  int clicks = 0;
  label->SetOnClick([&](TObject* sender) {
    EXPECT_EQ(sender, label);
    ++clicks;
  });
  std::vector<POINT> presses;
  label->SetOnMouseDown([&](TObject*, TMouseButton button, unsigned shift, int x, int y) {
    EXPECT_EQ(button, mbLeft);
    EXPECT_TRUE(shift & ssLeft);
    presses.push_back(POINT{x, y});
  });
  Show();

  test::ClickAt(box->Handle(), 25, 35);
  test::ClickAt(box->Handle(), 5, 5);
  test::ClickAt(box->Handle(), 81, 35);
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses[0].x, 5) << "in the label's own coordinates";
  EXPECT_EQ(presses[0].y, 5);
  label->SetEnabled(false);
  test::ClickAt(box->Handle(), 25, 35);
  EXPECT_EQ(clicks, 1);
  label->SetEnabled(true);

  // Painting the box's window-less children onto a bitmap of our own. The glyphs' shapes
  // and smoothing depend on the fonts at hand; that they are red, and only in the label's
  // box, does not.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 100);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 200, 100};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  box->PaintControls(dc);
  const Bitmap painted = test::ReadPixels(dc, all);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);

  const Pixel white = MakePixel(255, 255, 255);
  int red = 0, strayInLabel = 0, outside = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      const Pixel p = painted.At(x, y);
      if (x >= 20 && x < 80 && y >= 30 && y < 46) {
        red += test::ClearlyOf(test::Hue::Red, p);
        strayInLabel += PixelRed(p) < 0xC0 || PixelRed(p) < std::max(PixelGreen(p), PixelBlue(p));
      } else {
        outside += p != white;
      }
    }
  EXPECT_GE(red, 10) << "five red letters leave clearly red pixels";
  EXPECT_EQ(strayInLabel, 0) << "nothing but red and its blends with white";
  EXPECT_EQ(outside, 0) << "the label paints inside its own bounds only";
}

TEST_F(Controls, TabMovesTheFocusInTabOrder) {
  TEdit* edits[] = {Add<TEdit>(form_, &form_, 0, 0, 50, 21), Add<TEdit>(form_, &form_, 0, 30, 50, 21),
                    Add<TEdit>(form_, &form_, 0, 60, 50, 21)};
  edits[0]->SetTabOrder(2);
  edits[1]->SetTabOrder(0);
  edits[2]->SetTabOrder(1);
  auto* skipped = Add<TRadioButton>(form_, &form_, 60, 0, 50, 17); // not a tab stop while unchecked
  skipped->SetTabOrder(0);
  Show();
  edits[1]->SetFocus();
  for (TEdit* expected : {edits[2], edits[0], edits[1]}) {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), expected->Handle());
  }
}

// The native edit stops taking text at about 32 000 characters unless told otherwise; a log pane
// must not silently stop growing.
TEST_F(Controls, MemoTakesTextBeyondTheNativeDefaultLimit) {
  auto* memo = Add<TMemo>(form_, &form_, 0, 0, 200, 100);
  Show();
  const std::string line(99, 'x');
  for (int i = 0; i < 500; ++i) memo->Lines()->Add(line);
  EXPECT_EQ(GetWindowTextLengthA(memo->Handle()), 500 * 101);
  EXPECT_EQ(memo->Lines()->Count(), 500);
}

TEST_F(Controls, AlignedChildrenFollowTheClientArea) {
  form_.SetClientWidth(200);
  form_.SetClientHeight(150);
  auto* bottom = Add<TMemo>(form_, &form_, 5, 5, 50, 40);
  bottom->SetAlign(alBottom);
  Show();
  EXPECT_EQ(test::RectInParent(bottom->Handle()).top, 110);
  EXPECT_EQ(test::RectInParent(bottom->Handle()).right, 200);
  form_.SetClientHeight(180);
  EXPECT_EQ(test::RectInParent(bottom->Handle()).top, 140);
  EXPECT_EQ(bottom->Height(), 40);
}

// A frame change made from outside (as skinning makes one) must show in the bounds, or
// SetClientWidth and centring would work from a size the window no longer has.
TEST_F(Controls, BoundsFollowMovesAndResizesMadeFromOutside) {
  auto* edit = Add<TEdit>(form_, &form_, 10, 10, 80, 21);
  Show();
  SetWindowPos(form_.Handle(), nullptr, 150, 120, 420, 310, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form_.Left(), 150);
  EXPECT_EQ(form_.Top(), 120);
  EXPECT_EQ(form_.Width(), 420);
  EXPECT_EQ(form_.Height(), 310);
  MoveWindow(edit->Handle(), 30, 40, 90, 25, TRUE);
  EXPECT_EQ(edit->Left(), 30);
  EXPECT_EQ(edit->Top(), 40);
  EXPECT_EQ(edit->Width(), 90);
  EXPECT_EQ(edit->Height(), 25);

  // A thicker frame from outside: the client shrinks, SetClientWidth must grow the window by
  // exactly what the client lacks.
  SetWindowLongPtrA(form_.Handle(), GWL_STYLE, GetWindowLongPtrA(form_.Handle(), GWL_STYLE) & ~WS_CAPTION);
  SetWindowPos(form_.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetWindowPos(form_.Handle(), nullptr, 0, 0, 380, 290, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  form_.SetClientWidth(300);
  form_.SetClientHeight(200);
  RECT client, window;
  GetClientRect(form_.Handle(), &client);
  GetWindowRect(form_.Handle(), &window);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  EXPECT_EQ(form_.Width(), window.right - window.left);
  EXPECT_EQ(form_.Height(), window.bottom - window.top);
  EXPECT_EQ(form_.Left(), 150);

  // Minimising leaves the restored bounds in place.
  ShowWindow(form_.Handle(), SW_MINIMIZE);
  EXPECT_EQ(form_.Left(), 150);
  EXPECT_EQ(form_.Width(), window.right - window.left);
  ShowWindow(form_.Handle(), SW_RESTORE);
}

TEST_F(Controls, MessageDialogIsAFrameworkForm) {
  TButton* button = Add<TButton>(form_, &form_, 10, 10, 80, 25);
  Show();
  test::DialogWatcher dialogs;
  test::ModalDeadline deadline;
  int result = -1;
  int formsWhileShown = 0;
  bool ownerDisabled = false;
  button->SetOnClick([&](TObject*) { result = MessageDlg("Line one\r\nLine two", mtError, {mbOK}); });
  // While the dialog runs it is one of the open forms, and the other forms are disabled.
  auto watch = form_.WindowProc.Add([&](TMessage& m, const TWindowProcChain::Next& next) {
    if (m.Msg == WM_ENABLE && !m.WParam) {
      formsWhileShown = Screen->FormCount();
      ownerDisabled = true;
    }
    next(m);
  });
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  form_.WindowProc.Remove(watch);
  ASSERT_EQ(dialogs.Seen().size(), 1u);
  EXPECT_EQ(dialogs.Seen()[0].windowClass, "TMessageForm");
  EXPECT_EQ(dialogs.Seen()[0].caption, "Error");
  EXPECT_EQ(dialogs.Seen()[0].text, "Line one\r\nLine two");
  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_EQ(formsWhileShown, 2);
  EXPECT_EQ(Screen->FormCount(), 1);
  EXPECT_TRUE(IsWindowEnabled(form_.Handle()));
}

TEST_F(Controls, ExceptionInAHandlerReachesTheDefaultErrorDisplay) {
  TButton* button = Add<TButton>(form_, &form_, 10, 10, 80, 25);
  int after = 0;
  button->SetOnClick([&](TObject*) {
    button->SetCaption("reached");
    throw Exception("Something failed");
  });
  Show();
  test::DialogWatcher dialogs;
  test::ModalDeadline deadline;
  Application->SetTitle("Title of the application");
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  Pump();
  ASSERT_EQ(dialogs.Seen().size(), 1u);
  EXPECT_EQ(dialogs.Seen()[0].windowClass, "#32770");
  EXPECT_EQ(dialogs.Seen()[0].caption, "Title of the application");
  EXPECT_EQ(dialogs.Seen()[0].text, "Something failed.");
  EXPECT_EQ(button->Caption(), "reached") << "the state reached stays";
  button->SetOnClick([&](TObject*) { ++after; });
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(after, 1) << "the window goes on working";
}

} // namespace
} // namespace vcu
