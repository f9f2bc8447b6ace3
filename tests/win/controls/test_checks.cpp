// Skinned check boxes, radio buttons, group boxes and colour-only panels: the strip frame of
// each state (basic and extended strips, from a small fixture strip of solid frames), the
// image and caption placement, radio groups and Tab still working, the group box's line,
// native looks given back, and no GDI or USER objects left behind by skinning off and on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "ButtonTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "core/controls/CheckRules.h"
#include "framework/ExtCtrls.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinRadioButton.h"
#include "support/GuiResources.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr int kCell = 13;

class SkinnedChecks : public SkinnedFormTest {
protected:
  template <class T>
  T* Add(TWinControl* parent, const char* caption, int x, int y, int width, int height) {
    auto* control = new T(&form_);
    control->SetParent(parent);
    control->SetBounds(x, y, width, height);
    control->SetCaption(caption);
    return control;
  }
  TSkinControl* Skinner(TWinControl* control) { return SkinnerOf(form_.Handle(), control->Handle()); }
  // Both strips replaced by solid fixture strips; skinners drop the frames they kept.
  void UseStrips(int checkFrames, int checkKey, int radioFrames, int radioKey) {
    data_.Buttons.CheckBitmap = SolidStrip(checkFrames, kCell, kCell);
    data_.Buttons.CheckFrame = checkKey;
    data_.Buttons.RadioBitmap = SolidStrip(radioFrames, kCell, kCell);
    data_.Buttons.RadioFrame = radioKey;
    if (TWinSkinForm* skinner = RunningSkinner(form_.Handle()))
      for (TSkinControl* c : skinner->SkinnedControls()) c->SkinChanged();
    Pump();
  }
  Pixel Face() const { return PixelOfColour(data_.ColourButtonFace); }
  // The strip frame shown in the image box at (left, top): solid in the frame's colour, with
  // the face colour through its see-through corner. 0 when it is not one solid frame.
  int FrameShownAt(TWinControl* control, int left, int top) {
    const RECT box{left, top, left + kCell, top + kCell};
    const Bitmap image = ReadClientPixels(control->Handle(), box);
    if (image.At(0, 0) != Face()) return 0;
    for (int frame = 1; frame <= 12; ++frame) {
      const int solid = CountOf(image, StripColour(frame));
      if (solid == kCell * kCell - 1) return frame;
    }
    return 0;
  }
};

TEST_F(SkinnedChecks, EachStateShowsItsStripFrameInBasicAndExtendedStrips) {
  auto* check = Add<TCheckBox>(&form_, "Check", 20, 20, 97, 17);
  auto* radio = Add<TRadioButton>(&form_, "Radio", 20, 50, 113, 17);
  SkinOn();
  ASSERT_NE(dynamic_cast<TSkinCheckBox*>(Skinner(check)), nullptr);
  ASSERT_NE(dynamic_cast<TSkinRadioButton*>(Skinner(radio)), nullptr);
  struct Strip {
    int checkFrames, checkKey, radioFrames, radioKey;
  };
  struct State {
    bool checked, enabled;
  };
  struct Case {
    Strip strip;
    State state;
    int checkFrame, radioFrame;
  };
  const Strip basic{4, 4, 4, 0}, extended{12, 0, 8, 8}, sixes{6, 6, 6, 0};
  const Case cases[] = {
      {basic, {false, true}, 1, 1},    {basic, {true, true}, 2, 2},
      {basic, {false, false}, 3, 3},   {basic, {true, false}, 4, 4},
      {extended, {false, true}, 1, 1}, {extended, {true, true}, 5, 5},
      {extended, {false, false}, 4, 4}, {extended, {true, false}, 8, 8},
      {sixes, {true, false}, 4, 4}, // only 12 and 8 frames take the extended order
  };
  for (const Case& c : cases) {
    UseStrips(c.strip.checkFrames, c.strip.checkKey, c.strip.radioFrames, c.strip.radioKey);
    check->SetEnabled(true);
    radio->SetEnabled(true);
    check->SetChecked(c.state.checked);
    radio->SetChecked(c.state.checked);
    check->SetEnabled(c.state.enabled);
    radio->SetEnabled(c.state.enabled);
    Pump();
    SCOPED_TRACE(testing::Message() << c.strip.checkFrames << "/" << c.strip.radioFrames << " frames, checked "
                                    << c.state.checked << ", enabled " << c.state.enabled);
    // 17 pixels high, 13-pixel frames: the image sits 2 pixels down at the left edge.
    EXPECT_EQ(FrameShownAt(check, 0, 2), c.checkFrame);
    EXPECT_EQ(FrameShownAt(radio, 0, 2), c.radioFrame);
  }
}

