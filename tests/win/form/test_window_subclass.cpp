// Subclassing native windows for the skinners: messages through the handler and on to the
// window's own procedure, the procedure given back, and never a procedure installed later cut
// out of the chain.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "skin/data/WindowSubclass.h"

namespace vcu {
namespace {

constexpr UINT kProbe = WM_APP + 7;

// A plain window of a class of its own, ANSI or Unicode; its procedure answers kProbe with 1.
LRESULT CALLBACK OwnProcA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) return 1;
  return DefWindowProcA(window, msg, wParam, lParam);
}
LRESULT CALLBACK OwnProcW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) return 1;
  return DefWindowProcW(window, msg, wParam, lParam);
}

HWND MakeWindow(bool unicode) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (unicode) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"SubclassProbeW";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, instance, nullptr);
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = OwnProcA;
  wc.hInstance = instance;
  wc.lpszClassName = "SubclassProbeA";
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, instance, nullptr);
}

LONG_PTR ProcOf(HWND window) {
  return IsWindowUnicode(window) ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

// A procedure put in front by someone else, after our subclass.
WNDPROC laterOld = nullptr;
int laterSeen = 0;
LRESULT CALLBACK LaterProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) ++laterSeen;
  return CallWindowProcA(laterOld, window, msg, wParam, lParam);
}

TEST(WindowSubclass, HandlerSeesMessagesAndTheOwnProcedureIsGivenBack) {
  for (bool unicode : {false, true}) {
    SCOPED_TRACE(unicode ? "Unicode window" : "ANSI window");
    HWND window = MakeWindow(unicode);
    ASSERT_TRUE(window);
    const LONG_PTR own = ProcOf(window);
    int seen = 0;
    TWindowSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
      if (msg == kProbe) ++seen;
      return subclass.CallOld(msg, wParam, lParam) + (msg == kProbe ? 10 : 0);
    }));
    EXPECT_EQ(IsWindowUnicode(window) != FALSE, unicode) << "the window keeps its kind";
    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 11);
    EXPECT_EQ(seen, 1);
    TWindowSubclass second;
    EXPECT_FALSE(second.Attach(window, [](UINT, WPARAM, LPARAM) -> LRESULT { return 0; })) << "one of ours per window";
    subclass.Detach();
    EXPECT_EQ(ProcOf(window), own);
    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 1);
    EXPECT_EQ(seen, 1);
    DestroyWindow(window);
  }
}

TEST(WindowSubclass, DetachingNeverCutsOutAProcedureInstalledLater) {
  HWND window = MakeWindow(false);
  ASSERT_TRUE(window);
  int seen = 0;
  TWindowSubclass subclass;
  ASSERT_TRUE(subclass.Attach(window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kProbe) ++seen;
    return subclass.CallOld(msg, wParam, lParam);
  }));
  laterSeen = 0;
  laterOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)));
  subclass.Detach();
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(LaterProc));
  EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 1) << "the window's own procedure still answers";
  EXPECT_EQ(laterSeen, 1);
  EXPECT_EQ(seen, 0) << "the detached handler hears nothing more";

  // Attached again over our pass-through procedure, the handler hears messages again.
  ASSERT_TRUE(subclass.Attach(window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kProbe) ++seen;
    return subclass.CallOld(msg, wParam, lParam);
  }));
  EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 1);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(laterSeen, 2);
  DestroyWindow(window);
  EXPECT_FALSE(subclass.Attached()) << "the window's end takes the subclass off";
}

TEST(WindowSubclass, TheLastMessageReachesTheHandlerAndTheOwnProcedure) {
  HWND window = MakeWindow(true);
  ASSERT_TRUE(window);
  bool handlerSawEnd = false;
  TWindowSubclass subclass;
  ASSERT_TRUE(subclass.Attach(window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY) {
      handlerSawEnd = true;
      subclass.Detach(); // as a skinner does when its window goes
    }
    return subclass.CallOld(msg, wParam, lParam);
  }));
  DestroyWindow(window);
  EXPECT_TRUE(handlerSawEnd);
  EXPECT_FALSE(subclass.Attached());
  EXPECT_FALSE(IsWindow(window));
}

} // namespace
} // namespace vcu
