// A framework form under our default skin: the window grows by the skin's borders around an
// unchanged client and shrinks back exactly when skinning goes off; the skinned window answers
// the manager's query and the hit test; its region is where the borders are not magenta.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

#include <windowsx.h>

#include "SkinnedForms.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

using FormFrame = SkinnedFormTest;

TEST_F(FormFrame, SkinnedWindowIsClientPlusBordersAndGoesBackExactly) {
  const DefaultBorders borders = ReadDefaultBorders();
  HWND window = form_.Handle();
  const WindowSize before = WindowSizeOf(window);
  const WindowSize client = ClientSizeOf(window);
  ASSERT_EQ(before.width, 400);
  ASSERT_EQ(before.height, 300);

  SkinOn();
  TWinSkinForm* skinner = RunningSkinner(window);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->Frame(), fkSizeable);
  const BorderSizes& b = skinner->Borders();
  EXPECT_EQ(b.left, borders.Left());
  EXPECT_EQ(b.top, borders.Top());
  EXPECT_EQ(b.right, borders.Right());
  EXPECT_EQ(b.bottom, borders.Bottom());
  const WindowSize skinned = WindowSizeOf(window);
  const WindowSize skinnedClient = ClientSizeOf(window);
  std::printf("native %dx%d, client %dx%d; borders %d,%d,%d,%d; skinned %dx%d, client %dx%d\n", before.width,
              before.height, client.width, client.height, borders.Left(), borders.Top(), borders.Right(),
              borders.Bottom(), skinned.width, skinned.height, skinnedClient.width, skinnedClient.height);
  EXPECT_EQ(skinned.width, client.width + borders.Left() + borders.Right());
  EXPECT_EQ(skinned.height, client.height + borders.Top() + borders.Bottom());
  EXPECT_EQ(skinnedClient.width, client.width);
  EXPECT_EQ(skinnedClient.height, client.height);
  if (client.width == 392 && client.height == 273) {
    EXPECT_EQ(skinned.width, 400);
    EXPECT_EQ(skinned.height, 307);
  }
  // The framework's own bounds follow the resize made behind its back.
  EXPECT_EQ(form_.Width(), skinned.width);
  EXPECT_EQ(form_.Height(), skinned.height);

  ASSERT_TRUE(SwitchSkinning(data_, false));
  EXPECT_EQ(Manager().FindSkinForm(window), nullptr);
  const WindowSize after = WindowSizeOf(window);
  EXPECT_EQ(after.width, 400);
  EXPECT_EQ(after.height, 300);
  EXPECT_EQ(ClientSizeOf(window).width, client.width);
  EXPECT_EQ(ClientSizeOf(window).height, client.height);
}

// The title shows the text the window has now, however it was set: the caption is kept
// between paints and must be read again after every change.
TEST_F(FormFrame, TitleFollowsTheWindowText) {
  HWND window = form_.Handle();
  SkinOn();
  TWinSkinForm* skinner = RunningSkinner(window);
  ASSERT_NE(skinner, nullptr);
  skinner->PaintFrame();
  form_.SetCaption("Set through the form");
  EXPECT_EQ(skinner->WindowText(), L"Set through the form");
  SetWindowTextA(window, "Set from outside");
  EXPECT_EQ(skinner->WindowText(), L"Set from outside");
  SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Sent wide"));
  EXPECT_EQ(skinner->WindowText(), L"Sent wide");
}

LRESULT HitTest(HWND window, int frameX, int frameY) {
  RECT r{};
  GetWindowRect(window, &r);
  return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(r.left + frameX, r.top + frameY));
}

