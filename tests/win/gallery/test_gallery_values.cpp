// The gallery's combo boxes and value controls worked from another process with the real mouse
// and keyboard: a combo box's list drops from its skinned arrow and an item is chosen from it
// by mouse and by key, its edit takes typing; the track bar's value moves the progress bar and
// shows in the status bar; holding the buddied up-down's lower half counts its number down.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "GalleryProcess.h"
#include "RealInput.h"
#include "skin/form/SkinManage.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

bool Skinned(HWND window) { return SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1; }
LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

// The list window of a dropped combo box: the visible "ComboLBox" of the gallery's thread.
HWND DroppedList(HWND combo) {
  struct Find {
    DWORD thread;
    HWND found = nullptr;
  } find{GetWindowThreadProcessId(combo, nullptr)};
  EnumThreadWindows(
      find.thread,
      [](HWND window, LPARAM data) -> BOOL {
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (lstrcmpiW(name, L"ComboLBox") != 0 || !IsWindowVisible(window)) return TRUE;
        reinterpret_cast<Find*>(data)->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

TEST(GalleryValues, ComboBoxDropsChoosesByMouseAndKeyAndTakesTyping) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  // The editable drop-down combo box that is enabled and laid out left to right.
  HWND combo = gallery.ControlWhere("TComboBox", [](HWND w) {
    return (Style(w) & 3) == CBS_DROPDOWN && IsWindowEnabled(w) &&
           !(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
  });
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(Skinned(combo));
  gallery.Activate();
  RECT r{};
  GetWindowRect(combo, &r);
  input::Click(POINT{r.right - 8, (r.top + r.bottom) / 2});
  ASSERT_TRUE(PumpUntil([combo] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, "the list to drop"));
  HWND list = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (list = DroppedList(combo)) != nullptr; }, "the dropped list"));
  // The third row of the list, by mouse.
  const int row = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  input::Click(ClientPoint(list, 20, row * 2 + row / 2));
  EXPECT_TRUE(PumpUntil([combo] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }, "the list to close"));
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), top + 2);
  // The next one, by key.
  input::Key(VK_DOWN);
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(combo, CB_GETCURSEL, 0, 0) == top + 3; }, "Down to choose the next"));
  // Typing replaces the edit's text.
  input::Click(POINT{r.left + 20, (r.top + r.bottom) / 2});
  input::Key(VK_END);
  input::KeyWith(VK_SHIFT, VK_HOME);
  input::Type(L"DeviceName");
  EXPECT_TRUE(PumpUntil([combo] { return WindowText(combo) == L"DeviceName"; }, "the typed text"));
}

TEST(GalleryValues, TrackBarMovesTheProgressBarAndTheStatusBarShowsIt) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  HWND track = gallery.ControlWhere("TTrackBar", [](HWND w) { return IsWindowEnabled(w) && !(Style(w) & TBS_VERT); });
  HWND progress = gallery.ControlWhere("TProgressBar", [](HWND w) { return !(Style(w) & PBS_VERTICAL); });
  HWND bar = gallery.Control("TStatusBar");
  ASSERT_TRUE(track && progress && bar);
  EXPECT_TRUE(Skinned(track));
  EXPECT_TRUE(Skinned(progress));
  gallery.Activate();
  const int before = static_cast<int>(SendMessageW(track, TBM_GETPOS, 0, 0));
  const int maximum = static_cast<int>(SendMessageW(track, TBM_GETRANGEMAX, 0, 0));
  RECT r{};
  GetClientRect(track, &r);
  // The thumb where the position puts it, dragged to the right end.
  const int margin = 12, x = margin + (r.right - 2 * margin) * before / maximum;
  input::Press(ClientPoint(track, x, r.bottom / 2 - 4));
  input::MoveTo(ClientPoint(track, (x + r.right) / 2, r.bottom / 2 - 4));
  input::MoveTo(ClientPoint(track, r.right - 2, r.bottom / 2 - 4));
  input::Release(ClientPoint(track, r.right - 2, r.bottom / 2 - 4));
  int after = before;
  EXPECT_TRUE(PumpUntil([&] { return (after = static_cast<int>(SendMessageW(track, TBM_GETPOS, 0, 0))) > before; },
                        "the track bar's value to go up"));
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(progress, PBM_GETPOS, 0, 0) == after; }, "the progress bar to follow"));
  EXPECT_TRUE(PumpUntil([&] { return WindowText(bar) == L"Value: " + std::to_wstring(after); }, "the value shown"));
}

TEST(GalleryValues, HoldingTheUpDownCountsItsBuddyDown) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  HWND upDown = gallery.ControlWhere("TUpDown", [](HWND w) { return SendMessageW(w, UDM_GETBUDDY, 0, 0) != 0; });
  ASSERT_NE(upDown, nullptr);
  EXPECT_TRUE(Skinned(upDown));
  HWND buddy = reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0));
  const int before = std::stoi(WindowText(buddy));
  gallery.Activate();
  RECT r{};
  GetWindowRect(upDown, &r);
  const POINT lower{(r.left + r.right) / 2, r.bottom - (r.bottom - r.top) / 4};
  input::Press(lower);
  // Held past the control's repeat delay: more than one step.
  EXPECT_TRUE(PumpUntil([&] { return std::stoi(WindowText(buddy)) <= before - 2; }, "the number to count down"));
  input::Release(lower);
  const int held = std::stoi(WindowText(buddy));
  for (int i = 0; i < 10; ++i) {
    Sleep(30);
    Pump();
  }
  EXPECT_EQ(std::stoi(WindowText(buddy)), held) << "released: the counting stops";
}

} // namespace
} // namespace vcu::test
