// The GDI and USER object counter follows objects as they are made and freed: each kind of
// GDI object a skinner makes, and windows in every place a skinner puts them.
#include "support/GuiResources.h"

#include <functional>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

namespace vcu::test {
namespace {

// Objects the system makes on its own behalf now and then (a DC cached for a window, the
// thread's input-method window) must not fail a count that is otherwise exact.
constexpr long kMargin = 2;

struct GdiKind {
  const char* name;
  std::function<HGDIOBJ(int)> make;
};

void FreeGdi(HGDIOBJ object) {
  if (GetObjectType(object) == OBJ_MEMDC) {
    DeleteDC(static_cast<HDC>(object));
  } else {
    DeleteObject(object);
  }
}

const GdiKind kGdiKinds[] = {
    {"solid brush", [](int i) -> HGDIOBJ { return CreateSolidBrush(RGB(i, 0, 0)); }},
    {"pen", [](int i) -> HGDIOBJ { return CreatePen(PS_SOLID, 1 + i % 3, RGB(0, i, 0)); }},
    {"bitmap", [](int i) -> HGDIOBJ { return CreateBitmap(8 + i, 8, 1, 32, nullptr); }},
    {"font",
     [](int i) -> HGDIOBJ {
       return CreateFontW(10 + i % 5, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
     }},
    {"region", [](int i) -> HGDIOBJ { return CreateRectRgn(0, 0, 10 + i, 10); }},
    {"memory DC", [](int) -> HGDIOBJ { return CreateCompatibleDC(nullptr); }},
};

HWND MakeWindow(DWORD style, HWND parent) {
  return CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 40, 40, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

class GuiObjectCounter : public ::testing::Test {
protected:
  // The first GDI call and the first window of a process or thread bring the system's own
  // objects with them (under Wine 8, ten GDI objects at the first brush): made once here,
  // they stay out of every measured difference.
  static void SetUpTestSuite() {
    for (const GdiKind& kind : kGdiKinds) FreeGdi(kind.make(0));
    HWND window = MakeWindow(WS_POPUP | WS_VISIBLE, nullptr);
    ReleaseDC(window, GetDC(window));
    DestroyWindow(window);
  }
};

TEST_F(GuiObjectCounter, FollowsEachKindOfGdiObject) {
  constexpr int kCount = 50;
  for (const GdiKind& kind : kGdiKinds) {
    SCOPED_TRACE(kind.name);
    const long before = CountGuiObjects().gdi;
    ASSERT_GE(before, 0) << "no GDI count on this system";
    std::vector<HGDIOBJ> objects;
    for (int i = 0; i < kCount; ++i) {
      objects.push_back(kind.make(i));
      ASSERT_NE(objects.back(), nullptr);
    }
    EXPECT_NEAR(CountGuiObjects().gdi, before + kCount, kMargin);
    for (HGDIOBJ object : objects) FreeGdi(object);
    EXPECT_NEAR(CountGuiObjects().gdi, before, kMargin);
  }
}

struct WindowShape {
  const char* name;
  // Makes 20 windows and returns those that destroy the rest with them.
  std::function<std::vector<HWND>()> make;
};

const WindowShape kWindowShapes[] = {
    {"top-level windows",
     [] {
       std::vector<HWND> roots;
       for (int i = 0; i < 20; ++i) roots.push_back(MakeWindow(WS_OVERLAPPEDWINDOW, nullptr));
       return roots;
     }},
    {"children three deep",
     [] {
       std::vector<HWND> roots;
       for (int i = 0; i < 5; ++i) {
         HWND parent = MakeWindow(WS_POPUP, nullptr);
         roots.push_back(parent);
         for (int depth = 0; depth < 3; ++depth) parent = MakeWindow(WS_CHILD, parent);
       }
       return roots;
     }},
    {"owned popups",
     [] {
       HWND owner = MakeWindow(WS_POPUP, nullptr);
       for (int i = 0; i < 19; ++i) MakeWindow(WS_POPUP, owner);
       return std::vector<HWND>{owner};
     }},
    {"message-only windows",
     [] {
       std::vector<HWND> roots;
       for (int i = 0; i < 20; ++i) roots.push_back(MakeWindow(0, HWND_MESSAGE));
       return roots;
     }},
};

TEST_F(GuiObjectCounter, FollowsWindowsWhereverTheyAre) {
  for (const WindowShape& shape : kWindowShapes) {
    SCOPED_TRACE(shape.name);
    const long before = CountGuiObjects().user;
    const std::vector<HWND> roots = shape.make();
    for (HWND root : roots) ASSERT_NE(root, nullptr);
    EXPECT_NEAR(CountGuiObjects().user, before + 20, kMargin);
    for (HWND root : roots) DestroyWindow(root);
    EXPECT_NEAR(CountGuiObjects().user, before, kMargin);
  }
}

// Another thread's windows are not this thread's to answer for.
TEST_F(GuiObjectCounter, LeavesOtherThreadsWindowsOut) {
  const long before = CountGuiObjects().user;
  HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  struct Events { HANDLE made, done; } events{made, done};
  HANDLE thread = CreateThread(nullptr, 0, [](void* p) -> DWORD {
    auto* e = static_cast<Events*>(p);
    HWND w = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr);
    SetEvent(e->made);
    WaitForSingleObject(e->done, 10000);
    DestroyWindow(w);
    return 0;
  }, &events, 0, nullptr);
  ASSERT_EQ(WaitForSingleObject(made, 10000), WAIT_OBJECT_0);
  const long during = CountGuiObjects().user;
  SetEvent(done);
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  CloseHandle(made);
  CloseHandle(done);
  // Only under the window count; GetGuiResources counts the whole process.
  if (GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS) == 0) {
    EXPECT_EQ(during, before);
  }
}

} // namespace
} // namespace vcu::test
