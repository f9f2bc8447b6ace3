// Components that do not skin the whole program: one that skins only its own form, switched on
// and off at run time, and the hand-over of any non-main-form component whose form is read
// from a layout with Active set. Each request is carried out on the manager's real timer; the
// tests wait for it with a deadline.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "SkinDataTesting.h"
#include "SkinLayoutText.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"

namespace vcu {
namespace {

constexpr int kDeadlineMs = 5000;

test::Bytes SmallStream() {
  return test::StreamOf(test::PackSkin({{"top.bmp", test::BmpFile(30, 8)},
                                        {"skin.ini", test::TextBytes("[Personality]\nTop=top.bmp\n")}}));
}

// The skin data the manager has attached to a window, or null. The only place that knows how
// the manager keeps its register of skinned forms.
TSkinData* AttachedSkinData(HWND window) {
  for (const TAcceptedWindow& a : TSkinManage::Instance()->AcceptedWindows())
    if (a.window == window) return a.skinData;
  return nullptr;
}

TSkinData* Component(TForm& form, const char* name) {
  auto* data = dynamic_cast<TSkinData*>(form.FindComponent(name));
  EXPECT_NE(data, nullptr) << name;
  return data;
}

class OnlyThisForm : public ::testing::Test {
protected:
  // Reads Form1 with an inactive sfOnlyThisForm component (with or without a skin) beside a
  // dialog component, shows it, and shows a second, plain form.
  void Read(bool withSkin) {
    ReadComponentLayout(form_, test::FormLayout({
        {"Own", {"SkinFormtype = sfOnlyThisForm"}, withSkin ? SmallStream() : test::Bytes{}},
        {"Dialogs", {"SkinFormtype = sfDialog"}, SmallStream()},
    }));
    own_ = Component(form_, "Own");
    other_.SetBounds(300, 100, 200, 150);
    form_.SetBounds(100, 100, 200, 150);
    form_.Show();
    other_.Show();
  }

  TSkinManage& Manager() { return *TSkinManage::Instance(); }
  bool RequestCarriedOut() { return !Manager().TimerEnabled() && Manager().RequestingSkinData() == nullptr; }

  test::ManagerScope scope_;
  TForm form_{nullptr}, other_{nullptr};
  TSkinData* own_ = nullptr;
};

// On: the component asks for skinning after 250 ms without touching the ready state that the
// two components' Loaded steps raised to 2, and then only its own form is attached. Off: it
// asks for unskinning, and its form is let go.
TEST_F(OnlyThisForm, ActiveOnThenOffSkinsAndReleasesOnlyItsOwnForm) {
  Read(true);
  ASSERT_FALSE(own_->SkinEmpty);
  ASSERT_EQ(Manager().ReadyState(), 2);

  own_->SetActive(true);
  EXPECT_EQ(Manager().RequestingSkinData(), own_);
  EXPECT_EQ(Manager().RequestCode(), scSkin);
  EXPECT_TRUE(Manager().TimerEnabled());
  EXPECT_EQ(Manager().TimerInterval(), 250u);
  EXPECT_EQ(Manager().ReadyState(), 2);
  ASSERT_TRUE(test::PumpUntil([&] { return RequestCarriedOut(); }, kDeadlineMs)) << "the request was never carried out";
  EXPECT_EQ(AttachedSkinData(form_.Handle()), own_);
  EXPECT_EQ(AttachedSkinData(other_.Handle()), nullptr);

  own_->SetActive(false);
  EXPECT_EQ(Manager().RequestingSkinData(), own_);
  EXPECT_EQ(Manager().RequestCode(), scUnskin);
  EXPECT_TRUE(Manager().TimerEnabled());
  EXPECT_EQ(Manager().TimerInterval(), 250u);
  ASSERT_TRUE(test::PumpUntil([&] { return RequestCarriedOut(); }, kDeadlineMs)) << "the request was never carried out";
  EXPECT_EQ(AttachedSkinData(form_.Handle()), nullptr);

  own_->SetActive(false); // unchanged: no request
  EXPECT_EQ(Manager().RequestingSkinData(), nullptr);
  EXPECT_FALSE(Manager().TimerEnabled());
}

// Without a readable skin the component still becomes the requesting one, but asks nothing.
TEST_F(OnlyThisForm, ActiveOnWithoutASkinOnlyMakesItTheRequestingComponent) {
  Read(false);
  ASSERT_TRUE(own_->SkinEmpty);
  own_->SetActive(true);
  EXPECT_TRUE(own_->Active());
  EXPECT_EQ(Manager().RequestingSkinData(), own_);
  EXPECT_FALSE(Manager().TimerEnabled());
  EXPECT_EQ(AttachedSkinData(form_.Handle()), nullptr);
}

// A component of any kind but the main form's, read with Active set, has its owner form
// attached as soon as the layout is complete; inactive, or with no form for owner, nothing is.
TEST(NonMainFormLoaded, ActiveComponentAttachesItsOwnerForm) {
  const struct {
    const char* kind;
    bool active;
    bool attached;
  } cases[] = {
      {"sfOnlyThisForm", true, true},
      {"sfDialog", true, true},
      {"sfDLL", true, true},
      {"sfOnlyThisForm", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + (c.active ? ", active" : ", inactive"));
    test::ManagerScope scope;
    TForm form(nullptr);
    ReadComponentLayout(form, test::FormLayout({{"SkinData1",
                                                 {std::string("SkinFormtype = ") + c.kind,
                                                  std::string("Active = ") + (c.active ? "True" : "False")},
                                                 SmallStream()}}));
    TSkinData* data = Component(form, "SkinData1");
    ASSERT_NE(TSkinManage::Instance(), nullptr);
    EXPECT_TRUE(TSkinManage::Instance()->Active());
    EXPECT_EQ(TSkinManage::Instance()->ReadyState(), 1);
    ASSERT_TRUE(form.HandleAllocated() || !c.attached);
    EXPECT_EQ(form.HandleAllocated() ? AttachedSkinData(form.Handle()) : nullptr, c.attached ? data : nullptr);
  }
  test::ManagerScope scope;
  TSkinData unowned(nullptr);
  unowned.SetLoading(true);
  unowned.SetSkinFormtype(sfOnlyThisForm);
  unowned.SetActive(true);
  unowned.ReadSkinStream(SmallStream());
  unowned.Loaded();
  EXPECT_TRUE(TSkinManage::Instance()->AcceptedWindows().empty());
}

} // namespace
} // namespace vcu
