// The caption button rules: the two visibility columns, the action adjustments, placement by
// Align, the frames drawn, and the actions; then our own skin's buttons on a window with a
// system menu and a minimize box but no maximize box.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <utility>
#include <string>

#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/form/CaptionButtonRules.h"

namespace vcu {
namespace {

CaptionWindowState Window(int nativeButtons, bool maximized = false, bool active = true) {
  CaptionWindowState w;
  w.nativeButtons = nativeButtons;
  w.maximized = maximized;
  w.active = active;
  return w;
}

constexpr int kSys = kNbSystemMenu, kMin = kNbMinimizeBox, kMax = kNbMaximizeBox,
              kHelp = kNbContextHelp;

const std::function<bool()> kNoAsk; // asking is never expected

TEST(VisibilityHolds, BothColumnsOverWindowStates) {
  struct Case {
    int value;
    CaptionWindowState w;
    bool first, second;
  } const cases[] = {
      {0, Window(0), true, true},
      {1, Window(0, true), true, true},
      {1, Window(0, false), false, false},
      {2, Window(0, false), true, true},
      {2, Window(0, true), false, false},
      {3, Window(0, false, true), true, true},
      {3, Window(0, false, false), false, false},
      {4, Window(0, false, false), true, true},
      {4, Window(0, false, true), false, false},
      {5, Window(kSys | kMin | kMax), false, false},
      // 6: a size box, and in the first column also a system menu.
      {6, Window(kSys | kMin), true, true},
      {6, Window(kSys | kMax), true, true},
      {6, Window(kMin), false, true},
      {6, Window(kSys), false, false},
      {7, Window(kSys | kMin), true, true},
      {7, Window(kMax), false, false},
      // 8: the system menu when there is a size box.
      {8, Window(kSys | kMax), true, true},
      {8, Window(kMax), false, true},
      {8, Window(kSys), false, false},
      {9, Window(kMax), true, true},
      {9, Window(kMin), false, false},
      // 10: help alone in the first column; help in the second.
      {10, Window(kSys | kHelp), true, true},
      {10, Window(kSys | kHelp | kMax), false, true},
      {10, Window(kSys | kHelp | kMin), false, true},
      {10, Window(kSys | kMin | kMax), false, false},
      // Designers' switches: shown by the first column only.
      {201, Window(0), true, false},
      {999, Window(0), true, false},
      // -1 means "never", like every value without a meaning.
      {-1, Window(kSys | kMin | kMax), false, false},
      {11, Window(kSys | kMin | kMax), false, false},
      {99, Window(0), false, false},
      {2001, Window(0), false, false},
      {INT_MIN, Window(0), false, false},
      {INT_MAX, Window(0), false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VisibilityHolds(c.value, c.w, true, kNoAsk), c.first) << "value " << c.value;
    EXPECT_EQ(VisibilityHolds(c.value, c.w, false, kNoAsk), c.second) << "value " << c.value;
  }
}

TEST(VisibilityHolds, MdiAndDialogConditions) {
  CaptionWindowState w = Window(kSys);
  EXPECT_FALSE(VisibilityHolds(100, w, true, kNoAsk));
  w.mdiFrameWithMaximizedChildAndMenuBar = true;
  EXPECT_TRUE(VisibilityHolds(100, w, true, kNoAsk));
  EXPECT_TRUE(VisibilityHolds(100, w, false, kNoAsk));

  CaptionWindowState d = Window(kSys);
  d.frameKind = fkDialog;
  EXPECT_TRUE(VisibilityHolds(200, d, true, kNoAsk));
  EXPECT_FALSE(VisibilityHolds(200, d, false, kNoAsk));
  d.dialogClass = true;
  EXPECT_FALSE(VisibilityHolds(200, d, true, kNoAsk));
  d.dialogClass = false;
  d.frameKind = fkSingle;
  EXPECT_FALSE(VisibilityHolds(200, d, true, kNoAsk));
}

TEST(VisibilityHolds, OnlyTheFirstColumnAsksTheWindowAndOnlyFor1000To2000) {
  int asked = 0;
  bool answer = true;
  const std::function<bool()> ask = [&] {
    ++asked;
    return answer;
  };
  const CaptionWindowState w = Window(kSys);
  EXPECT_TRUE(VisibilityHolds(1000, w, true, ask));
  EXPECT_TRUE(VisibilityHolds(2000, w, true, ask));
  answer = false;
  EXPECT_FALSE(VisibilityHolds(1500, w, true, ask));
  EXPECT_EQ(asked, 3);
  EXPECT_FALSE(VisibilityHolds(1500, w, false, ask));
  EXPECT_TRUE(VisibilityHolds(999, w, true, ask));
  EXPECT_FALSE(VisibilityHolds(2001, w, true, ask));
  EXPECT_EQ(asked, 3);
  // No one to ask: not shown.
  EXPECT_FALSE(VisibilityHolds(1500, w, true, kNoAsk));
}

TDataSkinSysButton Def(int action, int visibility = 0, int visibility1 = 0) {
  TDataSkinSysButton d("BUTTON");
  d.Action = action;
  d.Visibility = visibility;
  d.Visibility1 = visibility1;
  return d;
}

TEST(JudgeCaptionButton, ActionAdjustments) {
  struct Case {
    const char* what;
    int action;
    CaptionWindowState w;
    bool visible, enabled;
  } const cases[] = {
      {"close with system menu", 0, Window(kSys), true, true},
      {"close without system menu", 0, Window(kMin | kMax), false, true},
      {"maximize with box and menu", 1, Window(kSys | kMax), true, true},
      {"maximize without box", 1, Window(kSys | kMin), true, false},
      {"maximize without menu", 1, Window(kMax), true, false},
      {"minimize with box and menu", 2, Window(kSys | kMin), true, true},
      {"minimize without box", 2, Window(kSys | kMax), true, false},
      {"icon", 3, Window(kSys), true, true},
      {"help", 4, Window(0), true, true},
      {"custom", 40, Window(0), true, true},
  };
  for (const Case& c : cases) {
    const CaptionButtonVerdict v = JudgeCaptionButton(Def(c.action), c.w, kNoAsk);
    EXPECT_EQ(v.visible, c.visible) << c.what;
    EXPECT_EQ(v.enabled, c.enabled) << c.what;
  }
  for (int action : {3, 11, 12}) {
    CaptionWindowState dialog = Window(kSys);
    dialog.frameKind = fkDialog;
    EXPECT_FALSE(JudgeCaptionButton(Def(action), dialog, kNoAsk).visible) << action;
    dialog.frameKind = fkSingle;
    EXPECT_TRUE(JudgeCaptionButton(Def(action), dialog, kNoAsk).visible) << action;
  }
}

TEST(JudgeCaptionButton, BothColumnsMustHoldAndAHiddenSecondColumnAsksNothing) {
  int asked = 0;
  const std::function<bool()> ask = [&] {
    ++asked;
    return true;
  };
  EXPECT_FALSE(JudgeCaptionButton(Def(40, 0, 1), Window(0), ask).visible);
  EXPECT_FALSE(JudgeCaptionButton(Def(40, 1, 0), Window(0), ask).visible);
  EXPECT_TRUE(JudgeCaptionButton(Def(40, 1000, 0), Window(0), ask).visible);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(JudgeCaptionButton(Def(40, 1000, 5), Window(0), ask).visible);
  EXPECT_EQ(asked, 1);
}

TEST(PlaceCaptionButton, ByAlign) {
  const Rect text{28, 8, 140, 22};
  const BorderSizes b{4, 30, 4, 4};
  struct Case {
    int align;
    Rect expected;
  } const cases[] = {
      {0, {25, 5, 45, 19}},        {1, {375, 5, 395, 19}},  {2, {-17, 5, 3, 19}},
      {8, {-17, 5, 3, 19}},        {3, {165, 5, 185, 19}},  {9, {165, 5, 185, 19}},
      // In the menu bar: 400 - 25 - 4 - 3, and centred in its 19 pixels below the title.
      {100, {368, 32, 388, 46}},
      {4, {0, 0, 20, 14}},         {-1, {0, 0, 20, 14}},    {101, {0, 0, 20, 14}},
  };
  for (const Case& c : cases) {
    TDataSkinSysButton d = Def(0);
    d.Align = c.align;
    d.Xcoord = 25;
    d.Ycoord = 5;
    const Rect r = PlaceCaptionButton(d, 20, 14, 400, text, b, 3, 19);
    EXPECT_EQ(r, c.expected) << "align " << c.align << ": " << r.left << "," << r.top;
  }
}

TEST(PlaceCaptionButton, ExtremeCoordinatesSaturate) {
  for (int align : {0, 1, 2, 3, 100})
    for (int v : {INT_MIN, INT_MAX}) {
      TDataSkinSysButton d = Def(0);
      d.Align = align;
      d.Xcoord = d.Ycoord = v;
      const Rect r = PlaceCaptionButton(d, 20, 14, v, Rect{v, v, v, v}, BorderSizes{v, v, v, v},
                                        v, v);
      EXPECT_GE(std::int64_t{r.right}, r.left);
    }
}

TEST(CaptionButtonFrameSize, OneFrameOfTheStrip) {
  TDataSkinSysButton d = Def(0);
  d.Bitmap.SetSize(80, 20);
  const std::pair<int, int> cases[] = {{4, 20}, {3, 26}, {1, 80}, {0, 80}, {-2, 80}, {INT_MAX, 0}};
  for (auto [frames, width] : cases) {
    d.Frame = frames;
    EXPECT_EQ(CaptionButtonFrameSize(d), (Size2{width, 20})) << frames;
  }
}

TEST(RightButtonSpace, LargestXcoordOfVisibleRightAlignedButtonsWithImages) {
  std::vector<TDataSkinSysButton> defs;
  auto add = [&](int align, int x, bool image) {
    TDataSkinSysButton d = Def(0);
    d.Align = align;
    d.Xcoord = x;
    if (image) d.Bitmap.SetSize(20, 20);
    defs.push_back(std::move(d));
  };
  add(1, 25, true);
  add(1, 73, true);
  add(1, 99, true);   // hidden below
  add(1, 120, false); // no image
  add(0, 200, true);  // left-aligned
  add(1, 150, true);  // no verdict
  const std::vector<CaptionButtonVerdict> verdicts = {
      {true, true}, {true, false}, {false, true}, {true, true}, {true, true}};
  EXPECT_EQ(RightButtonSpace(defs, verdicts), 73);
  EXPECT_EQ(RightButtonSpace(defs, {}), 0);
}

TEST(CaptionButtonFrames, PaintAndStateFrames) {
  EXPECT_EQ(CaptionButtonPaintFrame(4, true, true), 1);
  EXPECT_EQ(CaptionButtonPaintFrame(4, false, true), 4);
  EXPECT_EQ(CaptionButtonPaintFrame(4, true, false), 4);
  EXPECT_EQ(CaptionButtonPaintFrame(3, false, false), 1);
  EXPECT_EQ(CaptionButtonPaintFrame(0, false, false), 1);

  struct Case {
    int state, frames;
    bool enabled, mdi;
    int frame;
  } const cases[] = {
      {1, 4, true, false, 1}, {2, 4, true, false, 2}, {3, 4, true, false, 3},
      {3, 4, true, true, 4},  {2, 4, true, true, 2},  {1, 4, false, false, 4},
      {3, 3, false, false, 1}, {2, 6, false, true, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CaptionButtonStateFrame(c.state, c.frames, c.enabled, c.mdi), c.frame)
        << c.state << " " << c.frames << " " << c.enabled << " " << c.mdi;
}

TEST(ActionOf, KnownActionsAndTheRest) {
  struct Case {
    int action;
    CaptionAction expected;
  } const cases[] = {
      {0, CaptionAction::Close},           {1, CaptionAction::MaximizeToggle},
      {22, CaptionAction::MaximizeToggle}, {2, CaptionAction::MinimizeToggle},
      {23, CaptionAction::MinimizeToggle}, {3, CaptionAction::SystemMenu},
      {11, CaptionAction::SystemMenu},     {12, CaptionAction::SystemMenu},
      {4, CaptionAction::Help},            {7, CaptionAction::MdiMinimize},
      {60, CaptionAction::MdiMinimize},    {8, CaptionAction::MdiRestore},
      {61, CaptionAction::MdiRestore},     {9, CaptionAction::MdiClose},
      {62, CaptionAction::MdiClose},       {5, CaptionAction::Unknown},
      {-1, CaptionAction::Unknown},        {INT_MAX, CaptionAction::Unknown},
  };
  for (const Case& c : cases) EXPECT_EQ(ActionOf(c.action), c.expected) << c.action;
  EXPECT_TRUE(IsIconAction(3));
  EXPECT_TRUE(IsIconAction(11));
  EXPECT_FALSE(IsIconAction(12));
}

// Our default skin's buttons.
class OurSkinButtons : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    skin_ = new TSkinElements;
    LoadSkinElements(ReadFolderEntries(std::string(VCU_SOURCE_DIR) + "/skins/default"),
                     BuiltinImages{}, *skin_);
  }
  static void TearDownTestSuite() {
    delete skin_;
    skin_ = nullptr;
  }
  static const TDataSkinSysButton& Button(const std::string& name) {
    for (const TDataSkinSysButton& b : skin_->CaptionButtons)
      if (b.Name == name) return b;
    ADD_FAILURE() << "no button " << name;
    return skin_->CaptionButtons.at(0);
  }
  static TSkinElements* skin_;
};
TSkinElements* OurSkinButtons::skin_ = nullptr;

TEST_F(OurSkinButtons, SystemMenuAndMinimizeBoxButNoMaximizeBox) {
  const CaptionWindowState w = Window(kSys | kMin);
  struct Case {
    const char* name;
    bool visible, enabled;
  } const cases[] = {
      {"BUTTONCLOSE", true, true},     {"BUTTONMAXIMIZE", true, false},
      {"BUTTONRESTORE", false, false}, {"BUTTONMINIMIZE", true, true},
      {"BUTTONSYSMENU", true, true},   {"BUTTONHELP", false, true},
  };
  for (const Case& c : cases) {
    const TDataSkinSysButton& def = Button(c.name);
    const CaptionButtonVerdict v = JudgeCaptionButton(def, w, kNoAsk);
    EXPECT_EQ(v.visible, c.visible) << c.name;
    if (v.visible) {
      EXPECT_EQ(v.enabled, c.enabled) << c.name;
    }
  }
  // The MDI buttons belong to an MDI frame with a maximized child only.
  for (std::size_t i = skin_->MdiButtonBase; i < skin_->CaptionButtons.size(); ++i)
    EXPECT_FALSE(JudgeCaptionButton(skin_->CaptionButtons[i], w, kNoAsk).visible);

  // The greyed maximize button: its strip has 4 frames, so frame 4.
  const TDataSkinSysButton& maximize = Button("BUTTONMAXIMIZE");
  EXPECT_EQ(maximize.Frame, 4);
  EXPECT_EQ(CaptionButtonPaintFrame(maximize.Frame, true, false), 4);
  EXPECT_EQ(CaptionButtonPaintFrame(Button("BUTTONCLOSE").Frame, true, true), 1);

  std::vector<CaptionButtonVerdict> verdicts;
  for (const TDataSkinSysButton& def : skin_->CaptionButtons)
    verdicts.push_back(JudgeCaptionButton(def, w, kNoAsk));
  EXPECT_EQ(RightButtonSpace(skin_->CaptionButtons, verdicts), 73);

  // Right-aligned at 25, 49 and 73 from a 400-pixel window's right edge, 5 down.
  const Rect text{28, 8, 140, 22};
  const BorderSizes b{4, 30, 4, 4};
  const std::pair<const char*, int> placed[] = {
      {"BUTTONCLOSE", 375}, {"BUTTONMAXIMIZE", 351}, {"BUTTONMINIMIZE", 327}};
  for (auto [name, left] : placed) {
    const TDataSkinSysButton& def = Button(name);
    const Size2 f = CaptionButtonFrameSize(def);
    EXPECT_EQ(f, (Size2{20, 20})) << name;
    EXPECT_EQ(PlaceCaptionButton(def, f.width, f.height, 400, text, b, 0, 0),
              (Rect{left, 5, left + 20, 25}))
        << name;
  }
  const TDataSkinSysButton& icon = Button("BUTTONSYSMENU");
  EXPECT_EQ(PlaceCaptionButton(icon, 16, 16, 400, text, b, 0, 0), (Rect{8, 7, 24, 23}));
}

TEST_F(OurSkinButtons, DialogFrameHasNoIcon) {
  CaptionWindowState w = Window(kSys);
  w.frameKind = fkDialog;
  EXPECT_FALSE(JudgeCaptionButton(Button("BUTTONSYSMENU"), w, kNoAsk).visible);
  EXPECT_TRUE(JudgeCaptionButton(Button("BUTTONCLOSE"), w, kNoAsk).visible);
}

} // namespace
} // namespace vcu
