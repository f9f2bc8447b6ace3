// MDI children under the skin: skinned as they are made, the maximised state shared through
// the manager (native frame and no region while maximised), and the client's messages that
// keep that state true.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "mdi/MdiProgram.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr LONG_PTR kNativeButtons = WS_MAXIMIZEBOX | WS_MINIMIZEBOX;

LONG_PTR ButtonsOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE) & kNativeButtons; }

class MdiChildren : public SkinnedMdi {
protected:
  // The child's window wraps its client in the skin's borders.
  void ExpectSkinnedFrame(HWND child) {
    TWinSkinForm* skinner = Skinner(child);
    ASSERT_NE(skinner, nullptr);
    RECT w{};
    GetWindowRect(child, &w);
    const BorderSizes& b = skinner->Borders();
    EXPECT_EQ(w.right - w.left, ClientSize(child).cx + b.left + b.right);
    EXPECT_EQ(w.bottom - w.top, ClientSize(child).cy + b.top + b.bottom + skinner->MenuHeight());
    EXPECT_TRUE(HasRegion(child));
    EXPECT_EQ(ButtonsOf(child), 0) << "the skin draws the caption buttons";
  }
  void ExpectNativeFrame(HWND child) {
    EXPECT_FALSE(HasRegion(child));
    EXPECT_EQ(ButtonsOf(child), kNativeButtons);
    EXPECT_TRUE(GetWindowLongPtrA(child, GWL_STYLE) & WS_SYSMENU);
  }
};

