// Skinned push buttons: the Buttons frame of each state on framework buttons, the caption's
// line break and colours, the click the skinner delivers (framework OnClick, a system message
// box's button identifier), and the native button given back when skinning goes off.
#include <gtest/gtest.h>

#include <set>

#include "ButtonTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "core/controls/ButtonRules.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinButton.h"
#include "support/Dialogs.h"
#include "support/Pixels.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"

namespace vcu::test {
namespace {

class SkinnedButtons : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    // The pointer starts well away from the form, so no button begins hot.
    input::MoveTo(POINT{5, 5});
    Pump();
  }

  TButton* AddButton(const char* caption, int x, int y, int width, int height) {
    auto* button = new TButton(&form_);
    button->SetParent(&form_);
    button->SetBounds(x, y, width, height);
    button->SetCaption(caption);
    return button;
  }
  TSkinButton* SkinnerOfButton(TButton* button) {
    return dynamic_cast<TSkinButton*>(SkinnerOf(form_.Handle(), button->Handle()));
  }
  // Focus rectangles are XOR-drawn; frame comparisons leave them out.
  void WithoutFocusRect() { data_.SetOptions(data_.Options() | (1u << xoNoFocusRect)); }
  void FocusForm() {
    SetFocus(form_.Handle());
    Pump();
  }
  POINT ScreenPoint(TButton* button, int x, int y) {
    POINT p{x, y};
    ClientToScreen(button->Handle(), &p);
    return p;
  }
  // Frame `frame` as the core composes it, against the button's pixels.
  std::string FrameDifference(TButton* button, int frame) {
    Pump();
    return FirstDifference(ClientPixels(button->Handle()),
                           ComposedButtonFrame(data_, frame, button->Width(), button->Height()));
  }
};

TEST_F(SkinnedButtons, FrameSlicedToEachButtonsSize) {
  WithoutFocusRect();
  struct Size {
    int width, height;
  };
  const Size sizes[] = {{75, 25}, {160, 41}, {7, 7}}; // the last is smaller than the margins
  std::vector<TButton*> buttons;
  int y = 10;
  for (const Size& s : sizes) {
    buttons.push_back(AddButton("", 10, y, s.width, s.height));
    y += s.height + 10;
  }
  SkinOn();
  FocusForm();
  for (TButton* button : buttons) {
    ASSERT_NE(SkinnerOfButton(button), nullptr);
    EXPECT_EQ(FrameDifference(button, bfNormal), "") << button->Width() << "x" << button->Height();
  }
}

TEST_F(SkinnedButtons, EachStateShowsItsFrame) {
  WithoutFocusRect();
  TButton* button = AddButton("", 40, 40, 120, 34);
  SkinOn();
  TSkinButton* skinner = SkinnerOfButton(button);
  ASSERT_NE(skinner, nullptr);
  HWND window = button->Handle();
  FocusForm();
  EXPECT_EQ(FrameDifference(button, bfNormal), "") << "normal";

  input::MoveTo(ScreenPoint(button, 60, 17));
  ASSERT_TRUE(PumpUntil([&] { return skinner->Hot(); }, "the real pointer to make the button hot"));
  EXPECT_EQ(FrameDifference(button, bfHot), "") << "hot";

  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 17));
  EXPECT_EQ(GetFocus(), window) << "a press focuses the button";
  EXPECT_EQ(FrameDifference(button, bfPressed), "") << "pressed";
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 17));
  EXPECT_EQ(FrameDifference(button, bfHot), "") << "released under the pointer";

  input::MoveTo(POINT{5, 5});
  ASSERT_TRUE(PumpUntil([&] { return !skinner->Hot(); }, "the leave notification"));
  EXPECT_EQ(FrameDifference(button, bfFocused), "") << "focused";

  FocusForm();
  button->SetDefault(true);
  EXPECT_EQ(FrameDifference(button, bfFocused), "") << "the default button";
  button->SetEnabled(false);
  EXPECT_EQ(FrameDifference(button, bfDisabled), "") << "disabled default button";
}