TEST_F(SkinnedChecks, LeftTextPutsTheCheckFlushRightAndTheRadioOnePixelIn) {
  auto* check = Add<TCheckBox>(&form_, "MMMM", 20, 20, 97, 17);
  auto* radio = Add<TRadioButton>(&form_, "MMMM", 20, 50, 113, 17);
  for (TWinControl* c : {static_cast<TWinControl*>(check), static_cast<TWinControl*>(radio)})
    SetWindowLongPtrW(c->Handle(), GWL_STYLE, GetWindowLongPtrW(c->Handle(), GWL_STYLE) | BS_LEFTTEXT);
  SkinOn();
  UseStrips(4, 4, 4, 4);
  EXPECT_EQ(FrameShownAt(check, 97 - kCell, 2), 1);
  EXPECT_EQ(FrameShownAt(radio, 113 - kCell - 1, 2), 1);
  const Bitmap radioPixels = ClientPixels(radio->Handle());
  for (int y = 0; y < 17; ++y) EXPECT_EQ(radioPixels.At(112, y), Face()) << "the radio's last column, row " << y;

  // The caption ends two pixels before the image.
  struct Side {
    TWinControl* control;
    int imageLeft;
  };
  for (const Side& s : {Side{check, 97 - kCell}, Side{radio, 113 - kCell - 1}}) {
    const Bitmap pixels = ClientPixels(s.control->Handle());
    int textPixels = 0, rightmost = -1;
    for (int y = 0; y < pixels.Height(); ++y)
      for (int x = 0; x < s.imageLeft; ++x)
        if (ClearlyDarkerThan(Face(), pixels.At(x, y))) {
          ++textPixels;
          rightmost = std::max(rightmost, x);
        }
    EXPECT_GT(textPixels, 10) << s.control->ClassName();
    EXPECT_LT(rightmost, s.imageLeft - 2) << s.control->ClassName();
  }
}

TEST_F(SkinnedChecks, CaptionInTheFontsColourAndGreyWhenDisabled) {
  auto* check = Add<TCheckBox>(&form_, "MMMM MMMM", 20, 20, 150, 17);
  check->Font()->SetColor(static_cast<TColor>(0x0000C0));
  SkinOn();
  const Pixel own = PixelOfColour(0x0000C0), grey = PixelOf(GetSysColor(COLOR_BTNSHADOW));
  Bitmap pixels = ClientPixels(check->Handle());
  EXPECT_GE(CountOf(pixels, own), 5);
  EXPECT_EQ(CountOf(pixels, grey), 0);
  check->SetEnabled(false);
  Pump();
  pixels = ClientPixels(check->Handle());
  EXPECT_GE(CountOf(pixels, grey), 5);
  EXPECT_EQ(CountOf(pixels, own), 0);
}

