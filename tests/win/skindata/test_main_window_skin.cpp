// The real main window built from its real stored layout: SkinData1 carries the stored values
// and our default skin, and the window reaches the manager when it is shown. What the skin
// must give comes from SkinDescription, the rule-following reading of skins/default that the
// native default-skin suite checks every slot against; here a few slots, their bitmaps and the
// colours show that the window's component holds that same skin, composed with this system's
// scroll-arrow width.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ElementChecks.h"
#include "SkinDataTesting.h"
#include "SkinDescription.h"
#include "support/Pump.h"
#include "app/Main.h"
#include "core/layout/LayoutParser.h"
#include "framework/LayoutReader.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
namespace {

class MainWindowSkin : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLayoutResource("TfrmMain", layout_));
    form_ = std::make_unique<TfrmMain>(nullptr);
    ReadComponentLayout(*form_, layout_);
    data_ = dynamic_cast<TSkinData*>(form_->FindComponent("SkinData1"));
    ASSERT_NE(data_, nullptr);
  }

  test::ManagerScope scope_;
  std::string layout_;
  std::unique_ptr<TfrmMain> form_;
  TSkinData* data_ = nullptr;
};

TEST_F(MainWindowSkin, StoredPropertyValues) {
  EXPECT_TRUE(data_->Active());
  EXPECT_EQ(data_->DisableTag(), 99);
  // The 20 stored members, xcMenuItem already out; Loaded keeps them as they are.
  EXPECT_EQ(data_->SkinControls(), 0x001FFFFBu);
  EXPECT_EQ(data_->Options(), 0x0048u);
  EXPECT_EQ(data_->SkinFormtype(), sfMainform);
  EXPECT_EQ(data_->Version(), "4.94.12.01");
  EXPECT_TRUE(data_->MenuUpdate());
  EXPECT_FALSE(data_->MenuMerge());
  EXPECT_TRUE(data_->SkinFile().empty());
  std::vector<std::string> rows;
  for (int i = 0; i < data_->Skin3rd()->Count(); ++i) rows.push_back(data_->Skin3rd()->Get(i));
  // The constructor's rows (checked row by row in test_properties) without the first two.
  TSkinData fresh(nullptr);
  ASSERT_EQ(fresh.Skin3rd()->Count(), 118);
  std::vector<std::string> expected;
  for (int i = 2; i < fresh.Skin3rd()->Count(); ++i) expected.push_back(fresh.Skin3rd()->Get(i));
  EXPECT_EQ(rows, expected);
}

// The stored value is the packed default skin behind its length, and it is written back as
// it was read.
TEST_F(MainWindowSkin, SkinStreamIsThePackedDefaultSkin) {
  const TLayoutObject doc = ParseLayout(layout_);
  const TLayoutProperty* stored = nullptr;
  for (const TLayoutObject& child : doc.children)
    if (child.name == "SkinData1")
      for (const TLayoutProperty& p : child.properties)
        if (p.name == "SkinStream") stored = &p;
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->value.bytes, test::StreamOf(test::ReadFileBytes(VCU_STORED_SKIN_FILE)));
  test::Bytes written;
  data_->WriteSkinStream(written);
  EXPECT_EQ(written, stored->value.bytes);
}

TEST_F(MainWindowSkin, SkinData1HoldsTheDefaultSkin) {
  ASSERT_FALSE(data_->SkinEmpty);
  const test::SkinDescription d = test::DescribeSkinFolder(VCU_SKIN_SOURCE_DIR, GetSystemMetrics(SM_CXHSCROLL));
  ASSERT_FALSE(d.skinName.empty()) << "no skin.ini in " << VCU_SKIN_SOURCE_DIR;
  EXPECT_EQ(data_->SkinName, d.skinName);
  for (const char* slot : {"TopBorder", "TitleText", "Buttons", "Scrollbar", "ComboButton", "SunkEdge", "Track"})
    test::ExpectSlot(*data_, slot, d.Slot(slot));
  ASSERT_EQ(data_->CaptionButtons.size(), d.captionButtons.size());
  ASSERT_EQ(data_->MdiButtonBase, d.mdiButtonBase);
  test::ExpectRecord(data_->CaptionButtons.front(), d.captionButtons.front(), "first caption button");
  test::ExpectRecord(data_->CaptionButtons.back(), d.captionButtons.back(), "last MDI button");
  for (const auto& [field, value] : d.colours) EXPECT_EQ(test::ColourField(*data_, field), value) << field;
  EXPECT_EQ(data_->FrameColour, d.frameColour);
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectA(data_->FaceBrush, sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, static_cast<COLORREF>(d.colours.at("ColourButtonFace")));
}

// The program's resources reach the component: the four menu glyphs and the application icon
// on its magenta ground.
TEST_F(MainWindowSkin, ProgramResourcesReachTheComponent) {
  ASSERT_NE(data_->MenuGlyphs, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(data_->MenuGlyphs), 4);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(data_->MenuGlyphs, &cx, &cy);
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
  const Bitmap& icon = data_->AppIconBitmap;
  ASSERT_EQ(icon.Width(), GetSystemMetrics(SM_CXSMICON));
  ASSERT_EQ(icon.Height(), GetSystemMetrics(SM_CYSMICON));
  int drawn = 0;
  for (int y = 0; y < icon.Height(); ++y)
    for (int x = 0; x < icon.Width(); ++x) drawn += icon.At(x, y) != MakePixel(255, 0, 255);
  EXPECT_GT(drawn, icon.Width() * icon.Height() / 4) << "the icon is drawn onto the magenta ground";
  EXPECT_NE(data_->CaptionFont, nullptr);
}

// Read from its layout, the window's skin data switches the manager on; showing the window
// activates it, the hook starts the manager and the window passes every check.
TEST_F(MainWindowSkin, ShownWindowReachesTheManager) {
  TSkinManage* manager = TSkinManage::Instance();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->PrimarySkinData(), data_);
  EXPECT_TRUE(manager->HookInstalled());
  EXPECT_TRUE(manager->Active());
  EXPECT_EQ(manager->ReadyState(), rsNotStarted);
  form_->Show();
  ASSERT_TRUE(test::PumpUntil([&] { return !manager->SkinForms().empty(); },
                              "the shown window to reach the manager"));
  EXPECT_EQ(manager->ReadyState(), rsStarted);
  ASSERT_EQ(manager->SkinForms().size(), 1u);
  EXPECT_EQ(manager->SkinForms()[0]->Window(), form_->Handle());
  EXPECT_EQ(manager->SkinForms()[0]->SkinData(), data_);
}

} // namespace
} // namespace vcu