// The caption's pixels: those that differ from the bare frame of the same state.
Bitmap CaptionMask(const Bitmap& shown, const Bitmap& frame) {
  Bitmap mask(shown.Width(), shown.Height(), PixelFormat::Bits32);
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) mask.Set(x, y, shown.At(x, y) != frame.At(x, y) ? shown.At(x, y) : 0xFF000000u);
  return mask;
}

TEST_F(SkinnedButtons, CaptionColourFollowsTheStateAndDisabledIsGreyDespiteNormalColour2) {
  ASSERT_TRUE(data_.Buttons.HasNormalColour2 && data_.Buttons.HasMouseOverColour2 && data_.Buttons.HasPressedColour2)
      << "the default skin gives all three state colours";
  WithoutFocusRect();
  TButton* button = AddButton("MMMM", 40, 40, 120, 34);
  SkinOn();
  TSkinButton* skinner = SkinnerOfButton(button);
  ASSERT_NE(skinner, nullptr);
  HWND window = button->Handle();
  FocusForm();

  const Pixel normal = PixelOfColour(data_.Buttons.NormalColour2);
  const Pixel hot = PixelOfColour(data_.Buttons.MouseOverColour2);
  const Pixel pressed = PixelOfColour(data_.Buttons.PressedColour2);
  const Pixel own = PixelOfColour(button->Font()->Color());
  const Pixel grey = PixelOf(GetSysColor(COLOR_BTNSHADOW));
  const std::set<Pixel> all{normal, hot, pressed, own, grey};
  ASSERT_EQ(all.size(), 5u) << "the five text colours can be told apart";
  auto expectCaptionIn = [&](int frame, Pixel colour, const char* what) {
    Pump();
    const Bitmap mask = CaptionMask(ClientPixels(window), ComposedButtonFrame(data_, frame, 120, 34));
    EXPECT_GE(CountOf(mask, colour), 5) << what;
    for (Pixel other : all) {
      if (other == colour) continue;
      EXPECT_EQ(CountOf(mask, other), 0) << what;
    }
  };
  expectCaptionIn(bfNormal, normal, "normal");
  input::MoveTo(ScreenPoint(button, 60, 17));
  ASSERT_TRUE(PumpUntil([&] { return skinner->Hot(); }, "the button to turn hot"));
  expectCaptionIn(bfHot, hot, "hot");
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 17));
  expectCaptionIn(bfPressed, pressed, "pressed");
  input::MoveTo(POINT{5, 5});
  ASSERT_TRUE(PumpUntil([&] { return !skinner->Hot() && !skinner->Pressed(); }, "the leave notification"));
  expectCaptionIn(bfFocused, own, "focused: the font's own colour");
  FocusForm();
  button->SetDefault(true);
  button->SetEnabled(false);
  expectCaptionIn(bfDisabled, grey, "disabled default button");
}