// The skinned window says so every time it is asked; an unskinned one does not.
TEST_F(FormFrame, QueryAnswersOneEveryTime) {
  HWND window = form_.Handle();
  EXPECT_EQ(SendMessageA(window, SKINMSG_QUERY, 0, 0), 0);
  SkinOn();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(SendMessageA(window, SKINMSG_QUERY, 0, 0), 1) << "query " << i + 1;
  MSG posted;
  EXPECT_TRUE(PeekMessageA(&posted, window, SKINMSG_SKINNED, SKINMSG_SKINNED, PM_REMOVE)) << "the answer's note";
  EXPECT_EQ(posted.lParam, kSkinMark);
  ASSERT_TRUE(SwitchSkinning(data_, false));
  Pump();
  EXPECT_EQ(SendMessageA(window, SKINMSG_QUERY, 0, 0), 0);
}

// The top three pixels keep the answer the window gives without the skin (a sizing edge, a
// border); below them the whole title, down to the client, is caption. For each frame style.
TEST_F(FormFrame, HitTestKeepsTheTopThreePixels) {
  const struct {
    const char* name;
    TFormBorderStyle style;
  } cases[] = {{"sizeable", bsSizeable}, {"single", bsSingle}, {"dialog", bsDialog}, {"tool window", bsToolWindow}};
  std::vector<std::unique_ptr<TForm>> forms;
  std::vector<std::vector<LRESULT>> native;
  for (const auto& c : cases) {
    forms.push_back(std::make_unique<TForm>(nullptr));
    TForm& form = *forms.back();
    form.SetBorderStyle(c.style);
    form.SetBounds(150, 120, 300, 200);
    form.Show();
    const int middle = WindowSizeOf(form.Handle()).width / 2;
    native.emplace_back();
    for (int y = 0; y < 3; ++y) native.back().push_back(HitTest(form.Handle(), middle, y));
    std::printf("%s: native answers at y 0..2: %d %d %d\n", c.name, static_cast<int>(native.back()[0]),
                static_cast<int>(native.back()[1]), static_cast<int>(native.back()[2]));
  }
  SkinOn();
  for (size_t i = 0; i < forms.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    HWND window = forms[i]->Handle();
    ASSERT_TRUE(PumpUntilSkinned(window));
    const int middle = WindowSizeOf(window).width / 2;
    RECT r{};
    GetWindowRect(window, &r);
    for (int y = 0; y < 3; ++y) {
      EXPECT_EQ(HitTest(window, middle, y), native[i][static_cast<size_t>(y)]) << "y " << y;
      EXPECT_EQ(HitTest(window, middle, y), DefWindowProcA(window, WM_NCHITTEST, 0, MAKELPARAM(r.left + middle, r.top + y)))
          << "y " << y;
    }
    const int top = RunningSkinner(window)->Borders().top;
    for (int y : {4, top / 2, top - 1}) EXPECT_EQ(HitTest(window, middle, y), HTCAPTION) << "y " << y;
    EXPECT_EQ(HitTest(window, middle, top + 5), HTCLIENT);
    // Across the title between the side borders, where the native icon and caption buttons
    // would answer, it is all caption: those are not drawn and must not be clicked.
    const BorderSizes& b = RunningSkinner(window)->Borders();
    int notCaption = 0;
    for (int x = b.left; x < WindowSizeOf(window).width - b.right; ++x) notCaption += HitTest(window, x, top / 2) != HTCAPTION;
    EXPECT_EQ(notCaption, 0);
  }
}

