// The skinned combo box: its frame and button are the skin's combo faces composed by the core
// (the button's state chooses the frame), mirrored with the button on the left, the text area
// left to the native control; the button lights under the pointer; the list drops with its
// scroll bar skinned, an item is chosen by mouse and by keyboard; skinning off gives the
// native combo box back, and neither off/on cycles nor drop-downs leak.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RealInput.h"
#include "SkinnedForms.h"
#include "core/controls/ComboRules.h"
#include "core/elements/SkinElements.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "framework/ComboBox.h"
#include "framework/StdCtrls.h"
#include "skin/controls/ListScrollbars.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/WScrollbar.h"
#include "support/GuiResources.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

const char* const kOptions[] = {"DeviceID", "IPAddress", "NetMask", "GATEIPAddress", "COMKey", "Baudrate",
                                "Volume",   "IdleTime",  "LockOn",  "AlarmCount",    "WorkCode", "DateFormat"};

class SkinnedCombo : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    other_ = new TButton(&form_);
    other_->SetBounds(250, 150, 80, 25);
    other_->SetCaption("Other");
    other_->SetParent(&form_);
  }

  TComboBox* AddCombo(TComboBoxStyle style, int x, int y, int height = 21) {
    auto* combo = new TComboBox(&form_);
    combo->SetStyle(style);
    combo->SetBounds(x, y, 150, height);
    for (const char* option : kOptions) combo->Items()->Add(option);
    combo->SetItemIndex(1);
    combo->SetParent(&form_);
    combo->HandleNeeded();
    return combo;
  }

  // The focus on the other button: no combo box is focused.
  void FocusElsewhere() {
    other_->SetFocus();
    Pump();
  }

  static Bitmap WindowPixels(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    HDC dc = GetWindowDC(window);
    Bitmap pixels = ReadPixels(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
    ReleaseDC(window, dc);
    return pixels;
  }
  static void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }
  static TSkinComBox* SkinnerOf(TComboBox* combo) {
    for (int i = 0; i < combo->ComponentCount(); ++i)
      if (auto* skinner = dynamic_cast<TSkinComBox*>(combo->Components(i))) return skinner;
    return nullptr;
  }
  static POINT ScreenPoint(HWND window, int x, int y) {
    RECT r;
    GetWindowRect(window, &r);
    return POINT{r.left + x, r.top + y};
  }
  static int Arrow() { return GetSystemMetrics(SM_CXHSCROLL); }

  // The combo faces of the skin (ComboButton, style 2), frame index sliced over the whole
  // window, as the core composes them.
  Bitmap FullFace(int width, int height, int index) const {
    const TDataSkinBorder& face = *data_.ComboButton;
    Bitmap canvas(width, height, PixelFormat::Bits32, &AllocateHeapPixels);
    canvas.Fill(PixelFromRgb(kKeyColour));
    DrawPlaced(canvas, SlicedFrameImage(canvas.Bounds(), face.Bitmap, face.Margins(), index, 4, face.Tile != 0, false),
               false);
    return canvas;
  }

  // Where expected is not magenta and the point is outside the text area, the window shows
  // expected; the first pixel that does not, or "".
  static std::string DifferenceOutside(const Bitmap& shown, const Bitmap& expected, const Rect& text) {
    if (shown.Width() != expected.Width() || shown.Height() != expected.Height()) return "sizes differ";
    int compared = 0;
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < shown.Width(); ++x) {
        if (PointInButton(text, x, y) || IsKeyColour(expected.At(x, y))) continue;
        ++compared;
        if ((shown.At(x, y) & 0xFFFFFF) != (expected.At(x, y) & 0xFFFFFF)) {
          char message[96];
          std::snprintf(message, sizeof message, "%d,%d: 0x%06X, expected 0x%06X", x, y, shown.At(x, y) & 0xFFFFFF,
                        expected.At(x, y) & 0xFFFFFF);
          return message;
        }
      }
    return compared > 0 ? "" : "nothing to compare";
  }

  TButton* other_ = nullptr;
};

