#include "framework/Win32Platform.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace vcu {
namespace {

TEST(Win32Platform, AnswersFromTheRunningSystem) {
  UseWin32Platform();
  for (int index : {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_WINDOW, COLOR_HIGHLIGHT})
    EXPECT_EQ(Platform().SystemColour(index), GetSysColor(index)) << index;
  EXPECT_EQ(Platform().SystemMetric(SM_CXHSCROLL), GetSystemMetrics(SM_CXHSCROLL));
  SetPlatform(nullptr);
}

// The display the tests run on must give back what was painted: every pixel test relies on it.
TEST(Win32Platform, PaintedPixelsReadBackFromAWindow) {
  HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 40, 30, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  HDC dc = GetDC(wnd);
  HBRUSH brush = CreateSolidBrush(RGB(12, 200, 77));
  RECT r{5, 5, 20, 15};
  FillRect(dc, &r, brush);
  EXPECT_EQ(GetPixel(dc, 6, 6), RGB(12, 200, 77));
  EXPECT_NE(GetPixel(dc, 25, 20), RGB(12, 200, 77));
  DeleteObject(brush);
  ReleaseDC(wnd, dc);
  DestroyWindow(wnd);
}

} // namespace
} // namespace vcu
