// Skinning switched off gives every window back exactly as it was (styles, size, window
// procedure, region, colour), also when it is maximised or minimised at the time, or is a
// dialog widened for its caption; switched on again, the same windows wear the skin again. A
// thousand such cycles, and skinned forms that come and go, leave the process's GDI and USER
// object counts where they were.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "SkinnedForms.h"
#include "support/GuiResources.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"

namespace vcu::test {
namespace {

// What skinning changes on a window and must give back.
struct NativeLook {
  LONG_PTR style = 0, exStyle = 0, windowProc = 0;
  WindowSize size, client;
  bool region = false;

  static NativeLook Of(HWND window) {
    NativeLook look;
    look.style = GetWindowLongPtrA(window, GWL_STYLE);
    look.exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    look.windowProc = GetWindowLongPtrA(window, GWLP_WNDPROC);
    look.size = WindowSizeOf(window);
    look.client = ClientSizeOf(window);
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    look.region = GetWindowRgn(window, probe) != ERROR;
    DeleteObject(probe);
    return look;
  }
};

void ExpectNative(HWND window, const NativeLook& before, const char* what) {
  SCOPED_TRACE(what);
  const NativeLook now = NativeLook::Of(window);
  EXPECT_EQ(now.style, before.style) << std::hex << (now.style ^ before.style) << " differ";
  EXPECT_EQ(now.exStyle, before.exStyle) << std::hex << (now.exStyle ^ before.exStyle) << " differ";
  EXPECT_EQ(now.windowProc, before.windowProc);
  EXPECT_EQ(now.size.width, before.size.width);
  EXPECT_EQ(now.size.height, before.size.height);
  EXPECT_EQ(now.client.width, before.client.width);
  EXPECT_EQ(now.client.height, before.client.height);
  EXPECT_FALSE(now.region);
  EXPECT_EQ(SendMessageA(window, SKINMSG_QUERY, 0, 0), 0);
}

void ExpectSkinned(HWND window, const NativeLook& before, const char* what) {
  SCOPED_TRACE(what);
  TWinSkinForm* skinner = RunningSkinner(window);
  ASSERT_NE(skinner, nullptr);
  const NativeLook now = NativeLook::Of(window);
  const BorderSizes& b = skinner->Borders();
  EXPECT_EQ(SendMessageA(window, SKINMSG_QUERY, 0, 0), 1);
  EXPECT_TRUE(now.region);
  EXPECT_NE(now.windowProc, before.windowProc) << "the window is subclassed";
  EXPECT_EQ(now.client.width, before.client.width);
  EXPECT_EQ(now.client.height, before.client.height);
  EXPECT_EQ(now.size.width, before.client.width + b.left + b.right);
  EXPECT_EQ(now.size.height, before.client.height + b.top + b.bottom);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

using OffAndOn = SkinnedFormTest;

TEST_F(OffAndOn, FrameworkFormIsNativeAgainWhenOffAndSkinnedAgainWhenOn) {
  HWND window = form_.Handle();
  const NativeLook before = NativeLook::Of(window);
  const TColor colour = form_.Color();
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    SkinOn();
    ExpectSkinned(window, before, "on");
    EXPECT_EQ(form_.Color(), static_cast<TColor>(data_.ColourButtonFace));
    ASSERT_TRUE(SwitchSkinning(data_, false));
    Pump();
    EXPECT_EQ(Manager().FindSkinForm(window), nullptr);
    ExpectNative(window, before, "off");
    EXPECT_EQ(form_.Color(), colour);
  }
}

// Switched off while maximised or minimised, the form comes back to its own size and client
// when it is restored afterwards; and a skinned form restored from either keeps its skinned
// size.
TEST_F(OffAndOn, FormSwitchedOffWhileMaximisedOrMinimisedRestoresToItsOwnSize) {
  HWND window = form_.Handle();
  const NativeLook before = NativeLook::Of(window);
  for (int command : {SW_MAXIMIZE, SW_MINIMIZE}) {
    SCOPED_TRACE(command == SW_MAXIMIZE ? "maximised" : "minimised");
    SkinOn();
    const WindowSize skinned = WindowSizeOf(window);
    ShowWindow(window, command);
    Pump();
    ShowWindow(window, SW_RESTORE);
    Pump();
    EXPECT_EQ(WindowSizeOf(window).width, skinned.width);
    EXPECT_EQ(WindowSizeOf(window).height, skinned.height);
    EXPECT_EQ(ClientSizeOf(window).height, before.client.height);
    ShowWindow(window, command);
    Pump();
    ASSERT_TRUE(SwitchSkinning(data_, false));
    Pump();
    ShowWindow(window, SW_RESTORE);
    Pump();
    SetActiveWindow(window);
    Pump();
    ExpectNative(window, before, "off, restored");
  }
}

// Switched on while maximised or minimised, the form keeps its client when it is restored,
// and switched off again it is its own size.
TEST_F(OffAndOn, FormSwitchedOnWhileMaximisedOrMinimisedKeepsItsClientWhenRestored) {
  HWND window = form_.Handle();
  const NativeLook before = NativeLook::Of(window);
  for (int command : {SW_MAXIMIZE, SW_MINIMIZE}) {
    SCOPED_TRACE(command == SW_MAXIMIZE ? "maximised" : "minimised");
    ShowWindow(window, command);
    Pump();
    SkinOn();
    ShowWindow(window, SW_RESTORE);
    Pump();
    ExpectSkinned(window, before, "on, restored");
    ASSERT_TRUE(SwitchSkinning(data_, false));
    Pump();
    ExpectNative(window, before, "off");
  }
}

// A plain system dialog: switched on, the manager's scan sees only framework forms, so the
// dialog is skinned when it is next activated; switched off, it is given back with the form.
// A caption too long for the skinned title widens the dialog and moves its children right by
// half the difference; switched off, both go back.
TEST_F(OffAndOn, PlainDialogIsNativeAgainWhenOffAndSkinnedAgainWhenActivated) {
  const struct {
    const char* name;
    const char* caption;
    bool widened;
  } cases[] = {
      {"short caption", "D", false},
      {"long caption", "A caption far too long for the skinned title of so narrow a dialog", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    struct {
      DLGTEMPLATE header;
      WORD menu, windowClass, title[2];
    } tmpl{};
    tmpl.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    tmpl.header.cx = 160;
    tmpl.header.cy = 100;
    tmpl.header.x = 30;
    tmpl.header.y = 30;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &tmpl.header, nullptr, &PlainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    SetWindowTextA(dialog, c.caption);
    HWND button = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, dialog, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(PumpUntil([dialog] { return GetActiveWindow() == dialog; }, "the dialog to be activated"));
    const NativeLook before = NativeLook::Of(dialog);
    const RECT buttonBefore = RectInParent(button);
    for (int round = 1; round <= 2; ++round) {
      SCOPED_TRACE("round " + std::to_string(round));
      SkinOn();
      EXPECT_EQ(RunningSkinner(dialog), nullptr);
      SetActiveWindow(form_.Handle());
      SetActiveWindow(dialog);
      ASSERT_TRUE(PumpUntilSkinned(dialog));
      const BorderSizes b = RunningSkinner(dialog)->Borders();
      EXPECT_EQ(RunningSkinner(dialog)->Frame(), fkDialog);
      EXPECT_EQ(SendMessageA(dialog, SKINMSG_QUERY, 0, 0), 1);
      const int widening = WindowSizeOf(dialog).width - (before.client.width + b.left + b.right);
      if (c.widened) {
        EXPECT_GT(widening, 0);
        EXPECT_EQ(RectInParent(button).left, buttonBefore.left + widening / 2);
      } else {
        ExpectSkinned(dialog, before, "on");
      }
      ASSERT_TRUE(SwitchSkinning(data_, false));
      Pump();
      ExpectNative(dialog, before, "off");
      EXPECT_EQ(RectInParent(button).left, buttonBefore.left);
    }
    DestroyWindow(dialog);
  }
}

// Driven straight through the manager's timer message: a thousand off/on cycles of a shown
// form. The counts after the first cycle are the baseline; the window classes, fonts and
// caches made once are in it.
TEST_F(OffAndOn, AThousandCyclesLeaveTheGuiObjectCountsWhereTheyWere) {
  HWND window = form_.Handle();
  SkinOn();
  ExpectFlatOverOffOnCycles(data_, 1000, [window] { return RunningSkinner(window) != nullptr; }, "form");
}

// Skinned forms that come and go (their skinners end with their windows, not by switching
// off) leave the counts where they were too.
TEST_F(OffAndOn, SkinnedFormsThatComeAndGoLeaveTheGuiObjectCountsWhereTheyWere) {
  constexpr int kForms = 200;
  constexpr long kMargin = 4;
  SkinOn();
  GuiObjectCounts first{};
  for (int i = 1; i <= kForms; ++i) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(200, 150, 300, 200);
    form->Show();
    if (!PumpUntilSkinned(form->Handle())) break;
    form.reset();
    Pump();
    if (i == 1) first = CountGuiObjects();
  }
  const GuiObjectCounts last = CountGuiObjects();
  std::printf("GDI objects: %ld after the first form, %ld after %d; USER objects: %ld, %ld\n", first.gdi, last.gdi,
              kForms, first.user, last.user);
  EXPECT_LE(std::labs(last.gdi - first.gdi), kMargin);
  EXPECT_LE(std::labs(last.user - first.user), kMargin);
}

} // namespace
} // namespace vcu::test