TEST_F(SkinnedCombo, FrameAndButtonAreTheSkinsFaceOfTheStateAndTheTextStaysNative) {
  TComboBox* enabled = AddCombo(csDropDownList, 20, 20);
  TComboBox* disabled = AddCombo(csDropDownList, 20, 60);
  disabled->SetEnabled(false);
  SkinOn();
  FocusElsewhere();
  ASSERT_NE(SkinnerOf(enabled), nullptr);
  struct Case {
    TComboBox* combo;
    int frame;
  };
  for (const Case& c : {Case{enabled, 1}, Case{disabled, 3}}) {
    SCOPED_TRACE(c.frame);
    HWND window = c.combo->Handle();
    Redraw(window);
    const Bitmap shown = WindowPixels(window);
    const Rect text = ComboBoxLayout(Rect{0, 0, shown.Width(), shown.Height()}, Arrow(), false).text;
    EXPECT_EQ(DifferenceOutside(shown, FullFace(shown.Width(), shown.Height(), c.frame), text), "");
    // Another state's face is not what shows: the comparison can tell the frames apart.
    EXPECT_NE(DifferenceOutside(shown, FullFace(shown.Width(), shown.Height(), c.frame == 1 ? 3 : 1), text), "");
  }
  // Inside the text area the native control's own paint shows: with the skin paused the
  // pixels there are the same.
  HWND window = enabled->Handle();
  const Bitmap skinned = WindowPixels(window);
  SendMessageW(window, SKINMSG_ACTIVE, 0, 0);
  Redraw(window);
  const Bitmap native = WindowPixels(window);
  SendMessageW(window, SKINMSG_ACTIVE, 1, 0);
  const Rect text = ComboBoxLayout(Rect{0, 0, skinned.Width(), skinned.Height()}, Arrow(), false).text;
  int differing = 0;
  for (int y = text.top + 1; y < text.bottom - 1; ++y)
    for (int x = text.left + 1; x < text.right - 1; ++x) differing += skinned.At(x, y) != native.At(x, y);
  EXPECT_EQ(differing, 0);
  EXPECT_NE(FirstDifference(skinned, native), "") << "the skin changed the frame";
}

TEST_F(SkinnedCombo, ButtonOnTheLeftIsTheMirrorImageAndTheTextAreaMirrorsToo) {
  TComboBox* right = AddCombo(csDropDownList, 20, 20);
  TComboBox* left = AddCombo(csDropDownList, 20, 60);
  left->SetBiDiMode(bdRightToLeft);
  SkinOn();
  FocusElsewhere();
  Redraw(left->Handle());
  const Bitmap shown = WindowPixels(left->Handle());
  const int width = shown.Width(), height = shown.Height();
  Bitmap mirrored = FullFace(width, height, 1);
  MirrorBitmap(mirrored);
  const ComboLayout layout = ComboBoxLayout(Rect{0, 0, width, height}, Arrow(), true);
  EXPECT_EQ(DifferenceOutside(shown, mirrored, layout.text), "");
  EXPECT_NE(FirstDifference(shown, WindowPixels(right->Handle())), "");
  // The pointer lights the button where it is drawn, at the left (Wine's own combo box keeps
  // its button at the right with WS_EX_LEFTSCROLLBAR; Windows moves it).
  TSkinComBox* skinner = SkinnerOf(left);
  ASSERT_NE(skinner, nullptr);
  EXPECT_LE(skinner->ButtonRect().right, layout.button.right + 2);
  EXPECT_LT(skinner->ButtonRect().left, width / 2);
}

TEST_F(SkinnedCombo, SunkenLookDrawsEdgeButtonAndArrowInTheButtonBox) {
  TComboBox* combo = AddCombo(csDropDownList, 20, 20);
  combo->SetEnabled(false);
  SkinOn();
  // A skin whose combo button is a button of its own rather than a whole face.
  const int savedStyle = data_.ComboButton->Style;
  data_.ComboButton->Style = 0;
  HWND window = combo->Handle();
  Redraw(window);
  const Bitmap shown = WindowPixels(window);
  data_.ComboButton->Style = savedStyle;
  const int width = shown.Width(), height = shown.Height();
  const ComboLayout layout = ComboBoxLayout(Rect{0, 0, width, height}, Arrow(), false);
  Bitmap expected(width, height, PixelFormat::Bits32, &AllocateHeapPixels);
  expected.Fill(PixelFromRgb(kKeyColour));
  const TDataSkinObject& edge = *data_.SunkEdge;
  DrawPlaced(expected, SlicedFrameImage(expected.Bounds(), edge.Bitmap, edge.Margins(), 3, 4, edge.Tile != 0, false),
             edge.Trans == 1);
  const TDataSkinBorder& button = *data_.ComboButton;
  DrawPlaced(expected, SlicedFrameImage(layout.button, button.Bitmap, button.Margins(), 3, 4, button.Tile != 0, false),
             true);
  DrawPlaced(expected, CentredFrameImage(layout.button, data_.ExtraImages->Bitmap, 3, 5), true);
  EXPECT_EQ(DifferenceOutside(shown, expected, layout.text), "");
}

