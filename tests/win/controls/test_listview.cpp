// The list view's skinner: a scroll-bar skinner with overlays on the native bars and a header
// skinner on the list view's own header window, both given back when skinning goes off; and
// the status bar, header and list view skinned off and on a thousand times with the GDI and
// USER object counts flat.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ButtonTesting.h"
#include "HeaderTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "framework/ListView.h"
#include "framework/StatusBar.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/WScrollbar.h"
#include "skin/form/SkinManage.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

class SkinnedListView : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    list_ = new TListView(&form_);
    list_->SetParent(&form_);
    list_->SetBounds(10, 10, 300, 160);
    list_->AddColumn("Name", 120);
    list_->AddColumn("Value", 80, taRightJustify);
    list_->AddColumn("Unit", 60, taCenter);
    for (int i = 0; i < 30; ++i) list_->AddItem("Row " + std::to_string(i), {std::to_string(i * 7), "ms"});
    Pump();
    header_ = list_->HeaderHandle();
  }
  bool Skinned(HWND window) { return SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1; }

  TListView* list_ = nullptr;
  HWND header_ = nullptr;
};

TEST_F(SkinnedListView, BarsAndHeaderSkinnedThenGivenBack) {
  ASSERT_NE(header_, nullptr);
  ASSERT_TRUE(GetWindowLongPtrW(list_->Handle(), GWL_STYLE) & WS_VSCROLL) << "30 rows must need the vertical bar";
  const LONG_PTR headerProc = GetWindowLongPtrW(header_, GWLP_WNDPROC);
  for (int i = 0; i < 3; ++i) list_->Columns(i)->SetText("");
  SkinOn();

  auto* skinner = dynamic_cast<TSkinListView*>(SkinnerOf(form_.Handle(), list_->Handle()));
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->VertBar(), nullptr);
  EXPECT_TRUE(IsWindowVisible(skinner->VertBar()->Handle()));
  auto* headerSkin = dynamic_cast<TSkinHeader*>(SkinnerOf(form_.Handle(), header_));
  ASSERT_NE(headerSkin, nullptr);
  EXPECT_EQ(headerSkin->Owner(), list_) << "the header skinner goes with the list view";
  EXPECT_TRUE(Skinned(header_));
  RedrawWindow(header_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(FirstDifference(ClientPixels(header_), ComposedHeader(data_, header_, -1)), "");

  // A scroll-bar skinner made anew (the form's rebuild request) keeps one header skinner.
  SendMessageW(form_.Handle(), SKINMSG_REBUILDSCROLLBAR, reinterpret_cast<WPARAM>(list_->Handle()), 0);
  Pump();
  int headerSkinners = 0;
  for (TSkinControl* c : RunningSkinner(form_.Handle())->SkinnedControls()) headerSkinners += c->Handle() == header_;
  EXPECT_EQ(headerSkinners, 1);
  EXPECT_NE(dynamic_cast<TSkinListView*>(SkinnerOf(form_.Handle(), list_->Handle())), nullptr);

  ASSERT_TRUE(SwitchSkinning(data_, false));
  Pump();
  EXPECT_FALSE(Skinned(header_));
  EXPECT_FALSE(Skinned(list_->Handle()));
  EXPECT_EQ(GetWindowLongPtrW(header_, GWLP_WNDPROC), headerProc);
}

TEST_F(SkinnedListView, ClickingAColumnReportsIt) {
  std::string clicked;
  list_->SetOnColumnClick([&clicked](TCustomListView*, TListColumn* column) { clicked = column->Caption(); });
  SkinOn();
  RECT item{};
  ASSERT_TRUE(SendMessageW(header_, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item)));
  POINT p{item.left + 20, (item.top + item.bottom) / 2};
  ClientToScreen(header_, &p);
  input::Click(p);
  ASSERT_TRUE(PumpUntil([&] { return !clicked.empty(); }, "the column click"));
  EXPECT_EQ(clicked, "Value");
}

TEST_F(SkinnedListView, AThousandCyclesWithStatusBarHeaderAndListViewLeaveTheCountsFlat) {
  auto* bar = new TStatusBar(&form_);
  bar->SetParent(&form_);
  bar->AddPanel()->SetText("Ready");
  bar->AddPanel()->SetBevel(pbRaised);
  auto* header = new THeaderControl(&form_);
  header->SetParent(&form_);
  header->SetBounds(10, 180, 300, 22);
  header->AddSection("One", 100);
  header->AddSection("Two", 100, taCenter);
  Pump();
  SkinOn();
  const HWND windows[] = {bar->Handle(), header->Handle(), list_->Handle(), header_};
  ExpectFlatOverOffOnCycles(
      data_, 1000,
      [&] {
        RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (HWND w : windows)
          if (!Skinned(w)) return false;
        return true;
      },
      "status bar, header and list view");
}

} // namespace
} // namespace vcu::test