// Every pixel of the corners, and points along each edge, are inside the window region exactly
// when the border bitmap there is not magenta. The strips' ends are drawn at their own size, so
// a corner pixel is the bitmap's pixel; along an edge the stretched middle is checked where
// every middle row (or column) of the bitmap agrees.
void ExpectRegionFromBorders(HWND window, const DefaultBorders& borders, const char* when) {
  SCOPED_TRACE(when);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, probe), ERROR);
  const WindowSize size = WindowSizeOf(window);
  const int W = size.width, H = size.height;
  const int L = borders.Left(), T = borders.Top(), R = borders.Right(), B = borders.Bottom();
  int checked = 0, wrong = 0;
  auto expect = [&](int x, int y, bool in, const char* where) {
    ++checked;
    if ((PtInRegion(probe, x, y) != FALSE) == in) return;
    if (++wrong <= 10) ADD_FAILURE() << where << " (" << x << "," << y << ") should be " << (in ? "in" : "out");
  };
  const Bitmap& left = borders.left.frame;
  const Bitmap& right = borders.right.frame;
  const Bitmap& topStrip = borders.top.frame;
  // Side strips: their top and bottom ends, full height of the title and the bottom.
  for (int y = 0; y < borders.left.keptStart; ++y)
    for (int x = 0; x < L; ++x) expect(x, y, !IsKeyColour(left.At(x, y)), "top-left corner, left strip");
  for (int y = 0; y < borders.left.keptEnd; ++y)
    for (int x = 0; x < L; ++x)
      expect(x, H - borders.left.keptEnd + y, !IsKeyColour(left.At(x, left.Height() - borders.left.keptEnd + y)),
             "bottom-left corner");
  for (int y = 0; y < borders.right.keptStart; ++y)
    for (int x = 0; x < R; ++x) expect(W - R + x, y, !IsKeyColour(right.At(x, y)), "top-right corner, right strip");
  for (int y = 0; y < borders.right.keptEnd; ++y)
    for (int x = 0; x < R; ++x)
      expect(W - R + x, H - borders.right.keptEnd + y,
             !IsKeyColour(right.At(x, right.Height() - borders.right.keptEnd + y)), "bottom-right corner");
  // The top strip's ends, beside the side strips.
  for (int y = 0; y < T; ++y) {
    for (int x = 0; x < borders.top.keptStart; ++x)
      expect(L + x, y, !IsKeyColour(topStrip.At(x, y)), "top-left corner, top strip");
    for (int x = 0; x < borders.top.keptEnd; ++x)
      expect(W - R - borders.top.keptEnd + x, y,
             !IsKeyColour(topStrip.At(topStrip.Width() - borders.top.keptEnd + x, y)), "top-right corner, top strip");
  }
  // Along the edges: the middle of each strip, where the bitmap's middle agrees.
  auto uniformColumn = [](const Bitmap& image, int x, int from, int to, bool& key) {
    key = IsKeyColour(image.At(x, from));
    for (int y = from; y < to; ++y)
      if (IsKeyColour(image.At(x, y)) != key) return false;
    return true;
  };
  for (int x = 0; x < L; ++x) {
    bool key = false;
    ASSERT_TRUE(uniformColumn(left, x, borders.left.keptStart, left.Height() - borders.left.keptEnd, key));
    for (int y : {T + 1, H / 2, H - B - 2}) expect(x, y, !key, "left edge");
  }
  for (int x = 0; x < R; ++x) {
    bool key = false;
    ASSERT_TRUE(uniformColumn(right, x, borders.right.keptStart, right.Height() - borders.right.keptEnd, key));
    for (int y : {T + 1, H / 2, H - B - 2}) expect(W - R + x, y, !key, "right edge");
  }
  for (int y = 0; y < T; ++y) {
    const int mid = topStrip.Width() / 2;
    const bool key = IsKeyColour(topStrip.At(mid, y));
    for (int x = borders.top.keptStart; x < topStrip.Width() - borders.top.keptEnd; ++x)
      ASSERT_EQ(IsKeyColour(topStrip.At(x, y)), key) << "top strip middle, row " << y;
    for (int x : {L + borders.top.keptStart + 1, W / 2, W - R - borders.top.keptEnd - 2}) expect(x, y, !key, "top edge");
  }
  // The bottom border has no see-through pixels: its whole strip is in.
  ASSERT_FALSE(borders.bottom.transparent);
  for (int x : {0, L, W / 2, W - R, W - 1})
    for (int y = H - B; y < H; ++y) expect(x, y, true, "bottom edge");
  // The client and nothing outside the window.
  for (POINT p : {POINT{L, T}, POINT{W / 2, H / 2}, POINT{W - R - 1, H - B - 1}}) expect(p.x, p.y, true, "client");
  for (POINT p : {POINT{-1, 10}, POINT{W, 10}, POINT{10, H}}) expect(p.x, p.y, false, "outside");
  // The corners are really shaped: some pixel of them is cut.
  int cut = 0;
  for (int y = 0; y < borders.left.keptStart; ++y)
    for (int x = 0; x < L; ++x) cut += IsKeyColour(left.At(x, y));
  EXPECT_GT(cut, 0) << "the default skin's corners are round";
  std::printf("region %s, %dx%d: %d points checked against the border bitmaps, %d wrong\n", when, W, H, checked, wrong);
  DeleteObject(probe);
}