TEST_F(SkinnedButtons, FocusRectangleWrapsTheCentredCaptionTwoPixelsOut) {
  TButton* button = AddButton("Focus", 40, 40, 120, 34);
  SkinOn();
  TSkinButton* skinner = SkinnerOfButton(button);
  ASSERT_NE(skinner, nullptr);
  button->SetFocus();
  Pump();
  ASSERT_EQ(GetFocus(), button->Handle());
  const Bitmap with = ClientPixels(button->Handle());
  WithoutFocusRect();
  skinner->Repaint();
  const Bitmap without = ClientPixels(button->Handle());
  // The caption's box as the rule places it, from the text measured in the button's font.
  const SIZE text = MeasuredText(button->Handle(), button->Font()->Handle(), L"Focus", 116,
                                 DT_CENTER | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  const Rect box = ButtonTextBox(Rect{0, 0, 120, 34}, text.cx, text.cy, true);
  const RECT outline{box.left - 2, box.top - 2, box.right + 2, box.bottom + 2};
  const OutlineDifference d = DifferenceOnOutline(with, without, outline);
  EXPECT_EQ(d.off, 0);
  EXPECT_GE(d.on, (outline.right - outline.left + outline.bottom - outline.top) / 2) << "a dotted outline";
}

// Rows and columns of a caption's pixels.
struct Extent {
  int top = -1, bottom = -1, left = -1, right = -1;
  int Height() const { return top < 0 ? 0 : bottom - top + 1; }
  int Width() const { return left < 0 ? 0 : right - left + 1; }
};
Extent CaptionExtent(const Bitmap& shown, const Bitmap& frame, int fromRow, int toRow) {
  Extent e;
  for (int y = fromRow; y < toRow; ++y)
    for (int x = 0; x < shown.Width(); ++x) {
      if (shown.At(x, y) == frame.At(x, y)) continue;
      if (e.top < 0) e.top = y;
      e.bottom = y;
      e.left = e.left < 0 ? x : std::min(e.left, x);
      e.right = std::max(e.right, x);
    }
  return e;
}

TEST_F(SkinnedButtons, FirstDoubleBarBreaksTheCaptionOntoASecondLine) {
  WithoutFocusRect();
  TButton* one = AddButton("Con nect", 10, 10, 180, 50);
  TButton* two = AddButton("Con||nect", 10, 70, 180, 50);
  TButton* three = AddButton("x||yy||zz", 10, 130, 180, 50);
  SkinOn();
  FocusForm();
  HDC dc = GetDC(one->Handle());
  HGDIOBJ old = SelectObject(dc, one->Font()->Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(one->Handle(), dc);
  const int line = metrics.tmHeight;
  const Bitmap frame = ComposedButtonFrame(data_, bfNormal, 180, 50);
  auto extent = [&](TButton* b, int from = 0, int to = 50) { return CaptionExtent(ClientPixels(b->Handle()), frame, from, to); };

  const Extent single = extent(one);
  ASSERT_GT(single.Height(), 0);
  EXPECT_LE(single.Height(), line);
  const Extent broken = extent(two);
  EXPECT_GT(broken.Height(), line) << "two lines";
  EXPECT_LE(broken.Height(), 2 * line);
  EXPECT_LT(broken.Width(), single.Width()) << "each line shorter than the whole caption";
  EXPECT_EQ(two->Caption(), "Con||nect") << "the control keeps its caption as typed";
  one->SetCaption("Con||nect"); // a new caption shows at once
  EXPECT_EQ(extent(one).Height(), broken.Height());

  // Only the first "||" breaks: the second line keeps "yy||zz" whole, wider than "x".
  const Extent all = extent(three);
  EXPECT_GT(all.Height(), line);
  EXPECT_LE(all.Height(), 2 * line);
  const int middle = all.top + all.Height() / 2;
  const Extent first = extent(three, 0, middle), second = extent(three, middle, 50);
  EXPECT_GT(second.Width(), 3 * first.Width());
}

TEST_F(SkinnedButtons, ClickComesOnlyFromAPressThatStartedOnTheButton) {
  TButton* button = AddButton("Go", 40, 40, 120, 34);
  int clicks = 0;
  std::vector<POINT> downs;
  button->SetOnClick([&](TObject*) { ++clicks; });
  button->SetOnMouseDown([&](TObject*, TMouseButton, unsigned, int x, int y) { downs.push_back(POINT{x, y}); });
  SkinOn();
  TSkinButton* skinner = SkinnerOfButton(button);
  ASSERT_NE(skinner, nullptr);
  const POINT centre = ScreenPoint(button, 60, 17);
  const POINT outside = ScreenPoint(button, 60, 120); // on the form below the button

  input::Click(centre);
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }, "the click"));
  ASSERT_EQ(downs.size(), 1u) << "the press the skinner took still reaches OnMouseDown";
  EXPECT_EQ(downs[0].x, 60);
  EXPECT_EQ(downs[0].y, 17);

  input::Press(outside);
  input::MoveTo(centre);
  input::Release(centre);
  Pump();
  EXPECT_EQ(clicks, 1) << "pressed outside, released on the button";

  input::Press(centre);
  ASSERT_TRUE(PumpUntil([&] { return skinner->Pressed(); }, "the press"));
  input::MoveTo(outside);
  ASSERT_TRUE(PumpUntil([&] { return !skinner->Pressed(); }, "leaving to end the pressed look"));
  input::Release(outside);
  Pump();
  EXPECT_EQ(clicks, 1) << "pressed on the button, released outside";
}