// A child is in the skin engine's hands before its WM_CREATE, made either way, although its
// window rectangle is still empty when the creation hook sees it (a child asked for at 0 x 0
// gets a default size, so that is the empty rectangle there is); WM_MDICREATE stops menu
// updates. Running, the child wears the skin around the client it was made with.
TEST_F(MdiChildren, SkinnedAsTheyAreMadeEvenWithoutArea) {
  const struct {
    const char* name;
    bool mdiCreate;
  } cases[] = {{"WM_MDICREATE", true}, {"CreateWindowEx", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    data_.SetMenuUpdate(true);
    HWND child = c.mdiCreate ? program_->NewChild(30, 20, 300, 200) : program_->NewChildWindow(30, 20, 300, 200);
    ASSERT_NE(child, nullptr);
    const MdiProgram::Child& noted = program_->ChildNoted(child);
    EXPECT_TRUE(noted.skinnedAtCreate);
    EXPECT_TRUE(IsRectEmpty(&noted.atHook)) << "the rectangle at creation is empty";
    EXPECT_EQ(data_.MenuUpdate(), !c.mdiCreate);
    ASSERT_NE(Skinner(child), nullptr);
    EXPECT_EQ(Skinner(child)->FormKind(), fmMdiChild);
    ASSERT_TRUE(Skinned(child));
    ExpectSkinnedFrame(child);
    EXPECT_EQ(ClientSize(child).cx, noted.client.right);
    EXPECT_EQ(ClientSize(child).cy, noted.client.bottom);
    SendMessageA(program_->Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  }
}

// However a child is maximised, every child drops its region and gets its native caption
// buttons back, and the manager knows; restored, they wear the skin again.
TEST_F(MdiChildren, MaximisedChildWearsTheNativeFrameUntilRestored) {
  HWND a = NewChild(10, 10, 280, 180);
  HWND b = NewChild(60, 50, 280, 180);
  HWND client = program_->Client();
  const struct {
    const char* name;
    std::function<void(HWND)> maximise, restore;
  } ways[] = {
      {"client messages", [client](HWND w) { SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(w), 0); },
       [client](HWND w) { SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(w), 0); }},
      {"system commands", [](HWND w) { SendMessageA(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0); },
       [](HWND w) { SendMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    way.maximise(b);
    Pump();
    ASSERT_TRUE(IsZoomed(b));
    EXPECT_TRUE(Manager().MdiMaximized());
    EXPECT_EQ(Skinner(b)->Show(), ssMaximized);
    ExpectNativeFrame(b);
    EXPECT_FALSE(HasRegion(a));

    way.restore(b);
    Pump();
    ASSERT_FALSE(IsZoomed(b));
    EXPECT_FALSE(Manager().MdiMaximized());
    EXPECT_EQ(Skinner(b)->Show(), ssNormal);
    ExpectSkinnedFrame(b);
    ExpectSkinnedFrame(a);
  }
}

// A child made maximised sets the flag as it is made; restored, it wears the skin.
TEST_F(MdiChildren, ChildMadeMaximisedSetsTheFlag) {
  HWND child = NewChild(10, 10, 280, 180, WS_MAXIMIZE);
  Pump();
  ASSERT_TRUE(IsZoomed(child));
  EXPECT_TRUE(Manager().MdiMaximized());
  ExpectNativeFrame(child);
  SendMessageA(program_->Client(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  EXPECT_FALSE(Manager().MdiMaximized());
  ExpectSkinnedFrame(child);
}

// Tiling and cascading restore a maximised child: the flag is already clear when the client's
// own procedure gets the message.
TEST_F(MdiChildren, TileAndCascadeClearTheFlagFirst) {
  HWND a = NewChild(10, 10, 280, 180);
  NewChild(60, 50, 280, 180);
  for (UINT arrange : {UINT{WM_MDITILE}, UINT{WM_MDICASCADE}}) {
    SCOPED_TRACE(arrange == WM_MDITILE ? "tile" : "cascade");
    SendMessageA(program_->Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
    Pump();
    ASSERT_TRUE(Manager().MdiMaximized());
    SendMessageA(program_->Client(), arrange, 0, 0);
    Pump();
    const auto& seen = program_->ClientMessages();
    bool found = false;
    for (auto it = seen.rbegin(); it != seen.rend() && !found; ++it)
      if (it->first == arrange) {
        found = true;
        EXPECT_FALSE(it->second) << "the flag was still set when the client arranged";
      }
    EXPECT_TRUE(found);
    EXPECT_FALSE(Manager().MdiMaximized());
    ASSERT_FALSE(IsZoomed(a));
    ExpectSkinnedFrame(a);
  }
}

// After WM_MDIDESTROY the flag follows the child left active: a maximised one keeps it, a
// normal one clears a flag that was out of step, and none left clears it.
TEST_F(MdiChildren, DestroyingAChildTakesTheFlagFromTheChildLeftActive) {
  HWND a = NewChild(10, 10, 280, 180);
  HWND b = NewChild(60, 50, 280, 180);
  HWND c = NewChild(90, 70, 280, 180);
  SendMessageA(program_->Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(c), 0);
  Pump();
  ASSERT_TRUE(Manager().MdiMaximized());
  SendMessageA(program_->Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(c), 0);
  Pump();
  ASSERT_FALSE(IsWindow(c));
  auto active = reinterpret_cast<HWND>(SendMessageA(program_->Client(), WM_MDIGETACTIVE, 0, 0));
  ASSERT_NE(active, nullptr);
  EXPECT_EQ(Manager().MdiMaximized(), IsZoomed(active) != FALSE);
  EXPECT_EQ(HasRegion(active), !IsZoomed(active));

  // Children shown normally while the flag says maximised: the destruction puts it right.
  SendMessageA(program_->Client(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(active), 0);
  Pump();
  Manager().SetMdiMaximized(true);
  SendMessageA(program_->Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(b), 0);
  Pump();
  ASSERT_FALSE(IsZoomed(a));
  EXPECT_FALSE(Manager().MdiMaximized());
  ExpectSkinnedFrame(a);

  SendMessageA(program_->Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
  Pump();
  ASSERT_TRUE(Manager().MdiMaximized());
  SendMessageA(program_->Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(a), 0);
  Pump();
  EXPECT_FALSE(Manager().MdiMaximized()) << "no child is left";
}

} // namespace
} // namespace vcu::test
