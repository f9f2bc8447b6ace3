// Popup menu windows under the skin: a context menu's window is subclassed and painted from
// the skin's menu background, and its skinner is gone from the register when it closes; the
// skinned system menu's items are drawn by the item painter on that background and its Close,
// Minimise and Restore work; a plain window's owner-drawn items beyond its own commands are
// measured and drawn by the skin; a thousand openings leave the GUI object counts flat.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "MenuWindows.h"
#include "core/image/Blit.h"
#include "core/menus/MenuComposer.h"
#include "skin/form/SystemMenu.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "support/GuiResources.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

using PopupMenus = MenuWindowTest;

TEST_F(PopupMenus, ContextMenuWindowWearsTheMenuBackgroundAndLeavesTheRegisterWhenClosed) {
  CreateMenuWindow();
  SkinMenuWindow();
  HWND popup = nullptr;
  size_t registered = 0;
  LRESULT query = 0;
  Bitmap shown, expected;
  MenuScript script({[&] {
    const auto open = OpenMenuWindows();
    if (open.empty()) return;
    popup = open.front();
    registered = Manager().PopupMenus().size();
    query = SendMessageW(popup, SKINMSG_QUERY, 0, 0);
    RedrawWindow(popup, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    shown = ReadWholeWindow(popup);
    expected = Bitmap(shown.Width(), shown.Height());
    ComposeMenuBackground(expected, *data_.MenuBackground);
  }});
  POINT at{200, 200};
  ClientToScreen(window_, &at);
  TrackPopupMenu(GetSubMenu(menu_, 3), TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, window_, nullptr);
  ASSERT_NE(popup, nullptr) << "no popup window was seen";
  EXPECT_EQ(registered, 1u);
  EXPECT_EQ(query, 1) << "the popup window answers that it is skinned";
  ASSERT_GT(shown.Width(), 6);
  // The frame ring: three pixels all round are the skin's.
  int differ = 0;
  for (int y = 0; y < shown.Height(); ++y) {
    const bool ring = y < 3 || y >= shown.Height() - 3;
    differ += ring ? RowDifferences(shown, expected, y, 0, shown.Width())
                   : RowDifferences(shown, expected, y, 0, 3) + RowDifferences(shown, expected, y, shown.Width() - 3, shown.Width());
  }
  EXPECT_EQ(differ, 0);
  EXPECT_TRUE(Manager().PopupMenus().empty()) << "detached when the window went";
  EXPECT_EQ(Manager().MenuKind(), mkPopup);
}

// The system menu's items lie on the popup's skinned background, each in the item element's
// frame; its commands act on the window.
TEST_F(PopupMenus, SkinnedSystemMenuItemsAreDrawnOnTheBackgroundAndItsCommandsWork) {
  CreateMenuWindow();
  SkinMenuWindow();
  TSkinSystemMenu& systemMenu = Skinner()->SkinSystemMenu();
  auto openAndChoose = [&](UINT command, bool check) {
    int checkedItems = 0, rowDifferences = 0;
    MenuScript script({[&] {
                         HMENU menu = systemMenu.Handle();
                         const auto open = OpenMenuWindows();
                         if (!check || open.empty() || !menu) return;
                         RedrawWindow(open.front(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                         const Bitmap shown = ReadWholeWindow(open.front());
                         for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                           if (systemMenu.Items()[static_cast<size_t>(i)].separator) continue;
                           rowDifferences += ItemEdgeDifferences(shown, open.front(), menu, static_cast<UINT>(i), data_);
                           ++checkedItems;
                         }
                       },
                       [&] {
                         HMENU menu = systemMenu.Handle();
                         for (int i = 0; menu && i < GetMenuItemCount(menu); ++i)
                           if (GetMenuItemID(menu, i) == command) ClickMenuItem(window_, menu, i);
                       }});
    RECT frame{};
    GetWindowRect(window_, &frame);
    SendMessageW(window_, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(frame.left + 80, frame.top + 12));
    for (int i = 0; i < 10; ++i) {
      Sleep(20);
      Pump();
    }
    if (check) {
      EXPECT_GT(checkedItems, 3);
      EXPECT_EQ(rowDifferences, 0);
    }
  };
  openAndChoose(SC_MINIMIZE, true);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(window_) != FALSE; }, "minimised from the skinned menu"));
  Sleep(600); // past the double-click time of the last opening
  openAndChoose(SC_RESTORE, false);
  ASSERT_TRUE(PumpUntil([&] { return !IsIconic(window_); }, "restored from the skinned menu"));
  Sleep(600);
  openAndChoose(SC_CLOSE, false);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(window_); }, "closed from the skinned menu"));
  window_ = nullptr;
  EXPECT_TRUE(Manager().PopupMenus().empty());
}