TEST_F(FormFrame, RegionIsWhereTheBordersAreNotMagenta) {
  const DefaultBorders borders = ReadDefaultBorders();
  ASSERT_TRUE(borders.left.transparent && borders.top.transparent && borders.right.transparent);
  HWND window = form_.Handle();
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, probe), ERROR) << "no region before skinning";
  DeleteObject(probe);
  SkinOn();
  ExpectRegionFromBorders(window, borders, "skinned");
  // Resized from outside: the region follows the new size.
  SetWindowPos(window, nullptr, 0, 0, 520, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  ExpectRegionFromBorders(window, borders, "resized");
  // The skin applied anew: the window keeps its size, and the region is built again.
  data_.ApplySkin();
  ASSERT_TRUE(PumpUntil([this] { return !Manager().TimerEnabled(); }, "the manager to carry the request out"));
  Pump();
  EXPECT_EQ(WindowSizeOf(window).width, 520);
  EXPECT_EQ(WindowSizeOf(window).height, 260);
  ExpectRegionFromBorders(window, borders, "skin applied anew");
}

// A skin with other border sizes applied to a skinned form that was resized since it was
// skinned: the client keeps the size it has, inside the new borders; switched off, inside the
// native frame.
TEST_F(FormFrame, NewSkinWithOtherBordersKeepsTheClientItHas) {
  const Bytes other = StreamOf(PackSkin({{"l.bmp", BmpFile(12, 40)},
                                         {"t.bmp", BmpFile(40, 48)},
                                         {"r.bmp", BmpFile(12, 40)},
                                         {"b.bmp", BmpFile(40, 12)},
                                         {"skin.ini", TextBytes("[Personality]\nLeft=l.bmp\nLeftFrame=2\n"
                                                                "Top=t.bmp\nTopFrame=2\nRight=r.bmp\nRightFrame=2\n"
                                                                "Bottom=b.bmp\nBottomFrame=2\n")}}));
  HWND window = form_.Handle();
  SkinOn();
  SetWindowPos(window, nullptr, 0, 0, 520, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  const WindowSize client = ClientSizeOf(window);
  data_.ReadSkinStream(other);
  ASSERT_FALSE(data_.SkinEmpty);
  data_.ApplySkin();
  ASSERT_TRUE(PumpUntil([this] { return !Manager().TimerEnabled(); }, "the manager to carry the request out"));
  Pump();
  TWinSkinForm* skinner = RunningSkinner(window);
  ASSERT_NE(skinner, nullptr);
  const BorderSizes& b = skinner->Borders();
  EXPECT_EQ(b.left, 6);
  EXPECT_EQ(b.top, 24);
  EXPECT_EQ(b.right, 6);
  EXPECT_EQ(b.bottom, 6);
  EXPECT_EQ(ClientSizeOf(window).width, client.width);
  EXPECT_EQ(ClientSizeOf(window).height, client.height);
  EXPECT_EQ(WindowSizeOf(window).width, client.width + 12);
  EXPECT_EQ(WindowSizeOf(window).height, client.height + 30);
  ASSERT_TRUE(SwitchSkinning(data_, false));
  EXPECT_EQ(ClientSizeOf(window).width, client.width);
  EXPECT_EQ(ClientSizeOf(window).height, client.height);
}

} // namespace
} // namespace vcu::test