TEST_F(SkinnedCombo, PointerOverTheButtonLightsItOverTheTextItDoesNot) {
  TComboBox* combo = AddCombo(csDropDownList, 20, 20);
  SkinOn();
  FocusElsewhere();
  HWND window = combo->Handle();
  TSkinComBox* skinner = SkinnerOf(combo);
  ASSERT_NE(skinner, nullptr);
  Redraw(window);
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const Rect text = ComboBoxLayout(Rect{0, 0, width, height}, Arrow(), false).text;

  input::MoveTo(ScreenPoint(window, width / 3, height / 2));
  Pump();
  EXPECT_FALSE(skinner->Hot());
  EXPECT_EQ(DifferenceOutside(WindowPixels(window), FullFace(width, height, 1), text), "");

  const RECT& button = skinner->ButtonRect();
  input::MoveTo(ScreenPoint(window, (button.left + button.right) / 2, height / 2));
  ASSERT_TRUE(PumpUntil([&] { return skinner->Hot(); }, "the button to light"));
  EXPECT_EQ(DifferenceOutside(WindowPixels(window), FullFace(width, height, 4), text), "");

  input::MoveTo(POINT{r.left - 30, r.bottom + 60});
  ASSERT_TRUE(PumpUntil([&] { return !skinner->Hot(); }, "the button to go out when the pointer leaves"));
}

TEST_F(SkinnedCombo, ClickingTheArrowDropsTheListWithItsBarSkinnedAndChoosingByMouseAndKey) {
  TComboBox* combo = AddCombo(csDropDownList, 20, 20);
  combo->SetDropDownCount(5); // fewer rows than items: the list scrolls
  int changes = 0;
  combo->SetOnChange([&](TObject*) { ++changes; });
  SkinOn();
  TSkinComBox* skinner = SkinnerOf(combo);
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->ListBarSkin(), nullptr);
  HWND window = combo->Handle();
  Redraw(window);
  const RECT button = skinner->ButtonRect();
  input::Click(ScreenPoint(window, (button.left + button.right) / 2, (button.top + button.bottom) / 2));
  ASSERT_TRUE(PumpUntil([&] { return combo->DroppedDown(); }, "the list to drop"));
  EXPECT_TRUE(skinner->DroppedDown());
  HWND list = skinner->ListHandle();
  ASSERT_TRUE(IsWindowVisible(list));
  TWScrollbar* bar = skinner->ListBarSkin()->Bar();
  ASSERT_TRUE(PumpUntil([&] { return bar->Shown() && IsWindowVisible(bar->Handle()); }, "the list's skinned bar"));
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &info));
  RECT overlay;
  GetWindowRect(bar->Handle(), &overlay);
  EXPECT_TRUE(EqualRect(&overlay, &info.rcScrollBar));
  const POINT barMiddle{(info.rcScrollBar.left + info.rcScrollBar.right) / 2,
                        (info.rcScrollBar.top + info.rcScrollBar.bottom) / 2};
  EXPECT_EQ(WindowFromPoint(barMiddle), bar->Handle()) << "the skinned bar is on top of the list";

  // The third item by mouse (its rectangle is where the list shows it now).
  RECT item;
  ASSERT_NE(SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item)), LB_ERR);
  POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &at);
  input::Click(at);
  ASSERT_TRUE(PumpUntil([&] { return !combo->DroppedDown(); }, "the list to close"));
  Pump();
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(skinner->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(bar->Handle()));

  // The next one by keyboard.
  combo->SetFocus();
  Pump();
  input::Key(VK_DOWN);
  ASSERT_TRUE(PumpUntil([&] { return changes == 2; }, "the change by key"));
  Pump();
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_EQ(changes, 2);
}

TEST_F(SkinnedCombo, EditAndListChildrenKeepTheirTextThroughTheSkinsRepaints) {
  TComboBox* dropDown = AddCombo(csDropDown, 20, 20);
  TComboBox* simple = AddCombo(csSimple, 20, 60, 90);
  SkinOn();
  FocusElsewhere();
  auto textPixels = [](HWND child) {
    RECT r;
    GetClientRect(child, &r);
    const Bitmap pixels = ReadClientPixels(child, r);
    // Text is dark on the window's light ground.
    return CountPixels(pixels, [&](Pixel p) { return ClearlyDarkerThan(PixelOf(GetSysColor(COLOR_WINDOW)), p); });
  };
  COMBOBOXINFO edit{}, list{};
  edit.cbSize = list.cbSize = sizeof(COMBOBOXINFO);
  ASSERT_TRUE(GetComboBoxInfo(dropDown->Handle(), &edit));
  ASSERT_TRUE(GetComboBoxInfo(simple->Handle(), &list));
  EXPECT_GT(textPixels(edit.hwndItem), 0) << "the drop-down's edit shows its text";
  EXPECT_GT(textPixels(list.hwndList), 0) << "the simple combo box's list shows its items";
  // A repaint for the hot button does not wipe the edit.
  TSkinComBox* skinner = SkinnerOf(dropDown);
  ASSERT_NE(skinner, nullptr);
  const RECT& button = skinner->ButtonRect();
  input::MoveTo(ScreenPoint(dropDown->Handle(), (button.left + button.right) / 2, (button.top + button.bottom) / 2));
  ASSERT_TRUE(PumpUntil([&] { return skinner->Hot(); }, "the button to light"));
  Pump();
  EXPECT_GT(textPixels(edit.hwndItem), 0);
}