// A plain window's owner-drawn items beyond its own command range are the skin's: measured
// from their text and drawn on the popup's background in the item element's frame (the
// selected one in the selected frame).
TEST_F(PopupMenus, PlainWindowsOwnerDrawnSystemRangeItemsAreMeasuredAndDrawnByTheSkin) {
  CreateMenuWindow();
  SkinMenuWindow();
  HMENU popup = CreatePopupMenu();
  const wchar_t* texts[] = {L"Skinned first", L"Skinned second item"};
  for (UINT i = 0; i < 2; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.fType = MFT_OWNERDRAW;
    info.wID = 0x5001 + i;
    info.dwTypeData = const_cast<wchar_t*>(texts[i]);
    InsertMenuItemW(popup, i, TRUE, &info);
  }
  int checked = 0, differences = 0;
  RECT first{};
  MenuScript script({[] { PressMenuKey(VK_DOWN); },
                     [&] {
                       const auto open = OpenMenuWindows();
                       if (open.empty()) return;
                       RedrawWindow(open.front(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                       const Bitmap shown = ReadWholeWindow(open.front());
                       for (int i = 0; i < 2; ++i) {
                         if (i == 0) GetMenuItemRect(nullptr, popup, 0, &first);
                         const bool selected = GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE;
                         differences += ItemEdgeDifferences(shown, open.front(), popup, static_cast<UINT>(i), data_, selected);
                         ++checked;
                       }
                     }});
  POINT at{150, 150};
  ClientToScreen(window_, &at);
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, window_, nullptr);
  DestroyMenu(popup);
  EXPECT_EQ(checked, 2);
  EXPECT_EQ(differences, 0);
  EXPECT_GT(first.right - first.left, 0);
}

// The size the skin asks for such an item: its text in the menu font, 26 more and the item
// element's left slice; its requested height plus 4, or 8 for an item without text.
TEST_F(PopupMenus, PlainWindowsOwnerDrawnItemsAreMeasuredFromTheirText) {
  CreateMenuWindow();
  SkinMenuWindow();
  HMENU popup = CreatePopupMenu();
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
  info.fType = MFT_OWNERDRAW;
  info.wID = 0x5001;
  info.dwTypeData = const_cast<wchar_t*>(L"Measured item\tCtrl+M");
  InsertMenuItemW(popup, 0, TRUE, &info);
  info.fMask = MIIM_FTYPE | MIIM_ID;
  info.wID = 0x5002;
  InsertMenuItemW(popup, 1, TRUE, &info);
  SendMessageW(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
  MEASUREITEMSTRUCT text{ODT_MENU, 0, 0x5001, 0, 18, 0}, blank{ODT_MENU, 0, 0x5002, 0, 18, 0};
  EXPECT_TRUE(SendMessageW(window_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&text)));
  SendMessageW(window_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&blank));
  DestroyMenu(popup);

  HDC dc = GetDC(nullptr);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, L"Measured item\tCtrl+M", -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(static_cast<int>(text.itemWidth), r.right + 26 + data_.MenuItem->LeftWidth);
  EXPECT_EQ(text.itemHeight, 22u);
  EXPECT_EQ(blank.itemHeight, 8u);
  MEASUREITEMSTRUCT own{ODT_MENU, 0, 101, 0, 18, 0};
  SendMessageW(window_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&own));
  EXPECT_EQ(own.itemWidth, 0u) << "the window's own commands are the window's to measure";
}

TEST_F(PopupMenus, AThousandOpeningsLeaveTheGuiObjectCountsFlat) {
  constexpr int kOpenings = 1000;
  constexpr long kMargin = 4;
  CreateMenuWindow();
  SkinMenuWindow();
  HMENU popup = GetSubMenu(menu_, 0);
  GuiObjectCounts first{};
  for (int i = 1; i <= kOpenings; ++i) {
    // Escape waits in the queue: the menu opens, is skinned and closes at once.
    PostMessageW(window_, WM_KEYDOWN, VK_ESCAPE, 1);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, 300, 300, 0, window_, nullptr);
    Pump();
    if (!Manager().PopupMenus().empty()) {
      ADD_FAILURE() << "a popup skinner is left after opening " << i;
      return;
    }
    if (i == 1) first = CountGuiObjects();
  }
  EXPECT_EQ(Log().dropDowns.size(), static_cast<size_t>(kOpenings)) << "every opening reached the window";
  const GuiObjectCounts last = CountGuiObjects();
  std::printf("GDI objects: %ld after the first opening, %ld after %d; USER objects: %ld, %ld\n", first.gdi, last.gdi,
              kOpenings, first.user, last.user);
  ASSERT_GE(first.gdi, 0);
  EXPECT_LE(std::labs(last.gdi - first.gdi), kMargin);
  EXPECT_LE(std::labs(last.user - first.user), kMargin);
}

} // namespace
} // namespace vcu::test