TEST_F(SkinnedButtons, SpaceBarShowsThePressedFrameAndClicksOnce) {
  WithoutFocusRect();
  TButton* button = AddButton("", 40, 40, 120, 34);
  int clicks = 0;
  button->SetOnClick([&](TObject*) { ++clicks; });
  SkinOn();
  TSkinButton* skinner = SkinnerOfButton(button);
  ASSERT_NE(skinner, nullptr);
  button->SetFocus();
  Pump();
  ASSERT_EQ(GetFocus(), button->Handle());
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_TRUE(skinner->Pressed());
  EXPECT_EQ(FrameDifference(button, bfPressed), "") << "held down";
  SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  Pump();
  EXPECT_EQ(clicks, 1) << "the native button's own click, and no second one from the skin";
  EXPECT_EQ(FrameDifference(button, bfFocused), "") << "released";

  input::Key(VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 2; }, "the space bar's click"));
  Pump();
  EXPECT_EQ(clicks, 2);
}

// Presses a message box's button the way the mouse would, once the box is skinned.
struct BoxPress {
  const TSkinData* skin = nullptr;
  int id = 0;
  bool skinnedButton = false;
  std::string edges; // the button's top and bottom rows against the skin's frame
  bool done = false;
};

// The rows of a button's frame above and below its caption, against the core's composition of
// the frame its state shows: "" when they agree.
std::string EdgeRowsDifference(HWND button, const TSkinData& skin) {
  RECT r;
  GetClientRect(button, &r);
  const int frame = GetFocus() == button ? bfFocused : bfNormal;
  const Bitmap expected = ComposedButtonFrame(skin, frame, r.right, r.bottom);
  const Bitmap shown = ReadClientPixels(button, r);
  const int h = r.bottom;
  for (int y : {0, 1, 2, h - 3, h - 2, h - 1})
    for (int x = 0; x < r.right; ++x)
      if (shown.At(x, y) != expected.At(x, y)) return "frame " + std::to_string(frame) + " differs at " +
                                                        std::to_string(x) + "," + std::to_string(y);
  return "";
}
BoxPress* pressing = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  if (ClassOf(window) == "#32770" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK PressBoxButton(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!pressing || pressing->done) return;
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box || !RunningSkinner(box)) return;
  HWND button = GetDlgItem(box, pressing->id);
  if (!button || SendMessageW(button, SKINMSG_QUERY, 0, 0) != 1) return;
  pressing->skinnedButton = true;
  pressing->done = true;
  UpdateWindow(button);
  pressing->edges = EdgeRowsDifference(button, *pressing->skin);
  KillTimer(nullptr, timer);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

TEST_F(SkinnedButtons, MessageBoxClosesWithTheIdentifierOfTheSkinnedButtonPressed) {
  SkinOn();
  struct Case {
    UINT type;
    int id;
  };
  const Case cases[] = {{MB_OK, IDOK}, {MB_OKCANCEL, IDCANCEL}, {MB_YESNOCANCEL, IDNO}, {MB_YESNO, IDYES}};
  for (const Case& c : cases) {
    BoxPress press;
    press.skin = &data_;
    press.id = c.id;
    pressing = &press;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, PressBoxButton);
    int result = 0;
    {
      ModalDeadline deadline;
      result = MessageBoxW(form_.Handle(), L"Pick one", L"Box", c.type);
      EXPECT_FALSE(deadline.Expired()) << c.id;
    }
    if (!press.done) KillTimer(nullptr, timer);
    pressing = nullptr;
    EXPECT_TRUE(press.skinnedButton) << c.id;
    EXPECT_EQ(press.edges, "") << c.id;
    EXPECT_EQ(result, c.id);
  }
}