TEST_F(SkinnedCombo, SimpleComboListGetsItsBarSkinnedInsideTheComboBox) {
  TComboBox* combo = AddCombo(csSimple, 20, 20, 90);
  SkinOn();
  TSkinComBox* skinner = SkinnerOf(combo);
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->ListSkin(), nullptr);
  TWScrollbar* bar = skinner->ListSkin()->Bar();
  ASSERT_TRUE(PumpUntil([&] { return bar->Shown(); }, "the simple list's skinned bar"));
  EXPECT_EQ(GetParent(bar->Handle()), combo->Handle());
  EXPECT_EQ(skinner->ListBarSkin(), nullptr);
}

TEST_F(SkinnedCombo, OffGivesTheNativeComboBoxBackAndOnSkinsItAgain) {
  TComboBox* dropDown = AddCombo(csDropDown, 20, 20);
  TComboBox* list = AddCombo(csDropDownList, 20, 60);
  FocusElsewhere();
  struct Native {
    HWND edit, list;
    LONG_PTR editProc, listProc;
    Bitmap pixels;
  };
  auto read = [&](TComboBox* combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo->Handle(), &info);
    Redraw(combo->Handle());
    return Native{info.hwndItem, info.hwndList,
                  info.hwndItem ? GetWindowLongPtrW(info.hwndItem, GWLP_WNDPROC) : 0,
                  GetWindowLongPtrW(info.hwndList, GWLP_WNDPROC), WindowPixels(combo->Handle())};
  };
  const Native before[] = {read(dropDown), read(list)};
  SkinOn();
  FocusElsewhere();
  EXPECT_EQ(SendMessageW(dropDown->Handle(), SKINMSG_QUERY, 0, 0), 1);
  const Native skinned[] = {read(dropDown), read(list)};
  EXPECT_NE(skinned[0].editProc, before[0].editProc) << "the edit child is hooked";
  EXPECT_NE(skinned[1].listProc, before[1].listProc) << "the list is hooked";
  EXPECT_NE(FirstDifference(skinned[1].pixels, before[1].pixels), "");

  data_.SetActive(false);
  CarryOutRequestNow();
  Pump();
  FocusElsewhere();
  const Native after[] = {read(dropDown), read(list)};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(after[i].editProc, before[i].editProc);
    EXPECT_EQ(after[i].listProc, before[i].listProc);
    EXPECT_EQ(FirstDifference(after[i].pixels, before[i].pixels), "");
  }
  EXPECT_EQ(SendMessageW(dropDown->Handle(), SKINMSG_QUERY, 0, 0), 0);

  data_.SetActive(true);
  CarryOutRequestNow();
  ASSERT_TRUE(PumpUntilSkinned(form_.Handle()));
  FocusElsewhere();
  EXPECT_EQ(FirstDifference(read(list).pixels, skinned[1].pixels), "");
}

TEST_F(SkinnedCombo, TwoHundredDropDownsLeaveTheGuiObjectCountsFlat) {
  TComboBox* combo = AddCombo(csDropDownList, 20, 20);
  combo->SetDropDownCount(5);
  SkinOn();
  TSkinComBox* skinner = SkinnerOf(combo);
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->ListBarSkin(), nullptr);
  EXPECT_EQ(skinner->ListBarSkin()->Bar(), nullptr) << "no overlay before the list first drops";
  TWScrollbar* bar = nullptr;
  GuiObjectCounts first{};
  for (int i = 1; i <= 200; ++i) {
    combo->SetDroppedDown(true);
    Pump();
    if (i == 1) bar = skinner->ListBarSkin()->Bar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->Shown()) << "drop-down " << i;
    combo->SetDroppedDown(false);
    Pump();
    ASSERT_FALSE(IsWindowVisible(bar->Handle())) << "drop-down " << i;
    if (i == 1) first = CountGuiObjects();
  }
  const GuiObjectCounts last = CountGuiObjects();
  std::printf("200 drop-downs: GDI objects %ld after the first, %ld after the last; USER %ld, %ld\n", first.gdi,
              last.gdi, first.user, last.user);
  ASSERT_GE(first.gdi, 0);
  EXPECT_LE(std::labs(last.gdi - first.gdi), 2);
  EXPECT_LE(std::labs(last.user - first.user), 2);
  EXPECT_EQ(skinner->ListBarSkin()->Bar(), bar) << "one overlay for every drop-down";
}

} // namespace
} // namespace vcu::test
