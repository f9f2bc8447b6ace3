// The status bar, header control and list view over their native windows: panels, sections,
// columns and rows kept in step with the native parts and items, simple mode, owner-drawn
// panels drawn through OnDrawPanel, and all of them read from a stored layout.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/ListView.h"
#include "framework/StatusBar.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu {
namespace {

using test::Pump;

class TListsForm : public TForm {
public:
  using TForm::TForm;
  static const TClassInfo& ClassInfo() {
    static const TClassInfo info("TListsForm", &TForm::ClassInfo(), {});
    return info;
  }
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

std::string PartText(HWND bar, int index, LRESULT* how = nullptr) {
  char text[256] = {};
  const LRESULT answer = SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  if (how) *how = HIWORD(answer);
  return text;
}

std::vector<int> PartEdges(HWND bar) {
  int edges[16] = {};
  const int count = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 16, reinterpret_cast<LPARAM>(edges)));
  return std::vector<int>(edges, edges + count);
}

class Lists : public ::testing::Test {
protected:
  void SetUp() override {
    form_.SetBounds(100, 100, 500, 300);
    form_.Show();
    Pump();
  }
  TListsForm form_{nullptr};
};

TEST_F(Lists, StatusBarPanelsFollowTheCollection) {
  auto* bar = new TStatusBar(&form_);
  bar->SetParent(&form_);
  TStatusPanel* first = bar->AddPanel();
  first->SetText("One");
  first->SetWidth(100);
  TStatusPanel* second = bar->AddPanel();
  second->SetWidth(60);
  second->SetText("Two");
  HWND window = bar->Handle();
  EXPECT_EQ(PartEdges(window), (std::vector<int>{100, 160}));
  EXPECT_EQ(bar->Top() + bar->Height(), form_.ClientHeight()) << "aligned to the bottom";

  struct Case {
    TAlignment alignment;
    TStatusPanelBevel bevel;
    std::string text;
    LRESULT how;
  };
  const Case cases[] = {
      {taLeftJustify, pbLowered, "Two", 0},
      {taCenter, pbRaised, "\tTwo", SBT_POPOUT},
      {taRightJustify, pbNone, "\t\tTwo", SBT_NOBORDERS},
  };
  for (const Case& c : cases) {
    second->SetAlignment(c.alignment);
    second->SetBevel(c.bevel);
    LRESULT how = 0;
    EXPECT_EQ(PartText(window, 1, &how), c.text);
    EXPECT_EQ(how, c.how) << c.text;
  }
  second->SetWidth(90);
  EXPECT_EQ(PartEdges(window), (std::vector<int>{100, 190}));
  delete first; // a freed panel leaves the collection and the native parts
  EXPECT_EQ(bar->PanelCount(), 1);
  EXPECT_EQ(PartEdges(window), (std::vector<int>{90}));

  bar->SetSimpleText("Simple");
  bar->SetSimplePanel(true);
  EXPECT_TRUE(SendMessageA(window, SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(PartText(window, 0), "Simple") << "in simple mode the one part is the simple text";
  bar->SetSizeGrip(false);
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & SBARS_SIZEGRIP, 0);
}

TEST_F(Lists, OwnerDrawnPanelIsDrawnByOnDrawPanel) {
  auto* bar = new TStatusBar(&form_);
  bar->SetParent(&form_);
  bar->AddPanel()->SetWidth(80);
  TStatusPanel* drawn = bar->AddPanel();
  drawn->SetWidth(120);
  drawn->SetStyle(psOwnerDraw);
  std::vector<TStatusPanel*> calls;
  bar->SetOnDrawPanel([&calls](TStatusBar*, TStatusPanel* panel, HDC dc, const RECT& r) {
    calls.push_back(panel);
    SetDCBrushColor(dc, RGB(0, 0, 255));
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  });
  RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  ASSERT_FALSE(calls.empty());
  for (TStatusPanel* panel : calls) EXPECT_EQ(panel, drawn) << "only the owner-drawn panel, natively";
  RECT r{};
  SendMessageA(bar->Handle(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&r));
  const RECT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2, (r.left + r.right) / 2 + 1, (r.top + r.bottom) / 2 + 1};
  EXPECT_EQ(test::ReadClientPixels(bar->Handle(), middle).At(0, 0), test::PixelOf(RGB(0, 0, 255)));
}

