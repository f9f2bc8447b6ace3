// Skinned speed buttons: window-less, painted into their parent's paint from the Buttons
// strip. A flat button shows no frame until the real pointer makes it hot; a press shows
// pressed; the release puts a grouped button down and raises the one that was; down shows
// the pressed frame and the down glyph; disabled shows frame 3 and the grey glyph. Skinning
// off gives the native look back.
#include <gtest/gtest.h>

#include "ButtonTesting.h"
#include "GlyphTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "core/controls/ButtonRules.h"
#include "framework/Buttons.h"
#include "skin/controls/SkinSpeedButton.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr int kGlyph = 16;
constexpr int kSide = 30;

class SkinnedSpeedButtons : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    input::MoveTo(POINT{5, 5});
    Pump();
  }

  TSpeedButton* Add(int x, int y, int cells, int group, bool flat) {
    auto* button = new TSpeedButton(&form_);
    button->SetParent(&form_);
    button->SetBounds(x, y, kSide, kSide);
    button->Glyph()->Assign(GlyphStrip(cells, kGlyph));
    button->SetNumGlyphs(cells);
    button->SetGroupIndex(group);
    button->SetFlat(flat);
    return button;
  }
  TSkinSpeedButton* SkinnerOfButton(TSpeedButton* button) {
    TWinSkinForm* skinner = RunningSkinner(form_.Handle());
    if (!skinner) return nullptr;
    for (TSkinControl* c : skinner->SkinnedControls())
      if (c->Owner() == button) return dynamic_cast<TSkinSpeedButton*>(c);
    return nullptr;
  }
  Bitmap Shown(TSpeedButton* button) {
    Pump();
    const RECT r = button->BoundsRect();
    return ReadClientPixels(form_.Handle(), r);
  }
  // The core's button: the glyph alone is centred by thirds with the speed button's rules.
  Bitmap Expected(int frame, int cell, bool grey, bool drawFrame) {
    GlyphLayoutInput in;
    in.width = in.height = kSide;
    in.glyphWidth = in.glyphHeight = kGlyph;
    in.spacing = 4; // the framework's default; no caption makes it 0
    in.speedButton = true;
    const GlyphPlacement at = PlaceGlyphAndText(in);
    return ComposedGlyphButton(data_, frame, kSide, kSide, GlyphStrip(4, kGlyph), cell, kGlyph, at.glyphX, at.glyphY,
                               grey, drawFrame);
  }
  // Pumps until the button shows the expected image.
  void ExpectShows(TSpeedButton* button, const Bitmap& expected, const char* what) {
    std::string difference;
    if (!PumpUntil([&] { return (difference = FirstDifference(Shown(button), expected)).empty(); }, what))
      ADD_FAILURE() << what << ": " << difference;
  }
  POINT Centre(TSpeedButton* button) {
    POINT p{button->Left() + kSide / 2, button->Top() + kSide / 2};
    ClientToScreen(form_.Handle(), &p);
    return p;
  }
};

TEST_F(SkinnedSpeedButtons, FlatGroupFollowsTheRealPointerAndStaysExclusive) {
  TSpeedButton* first = Add(20, 20, 4, 1, true);
  TSpeedButton* second = Add(60, 20, 4, 1, true);
  TSpeedButton* third = Add(100, 20, 4, 1, true);
  first->SetDown(true);
  int clicks = 0;
  second->SetOnClick([&](TObject*) { ++clicks; });
  SkinOn();
  TSkinSpeedButton* skinner = SkinnerOfButton(second);
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(SkinnerOfButton(first), nullptr);

  ExpectShows(first, Expected(bfPressed, 3, false, true), "down: pressed frame, down glyph");
  ExpectShows(second, Expected(bfNormal, 0, false, false), "flat and up: no frame");

  input::MoveTo(Centre(second));
  ASSERT_TRUE(PumpUntil([&] { return skinner->Hot(); }, "the pointer to make the button hot"));
  ExpectShows(second, Expected(bfHot, 0, false, true), "hot");

  input::Press(Centre(second));
  ASSERT_TRUE(PumpUntil([&] { return skinner->Pressed(); }, "the press"));
  ExpectShows(second, Expected(bfPressed, 2, false, true), "pressed: glyph 3");
  input::Release(Centre(second));
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }, "the click"));
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down()) << "one down in a group";
  EXPECT_FALSE(third->Down());
  ExpectShows(second, Expected(bfPressed, 3, false, true), "down under the pointer");
  ExpectShows(first, Expected(bfNormal, 0, false, false), "raised again, flat");

  input::MoveTo(POINT{5, 5});
  ASSERT_TRUE(PumpUntil([&] { return !skinner->Hot(); }, "the leave"));
  ExpectShows(second, Expected(bfPressed, 3, false, true), "still down after the pointer left");

  // A second click on the down button of a group that may not be all up keeps it down.
  input::Click(Centre(second));
  ASSERT_TRUE(PumpUntil([&] { return clicks == 2; }, "the second click"));
  EXPECT_TRUE(second->Down());
}

TEST_F(SkinnedSpeedButtons, PlainButtonShowsItsFrameAndDisabledIsGrey) {
  TSpeedButton* plain = Add(20, 20, 4, 0, false);
  TSpeedButton* disabled = Add(60, 20, 1, 0, false);
  disabled->SetEnabled(false);
  TSpeedButton* flatDisabled = Add(100, 20, 4, 0, true);
  flatDisabled->SetEnabled(false);
  SkinOn();
  ExpectShows(plain, Expected(bfNormal, 0, false, true), "not flat: the normal frame");
  ExpectShows(disabled, Expected(bfDisabled, 0, true, true), "disabled: frame 3, the only cell grey");
  ExpectShows(flatDisabled, Expected(bfDisabled, 1, true, false), "flat disabled: no frame, cell 2 grey");
  plain->SetDown(true); // no group: it cannot stay down
  EXPECT_FALSE(plain->Down());
}

TEST_F(SkinnedSpeedButtons, OffGivesTheNativeLookBack) {
  TSpeedButton* button = Add(20, 20, 1, 0, false);
  button->SetCaption("");
  const Bitmap native = Shown(button);
  SkinOn();
  ASSERT_NE(SkinnerOfButton(button), nullptr);
  ExpectShows(button, Expected(bfNormal, 0, false, true), "skinned");
  ASSERT_TRUE(SwitchSkinning(data_, false));
  ExpectShows(button, native, "native again");
}

} // namespace
} // namespace vcu::test