TEST_F(SkinnedChecks, FocusRectangleWrapsTheCaptionBesideTheImage) {
  auto* check = Add<TCheckBox>(&form_, "Focus", 20, 20, 150, 21);
  SkinOn();
  UseStrips(4, 4, 4, 4);
  TSkinControl* skinner = Skinner(check);
  ASSERT_NE(skinner, nullptr);
  SetFocus(form_.Handle());
  Pump();
  const Bitmap unfocused = ClientPixels(check->Handle());
  check->SetFocus();
  Pump();
  ASSERT_EQ(GetFocus(), check->Handle());
  const Bitmap focused = ClientPixels(check->Handle());
  const Rect rect{0, 0, 150, 21};
  const CheckLayout layout = CheckControlLayout(rect, kCell, kCell, false, false);
  const SIZE text = MeasuredText(check->Handle(), check->Font()->Handle(), L"Focus", layout.text.Width(),
                                 DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  const Rect box = CentreCheckText(layout.text, rect, text.cy);
  const Rect focus = TextFocusRect(box, text.cx, text.cy, false, false);
  const OutlineDifference d = DifferenceOnOutline(focused, unfocused, RECT{focus.left, focus.top, focus.right, focus.bottom});
  EXPECT_EQ(d.off, 0);
  EXPECT_GE(d.on, (focus.Width() + focus.Height()) / 2) << "a dotted outline";
}

// A native check box and group box with no framework object: the native control paints and
// the skin goes over it, the strip image on the mark and the shadow line on the edge.
TEST_F(SkinnedChecks, BareControlsArePaintedOverTheirNativeLook) {
  HWND check = CreateWindowExW(0, L"BUTTON", L"Bare", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 20, 20, 100, 17,
                               form_.Handle(), reinterpret_cast<HMENU>(81), GetModuleHandleW(nullptr), nullptr);
  HWND group = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 150, 20, 185, 105,
                               form_.Handle(), reinterpret_cast<HMENU>(82), GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(check && group);
  SkinOn();
  UseStrips(4, 4, 4, 4);
  TWinSkinForm* formSkinner = RunningSkinner(form_.Handle());
  ASSERT_NE(formSkinner, nullptr);
  (new TSkinCheckBox(formSkinner))->AttachWindow(check, &data_, formSkinner);
  (new TSkinGroupBox(formSkinner))->AttachWindow(group, &data_, formSkinner);
  Pump();
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  Pump();
  const Bitmap image = ReadClientPixels(check, RECT{1, 3, kCell, 2 + kCell});
  EXPECT_EQ(CountOf(image, StripColour(2)), image.Width() * image.Height()) << "the checked frame over the mark";

  HDC dc = GetDC(group);
  SIZE digit{};
  GetTextExtentPoint32W(dc, L"0", 1, &digit);
  ReleaseDC(group, dc);
  const Bitmap line = ClientPixels(group);
  EXPECT_EQ(line.At(100, digit.cy / 2 - 1), PixelOfColour(data_.ColourButtonShadow));
  EXPECT_EQ(line.At(1, 60), PixelOfColour(data_.ColourButtonShadow));
  EXPECT_EQ(line.At(0, 60), Face()) << "the native edge is framed away";
  ASSERT_TRUE(SwitchSkinning(data_, false)); // frees both skinners
  DestroyWindow(check);
  DestroyWindow(group);
}

TEST_F(SkinnedChecks, RadioGroupsAndTabOrderStillWork) {
  auto* first = Add<TButton>(&form_, "First", 10, 10, 75, 25);
  auto* check = Add<TCheckBox>(&form_, "Check", 10, 45, 97, 17);
  auto* group = Add<TGroupBox>(&form_, "Group", 10, 70, 185, 105);
  TRadioButton* radios[3];
  for (int i = 0; i < 3; ++i) radios[i] = Add<TRadioButton>(group, "Radio", 10, 20 + 25 * i, 113, 17);
  radios[0]->SetChecked(true);
  auto* last = Add<TButton>(&form_, "Last", 210, 10, 75, 25);
  SkinOn();
  UseStrips(4, 4, 4, 4);
  for (TRadioButton* r : radios) ASSERT_NE(dynamic_cast<TSkinRadioButton*>(Skinner(r)), nullptr);

  POINT at{6, 8};
  ClientToScreen(radios[1]->Handle(), &at);
  input::Click(at);
  ASSERT_TRUE(PumpUntil([&] { return radios[1]->Checked(); }, "the clicked radio button to be checked"));
  Pump();
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_FALSE(radios[2]->Checked());
  EXPECT_EQ(FrameShownAt(radios[0], 0, 2), 1);
  EXPECT_EQ(FrameShownAt(radios[1], 0, 2), 2);
  EXPECT_EQ(FrameShownAt(radios[2], 0, 2), 1);

  first->SetFocus();
  Pump();
  ASSERT_EQ(GetFocus(), first->Handle());
  const HWND expected[] = {check->Handle(), radios[1]->Handle(), last->Handle()};
  for (HWND next : expected) {
    input::Key(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == next; }, "Tab to move the focus on"));
  }
}

TEST_F(SkinnedChecks, GroupBoxDrawsARoundedShadowLineWithTheCaptionSetIntoIt) {
  auto* named = Add<TGroupBox>(&form_, "Group", 10, 10, 185, 105);
  auto* empty = Add<TGroupBox>(&form_, "", 200, 10, 185, 105);
  auto* label = new TLabel(&form_);
  label->SetParent(named);
  label->SetBounds(20, 40, 80, 17);
  label->SetCaption("WWWWWW");
  SkinOn();
  ASSERT_NE(dynamic_cast<TSkinGroupBox*>(Skinner(named)), nullptr);
  ASSERT_NE(dynamic_cast<TSkinGroupBox*>(Skinner(empty)), nullptr);
  const Pixel face = Face(), shadow = PixelOfColour(data_.ColourButtonShadow);

  for (TGroupBox* box : {named, empty}) {
    HDC dc = GetDC(box->Handle());
    HGDIOBJ old = SelectObject(dc, box->Font()->Handle());
    SIZE digit{};
    GetTextExtentPoint32W(dc, L"0", 1, &digit);
    SelectObject(dc, old);
    ReleaseDC(box->Handle(), dc);
    const int top = digit.cy / 2 - 1;
    const int w = box->Width(), h = box->Height();
    const Bitmap p = ClientPixels(box->Handle());
    SCOPED_TRACE(box->Caption().empty() ? "no caption" : "caption");
    EXPECT_EQ(p.At(w - 20, top), shadow) << "top line";
    EXPECT_EQ(p.At(w - 20, top - 1), face);
    EXPECT_EQ(p.At(w - 20, top + 1), face);
    EXPECT_EQ(p.At(1, h / 2), shadow) << "left line, one pixel in";
    EXPECT_EQ(p.At(0, h / 2), face);
    EXPECT_EQ(p.At(w - 2, h / 2), shadow) << "right line";
    EXPECT_EQ(p.At(w - 1, h / 2), face);
    EXPECT_EQ(p.At(w / 2, h - 2), shadow) << "bottom line";
    EXPECT_EQ(p.At(w / 2, h - 1), face);
    EXPECT_NE(p.At(1, top), shadow) << "rounded corner";
    EXPECT_NE(p.At(w - 2, h - 2), shadow) << "rounded corner";
    // The caption's cell covers the line from 8 pixels in.
    EXPECT_EQ(p.At(9, top) == shadow, box == empty);
  }
  // The group box's fill went over its label, which painted again.
  RECT labelArea{20, 40, 100, 57};
  const Bitmap labelPixels = ReadClientPixels(named->Handle(), labelArea);
  EXPECT_GT(CountPixels(labelPixels, [&](Pixel q) { return ClearlyDarkerThan(face, q); }), 10);
}