TEST_F(Lists, HeaderSectionsAndListColumnsAndRowsAreNativeItems) {
  auto* header = new THeaderControl(&form_);
  header->SetParent(&form_);
  header->AddSection("A", 50);
  THeaderSection* b = header->AddSection("B", 70, taCenter);
  HWND hwnd = header->Handle();
  ASSERT_EQ(SendMessageA(hwnd, HDM_GETITEMCOUNT, 0, 0), 2);
  b->SetText("Bee");
  char text[32] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(hwnd, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "Bee");
  EXPECT_EQ(item.cxy, 70);
  EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_CENTER);

  auto* list = new TListView(&form_);
  list->SetParent(&form_);
  list->SetBounds(10, 40, 300, 150);
  list->AddColumn("Name", 100);
  list->AddColumn("Value", 80, taRightJustify);
  list->SetRows({"first|1", "second|2", "third"});
  HWND lv = list->Handle();
  EXPECT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), 3);
  char cell[32] = {};
  LVITEMA sub{};
  sub.iSubItem = 1;
  sub.pszText = cell;
  sub.cchTextMax = sizeof cell;
  SendMessageA(lv, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&sub));
  EXPECT_STREQ(cell, "2");
  HWND listHeader = list->HeaderHandle();
  ASSERT_NE(listHeader, nullptr);
  EXPECT_EQ(SendMessageA(listHeader, HDM_GETITEMCOUNT, 0, 0), 2);

  // A list view made again (its window recreated) brings its columns and rows back.
  list->DestroyHandle();
  EXPECT_EQ(SendMessageA(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(list->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(Lists, TheSkinMarkOnTheNotifyNumberIsNoNotification) {
  // The skin engine's mark travels on CN_NOTIFY's number with an lParam that is no pointer.
  constexpr LPARAM kMark = 16802;
  auto* header = new THeaderControl(&form_);
  header->SetParent(&form_);
  header->AddSection("A", 50);
  int sectionClicks = 0, columnClicks = 0;
  header->SetOnSectionClick([&](THeaderControl*, THeaderSection*) { ++sectionClicks; });
  auto* list = new TListView(&form_);
  list->SetParent(&form_);
  list->AddColumn("A", 50);
  list->SetOnColumnClick([&](TCustomListView*, TListColumn*) { ++columnClicks; });
  header->Perform(CN_NOTIFY, 0, kMark);
  list->Perform(CN_NOTIFY, 0, kMark);
  EXPECT_EQ(sectionClicks + columnClicks, 0);
  // A real notification is still read.
  NMHEADERA click{};
  click.hdr.hwndFrom = header->Handle();
  click.hdr.code = HDN_ITEMCLICKA;
  click.iItem = 0;
  header->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(sectionClicks, 1);
}

TEST_F(Lists, ReadFromAStoredLayout) {
  TListsForm form(nullptr);
  ReadComponentLayout(form, R"(object Form1: TListsForm
  object sb: TStatusBar
    SimplePanel = False
    simpletext = 'Idle'
    SizeGrip = False
    object p1: TStatusPanel
      Text = 'Left'
      Width = 120
      Bevel = pbRaised
    end
    object p2: TStatusPanel
      Style = psOwnerDraw
      Alignment = taCenter
      BiDiMode = bdRightToLeft
    end
  end
  object hc: THeaderControl
    object s1: THeaderSection
      Text = 'One'
      Alignment = taRightJustify
    end
  end
  object lv: TListView
    Rows = (
      'a|1'
      'b|2')
    object c1: TListColumn
      Caption = 'Col'
      Width = 60
    end
  end
end
)");
  auto* bar = dynamic_cast<TStatusBar*>(form.FindComponent("sb"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->PanelCount(), 2);
  EXPECT_EQ(bar->Panels(0)->Text(), "Left");
  EXPECT_EQ(bar->Panels(0)->Bevel(), pbRaised);
  EXPECT_EQ(bar->Panels(1)->Style(), psOwnerDraw);
  EXPECT_EQ(bar->Panels(1)->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(bar->SimpleText(), "Idle");
  EXPECT_EQ(bar->Align(), alBottom);
  auto* header = dynamic_cast<THeaderControl*>(form.FindComponent("hc"));
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(header->SectionCount(), 1);
  EXPECT_EQ(header->Sections(0)->Alignment(), taRightJustify);
  auto* list = dynamic_cast<TListView*>(form.FindComponent("lv"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Columns(0)->Caption(), "Col");
  EXPECT_EQ(list->ItemCount(), 2);
}

} // namespace
} // namespace vcu
