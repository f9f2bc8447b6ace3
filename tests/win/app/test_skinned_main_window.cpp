// The real main window's skinned title bar, driven with real mouse input: the caption buttons
// as they show on screen, what a click on each does, and the skinned system menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "MainWindowTesting.h"
#include "RealInput.h"
#include "app/Main.h"
#include "core/image/Bmp.h"
#include "core/image/Slicing.h"
#include "kit-sim/ClassRegistration.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/SkinManage.h"
#include "skin/form/SystemMenu.h"
#include "skin/form/WinSkinForm.h"
#include "support/Dialogs.h"
#include "support/Pixels.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"

namespace vcu {
namespace {

using test::Pump;
using test::PumpUntil;

enum class Caption { Close, Maximize, Restore, Minimize, Icon };

// Our skin's definitions, told apart by action (and, for the two that share the maximise
// action, by when they show: 2 only when not maximised, 1 only maximised).
bool IsButton(const TDataSkinSysButton& def, Caption which) {
  switch (which) {
  case Caption::Close: return def.Action == 0;
  case Caption::Maximize: return def.Action == 1 && def.Visibility == 2;
  case Caption::Restore: return def.Action == 1 && def.Visibility == 1;
  case Caption::Minimize: return def.Action == 2;
  case Caption::Icon: return def.Action == 3;
  }
  return false;
}

POINT Middle(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The visible top-level popup menu of this process ("#32768"), or null.
HWND ShownMenu() {
  struct Search {
    DWORD process;
    HWND found;
  } search{GetCurrentProcessId(), nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == s->process && IsWindowVisible(window) && test::ClassOf(window) == "#32768") {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Runs `act` on a helper thread as soon as a popup menu of this process shows: the menu's own
// loop keeps the test's thread inside the message handler that opened it. Waits for the
// helper when it goes.
class WhenMenuShows {
public:
  explicit WhenMenuShows(std::function<void(HWND menu)> act) : act_(std::move(act)) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~WhenMenuShows() {
    stop_ = true;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  WhenMenuShows(const WhenMenuShows&) = delete;
  WhenMenuShows& operator=(const WhenMenuShows&) = delete;
  bool Acted() const { return acted_; }

private:
  static DWORD WINAPI Run(void* self) {
    auto* me = static_cast<WhenMenuShows*>(self);
    for (DWORD start = GetTickCount(); !me->stop_ && GetTickCount() - start < 10000; Sleep(20)) {
      if (HWND menu = ShownMenu()) {
        Sleep(100); // let the menu finish its first paint, as a user's eye would
        me->act_(menu);
        me->acted_ = true;
        return 0;
      }
    }
    return 0;
  }

  std::function<void(HWND)> act_;
  HANDLE thread_ = nullptr;
  volatile bool stop_ = false;
  volatile bool acted_ = false;
};

Bitmap ReadSkinImage(const char* name) {
  std::ifstream file(std::string(VCU_SKIN_SOURCE_DIR) + "/" + name, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return DecodeBmp(bytes);
}

Bitmap ScreenPixels(const RECT& area) {
  HDC screen = GetDC(nullptr);
  Bitmap pixels = test::ReadPixels(screen, area);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Which frame of a caption-button image the screen area shows (1-based), 0 for none. Only the
// opaque pixels of a frame count, the see-through magenta showing the title behind; the area
// may be the top part of a frame when the window cuts the button. A hot or pressed frame has
// its own background where the normal one is see-through, so of the frames that match, the
// one with the most opaque pixels is the one shown.
int ShownFrame(const Bitmap& screen, const Bitmap& image, int frames) {
  int shown = 0, shownOpaque = 0;
  for (int frame = 1; frame <= frames; ++frame) {
    const Rect f = FrameRect(image, frame, frames, false);
    if (screen.Empty() || screen.Width() > f.right - f.left || screen.Height() > f.bottom - f.top) return 0;
    int opaque = 0;
    bool matches = true;
    for (int y = 0; y < screen.Height() && matches; ++y)
      for (int x = 0; x < screen.Width() && matches; ++x) {
        const Pixel want = image.At(f.left + x, f.top + y) & 0xFFFFFF;
        if (want == 0xFF00FF) continue;
        ++opaque;
        matches = (screen.At(x, y) & 0xFFFFFF) == want;
      }
    if (matches && opaque > shownOpaque) {
      shown = frame;
      shownOpaque = opaque;
    }
  }
  return shown;
}

// The main window as the program makes it (the application's main form, so that closing it
// ends the program), shown and skinned.
class SkinnedMainWindow : public ::testing::Test {
protected:
  void SetUp() override {
    kit_ = std::make_unique<kitsim::ClassRegistration>();
    form_ = Application->CreateForm<TfrmMain>();
    form_->Show();
    ASSERT_TRUE(test::WaitUntilSkinned(*form_));
    window_ = form_->Handle();
    skinned_ = TSkinManage::Instance()->FindSkinForm(window_);
    PumpUntil([this] { return skinned_->IsActive(); }, "the window to be active");
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
  void TearDown() override {
    input::MoveTo(POINT{0, 0}); // no button stays hot for the next test
    delete form_;
    Pump();
  }

  TWinSysButton* ButtonOf(Caption which) const {
    TCaptionButtons& buttons = skinned_->CaptionButtons();
    for (int i = 0; i < buttons.Count(); ++i)
      if (const TDataSkinSysButton* def = buttons.Button(i).Definition(); def && IsButton(*def, which))
        return &buttons.Button(i);
    return nullptr;
  }
  // The button's rectangle on the screen, as far as the window reaches.
  RECT OnScreen(Caption which) const {
    const Rect& b = ButtonOf(which)->Bounds;
    RECT window;
    GetWindowRect(window_, &window);
    return RECT{window.left + b.left, window.top + b.top, window.left + b.right,
                std::min(window.top + b.bottom, window.bottom)};
  }
  POINT At(Caption which) const { return Middle(OnScreen(which)); }
  // A point of the title bar away from every button.
  POINT OnTitle() const {
    RECT window;
    GetWindowRect(window_, &window);
    return POINT{(window.left + window.right) / 2, window.top + skinned_->Borders().top / 2};
  }
  void Click(POINT at) {
    input::Click(at);
    Pump();
  }
  bool WaitIconic(bool iconic, const char* what) {
    return PumpUntil([&] { return (IsIconic(window_) != FALSE) == iconic; }, what);
  }
  // The paints a change of size or state brings, done, with no repaint forced.
  void SettleFrame() {
    for (int i = 0; i < 3; ++i) {
      Pump();
      Sleep(50);
    }
  }
  bool WaitTerminated() { return PumpUntil([] { return Application->Terminated(); }, "the program to end"); }

  test::ApplicationScope application_;
  std::unique_ptr<kitsim::ClassRegistration> kit_;
  TfrmMain* form_ = nullptr;
  HWND window_ = nullptr;
  TWinSkinForm* skinned_ = nullptr;
};

TEST_F(SkinnedMainWindow, CaptionButtonsShowAsTheWindowAllows) {
  struct Expected {
    Caption which;
    const char* name;
    bool visible, enabled;
  };
  const Expected table[] = {
      {Caption::Close, "close", true, true},         {Caption::Minimize, "minimise", true, true},
      {Caption::Icon, "icon", true, true},           {Caption::Maximize, "maximise", true, false},
      {Caption::Restore, "restore", false, true},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    TWinSysButton* button = ButtonOf(e.which);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Visible, e.visible);
    if (e.visible) {
      EXPECT_EQ(button->Enabled, e.enabled);
    }
  }
  // Right-aligned by the skin's offsets from the right edge, one 20 x 20 frame each.
  RECT window;
  GetWindowRect(window_, &window);
  const int width = window.right - window.left;
  const Rect& close = ButtonOf(Caption::Close)->Bounds;
  EXPECT_EQ((std::vector<int>{close.left, close.top, close.right, close.bottom}),
            (std::vector<int>{width - 25, 5, width - 5, 25}));
  const Rect& minimise = ButtonOf(Caption::Minimize)->Bounds;
  EXPECT_EQ(minimise.left, width - 73);
  EXPECT_EQ(ButtonOf(Caption::Maximize)->Bounds.left, width - 49);

  // On screen: the enabled ones in their first frame, the maximise button greyed (frame 4).
  struct Drawn {
    Caption which;
    const char* image;
    int frame;
  };
  for (const Drawn& d : {Drawn{Caption::Close, "caption_close.bmp", 1}, Drawn{Caption::Minimize, "caption_minimize.bmp", 1},
                         Drawn{Caption::Maximize, "caption_maximize.bmp", 4}}) {
    SCOPED_TRACE(d.image);
    const Bitmap image = ReadSkinImage(d.image);
    ASSERT_EQ(image.Width(), 80);
    EXPECT_EQ(ShownFrame(ScreenPixels(OnScreen(d.which)), image, 4), d.frame);
  }
}

TEST_F(SkinnedMainWindow, HoverAndPressShowTheirFrames) {
  const Bitmap image = ReadSkinImage("caption_close.bmp");
  input::MoveTo(At(Caption::Close));
  ASSERT_TRUE(PumpUntil([this] { return ButtonOf(Caption::Close)->State == ncHot; }, "the close button to be hot"));
  UpdateWindow(window_);
  EXPECT_EQ(ShownFrame(ScreenPixels(OnScreen(Caption::Close)), image, 4), 3);
  input::Press(At(Caption::Close));
  ASSERT_TRUE(PumpUntil([this] { return ButtonOf(Caption::Close)->State == ncPressed; }, "the close button pressed"));
  UpdateWindow(window_);
  EXPECT_EQ(ShownFrame(ScreenPixels(OnScreen(Caption::Close)), image, 4), 2);
  // Away from it the press comes to nothing.
  input::Release(OnTitle());
  Pump();
  PumpUntil([this] { return ButtonOf(Caption::Close)->State == ncNormal; }, "the close button back to normal");
  Sleep(200);
  Pump();
  EXPECT_FALSE(Application->Terminated());
  EXPECT_TRUE(IsWindowVisible(window_));
}

// Only the button that was pressed acts, and only when released over it.
TEST_F(SkinnedMainWindow, CloseButtonEndsTheProgramReleasedOverAnotherNothing) {
  const std::pair<Caption, Caption> mismatched[] = {{Caption::Close, Caption::Minimize},
                                                    {Caption::Minimize, Caption::Close}};
  for (const auto& [pressed, released] : mismatched) {
    input::Press(At(pressed));
    Pump();
    input::MoveTo(At(released));
    Pump();
    input::Release(At(released));
    Pump();
    Sleep(200);
    Pump();
    EXPECT_FALSE(Application->Terminated());
    EXPECT_FALSE(IsIconic(window_));
    EXPECT_TRUE(IsWindowVisible(window_));
  }
  Click(At(Caption::Close));
  EXPECT_TRUE(WaitTerminated());
}

TEST_F(SkinnedMainWindow, MinimiseAndRestoreThroughTheSkinnedTitle) {
  RECT normal;
  GetWindowRect(window_, &normal);
  Click(At(Caption::Minimize));
  ASSERT_TRUE(WaitIconic(true, "the window to be minimised"));
  EXPECT_EQ(skinned_->Show(), ssMinimized);
  // Minimised, the window is the system's small bar, no higher than the title, and shows the
  // skinned title: its buttons in their frames.
  RECT title;
  GetWindowRect(window_, &title);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(title.bottom - title.top, GetSystemMetrics(SM_CYMINIMIZED));
  EXPECT_LE(title.bottom - title.top, skinned_->Borders().top);
  ASSERT_TRUE(ButtonOf(Caption::Minimize)->Visible);
  // The pointer stayed where the button was before the window shrank: nothing on the small
  // title is under it, and the button clicked is not left drawn hot.
  SettleFrame();
  const Bitmap minimiseImage = ReadSkinImage("caption_minimize.bmp");
  EXPECT_EQ(ShownFrame(ScreenPixels(OnScreen(Caption::Minimize)), minimiseImage, 4), 1);
  EXPECT_EQ(ShownFrame(ScreenPixels(OnScreen(Caption::Close)), ReadSkinImage("caption_close.bmp"), 4), 1);

  // The minimise button of the minimised title restores.
  Click(At(Caption::Minimize));
  ASSERT_TRUE(WaitIconic(false, "the window to be restored by its button"));
  EXPECT_EQ(skinned_->Show(), ssNormal);
  RECT restored;
  GetWindowRect(window_, &restored);
  EXPECT_EQ(restored.right - restored.left, normal.right - normal.left);
  EXPECT_EQ(restored.bottom - restored.top, normal.bottom - normal.top);
  SettleFrame();
  EXPECT_EQ(ShownFrame(ScreenPixels(OnScreen(Caption::Minimize)), minimiseImage, 4), 1)
      << "the restored window's button, away from the pointer";

  // So does a double-click on the minimised title.
  Click(At(Caption::Minimize));
  ASSERT_TRUE(WaitIconic(true, "the window to be minimised again"));
  input::DoubleClick(OnTitle());
  ASSERT_TRUE(WaitIconic(false, "the window to be restored by a double-click"));
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(SkinnedMainWindow, DoubleClickOnTheIconCloses) {
  test::ModalDeadline deadline;
  input::DoubleClick(At(Caption::Icon));
  EXPECT_TRUE(WaitTerminated());
}

// A right click on the caption opens the skinned system menu; an item clicked in it does what
// it says.
TEST_F(SkinnedMainWindow, SystemMenuFromARightClickOnTheCaption) {
  struct Case {
    UINT command;
    const char* name;
  };
  for (const Case& c : {Case{SC_MINIMIZE, "Minimize"}, Case{SC_CLOSE, "Close"}}) {
    SCOPED_TRACE(c.name);
    if (IsIconic(window_)) {
      Click(At(Caption::Minimize));
      ASSERT_TRUE(WaitIconic(false, "the window restored"));
      // Opened again within the double-click time of its closing, the menu stays shut.
      Sleep(skinned_->DoubleClickTime() + 100);
    }
    HMENU menu = nullptr;
    RECT item{};
    WhenMenuShows choose([&](HWND) {
      menu = skinned_->SkinSystemMenu().Handle();
      const auto& items = skinned_->SkinSystemMenu().Items();
      for (size_t i = 0; i < items.size(); ++i)
        if (items[i].command == c.command) GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item);
      input::Click(Middle(item));
    });
    {
      test::ModalDeadline deadline;
      input::Click(OnTitle(), input::Button::Right);
      PumpUntil([&] { return choose.Acted(); }, "the system menu");
    }
    ASSERT_TRUE(choose.Acted());
    EXPECT_NE(menu, nullptr);
    EXPECT_GT(item.right - item.left, 0) << "the item is in the menu";
    if (c.command == SC_MINIMIZE) {
      EXPECT_TRUE(WaitIconic(true, "the window minimised from the menu"));
      EXPECT_FALSE(Application->Terminated());
    } else {
      EXPECT_TRUE(WaitTerminated());
    }
  }
}

// Skinning switched off gives the window its own frame back around the same client area;
// switched on again, the skinned title and its buttons are back and work.
TEST_F(SkinnedMainWindow, SkinningOffAndOnAgain) {
  auto* data = dynamic_cast<TSkinData*>(form_->FindComponent("SkinData1"));
  ASSERT_NE(data, nullptr);
  RECT client;
  GetClientRect(window_, &client);

  data->SetActive(false);
  ASSERT_TRUE(PumpUntil([this] { return TSkinManage::Instance()->FindSkinForm(window_) == nullptr; },
                        "the skinner to let the window go"));
  EXPECT_TRUE(GetWindowLongPtrA(window_, GWL_STYLE) & WS_MINIMIZEBOX) << "the window's own minimise box";
  RECT unskinned;
  GetClientRect(window_, &unskinned);
  EXPECT_EQ(unskinned.right, client.right);
  EXPECT_EQ(unskinned.bottom, client.bottom);

  data->SetActive(true);
  ASSERT_TRUE(PumpUntil([this] {
    TWinSkinForm* skinned = TSkinManage::Instance()->FindSkinForm(window_);
    return skinned && skinned->State() == lsRunning;
  }, "the window skinned again"));
  skinned_ = TSkinManage::Instance()->FindSkinForm(window_);
  EXPECT_FALSE(GetWindowLongPtrA(window_, GWL_STYLE) & WS_MINIMIZEBOX);
  RECT again;
  GetClientRect(window_, &again);
  EXPECT_EQ(again.right, client.right);
  EXPECT_EQ(again.bottom, client.bottom);
  PumpUntil([this] { return skinned_->IsActive(); }, "the window to be active");
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_NE(ButtonOf(Caption::Close), nullptr);
  EXPECT_EQ(ShownFrame(ScreenPixels(OnScreen(Caption::Close)), ReadSkinImage("caption_close.bmp"), 4), 1);
  EXPECT_EQ(ShownFrame(ScreenPixels(OnScreen(Caption::Maximize)), ReadSkinImage("caption_maximize.bmp"), 4), 4);
  Click(At(Caption::Close));
  EXPECT_TRUE(WaitTerminated());
}

} // namespace
} // namespace vcu
