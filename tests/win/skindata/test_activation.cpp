// The hand-over of a non-main-form component whose form is read from a real layout with Active
// set: its owner form is attached as soon as the layout is complete.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "SkinDataTesting.h"
#include "SkinLayoutText.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
namespace {

test::Bytes SmallStream() {
  return test::StreamOf(test::PackSkin({{"top.bmp", test::BmpFile(30, 8)},
                                        {"skin.ini", test::TextBytes("[Personality]\nTop=top.bmp\n")}}));
}

// The skin data the manager has attached to a window, or null. The only place that knows how
// the manager keeps its register of skinned forms.
TSkinData* AttachedSkinData(HWND window) {
  TWinSkinForm* skinForm = TSkinManage::Instance()->FindSkinForm(window);
  return skinForm ? skinForm->SkinData() : nullptr;
}

TSkinData* Component(TForm& form, const char* name) {
  auto* data = dynamic_cast<TSkinData*>(form.FindComponent(name));
  EXPECT_NE(data, nullptr) << name;
  return data;
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
  EXPECT_TRUE(TSkinManage::Instance()->SkinForms().empty());
}

} // namespace
} // namespace vcu