TEST_F(SkinnedButtons, SkinActiveOffPaintsNativeAndOnSkinnedAgainAndSkinningOffGivesTheButtonBack) {
  TButton* button = AddButton("", 40, 40, 120, 34);
  HWND window = button->Handle();
  FocusForm();
  const Bitmap native = ClientPixels(window);
  SkinOn();
  FocusForm();
  ASSERT_NE(SkinnerOfButton(button), nullptr);
  EXPECT_EQ(SendMessageW(window, SKINMSG_QUERY, 0, 0), 1);
  EXPECT_EQ(FrameDifference(button, bfNormal), "");
  ASSERT_NE(FirstDifference(native, ClientPixels(window)), "") << "the skin shows";

  SendMessageW(window, SKINMSG_ACTIVE, 0, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(FirstDifference(ClientPixels(window), native), "") << "inactive: the native look";
  SendMessageW(window, SKINMSG_ACTIVE, 1, 0); // repaints at once
  EXPECT_EQ(FirstDifference(ClientPixels(window), ComposedButtonFrame(data_, bfNormal, 120, 34)), "");

  ASSERT_TRUE(SwitchSkinning(data_, false));
  Pump();
  FocusForm();
  EXPECT_EQ(SendMessageW(window, SKINMSG_QUERY, 0, 0), 0);
  EXPECT_EQ(FirstDifference(ClientPixels(window), native), "") << "skinning off: the native look";
}

TEST_F(SkinnedButtons, BareButtonPostsItsIdentifierAndGetsItsProcedureBack) {
  WithoutFocusRect();
  HWND bare = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 200, 40, 100, 30,
                              form_.Handle(), reinterpret_cast<HMENU>(77), GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(bare, nullptr);
  const LONG_PTR nativeProc = GetWindowLongPtrW(bare, GWLP_WNDPROC);
  std::vector<std::pair<WPARAM, LPARAM>> commands;
  const auto hook = form_.WindowProc.Add([&](TMessage& m, const TWindowProcChain::Next& next) {
    if (m.Msg == WM_COMMAND && reinterpret_cast<HWND>(m.LParam) == bare) commands.emplace_back(m.WParam, m.LParam);
    next(m);
  });
  SkinOn();
  TWinSkinForm* formSkinner = RunningSkinner(form_.Handle());
  ASSERT_NE(formSkinner, nullptr);
  auto* skinner = new TSkinButton(formSkinner); // a bare window's skinner belongs to the form skinner
  skinner->AttachWindow(bare, &data_, formSkinner);
  EXPECT_NE(GetWindowLongPtrW(bare, GWLP_WNDPROC), nativeProc);

  SendMessageW(bare, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(bare, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  ASSERT_TRUE(PumpUntil([&] { return !commands.empty(); }, "the posted WM_COMMAND"));
  EXPECT_EQ(commands.front().first, MAKEWPARAM(77, 0));
  RECT r;
  GetClientRect(bare, &r);
  EXPECT_EQ(FirstDifference(ReadClientPixels(bare, r), ComposedButtonFrame(data_, bfFocused, 100, 30)), "");

  ASSERT_TRUE(SwitchSkinning(data_, false));
  EXPECT_EQ(GetWindowLongPtrW(bare, GWLP_WNDPROC), nativeProc) << "skinning off frees the skinner";
  DestroyWindow(bare);
  form_.WindowProc.Remove(hook);
}

} // namespace
} // namespace vcu::test