TEST_F(SkinnedChecks, SkinningOffGivesEveryControlItsNativeLookAndHandler) {
  auto* check = Add<TCheckBox>(&form_, "Check", 20, 20, 97, 17);
  auto* radio = Add<TRadioButton>(&form_, "Radio", 20, 50, 113, 17);
  auto* group = Add<TGroupBox>(&form_, "Group", 150, 20, 185, 105);
  auto* panel = Add<TPanel>(&form_, "", 20, 150, 100, 60);
  panel->SetColor(static_cast<TColor>(0x0000FF));
  Pump();
  std::vector<TWinControl*> controls{check, radio, group};
  std::vector<Bitmap> native;
  for (TWinControl* c : controls) native.push_back(ClientPixels(c->Handle()));

  SkinOn();
  ASSERT_NE(dynamic_cast<TSkinBox*>(Skinner(panel)), nullptr);
  EXPECT_EQ(panel->Color(), data_.ColourButtonFace) << "the panel takes the face colour";
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(SendMessageW(controls[i]->Handle(), SKINMSG_QUERY, 0, 0), 1) << controls[i]->ClassName();
    EXPECT_NE(FirstDifference(ClientPixels(controls[i]->Handle()), native[i]), "") << controls[i]->ClassName();
  }

  ASSERT_TRUE(SwitchSkinning(data_, false));
  Pump();
  EXPECT_EQ(panel->Color(), 0x0000FF) << "the panel's own colour is back";
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(SendMessageW(controls[i]->Handle(), SKINMSG_QUERY, 0, 0), 0) << controls[i]->ClassName();
    EXPECT_EQ(FirstDifference(ClientPixels(controls[i]->Handle()), native[i]), "") << controls[i]->ClassName();
  }
}

// Every skinner of this family on one form; the counts after the first cycle are the baseline
// (the paint buffers and cached frames made once are in it).
TEST_F(SkinnedChecks, AThousandOffOnCyclesLeaveTheGuiObjectCountsWhereTheyWere) {
  constexpr int kCycles = 1000;
  constexpr long kMargin = 4;
  Add<TButton>(&form_, "Button", 10, 10, 75, 25);
  Add<TCheckBox>(&form_, "Check", 10, 40, 97, 17);
  auto* group = Add<TGroupBox>(&form_, "Group", 150, 10, 185, 105);
  Add<TRadioButton>(group, "Radio", 10, 20, 113, 17);
  Add<TPanel>(&form_, "", 10, 150, 100, 60);
  HWND window = form_.Handle();
  SkinOn();
  GuiObjectCounts first{};
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    data_.SetActive(false);
    CarryOutRequestNow();
    data_.SetActive(true);
    CarryOutRequestNow();
    Pump();
    if (!RunningSkinner(window) || RunningSkinner(window)->SkinnedControls().size() < 5) {
      ADD_FAILURE() << "not skinned again after cycle " << cycle;
      break;
    }
    if (cycle == 1) first = CountGuiObjects();
  }
  const GuiObjectCounts last = CountGuiObjects();
  std::printf("GDI objects: %ld after the first cycle, %ld after %d; USER objects: %ld, %ld\n", first.gdi, last.gdi,
              kCycles, first.user, last.user);
  ASSERT_GE(first.gdi, 0) << "no GDI object count on this system";
  EXPECT_LE(std::labs(last.gdi - first.gdi), kMargin);
  EXPECT_LE(std::labs(last.user - first.user), kMargin);
}

} // namespace
} // namespace vcu::test
