// The hand-over to the skin manager: Loaded's rules, the requests made by switching Active or
// applying a new skin and carried out on the manager's real timer, the form filter, and the
// thread's real CBT hook seeing windows activated.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SkinDataTesting.h"
#include "core/storage/LzhEncoder.h"
#include "framework/Forms.h"
#include "framework/OptionalApis.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "support/Pump.h"

namespace vcu {
namespace {

using test::Bytes;

Bytes SmallStream() {
  return test::StreamOf(test::PackSkin({{"top.bmp", test::BmpFile(30, 8)},
                                        {"skin.ini", test::TextBytes("[Personality]\nTop=top.bmp\n")}}));
}

// As the layout reader does it: the stored values are set while loading, then Loaded runs.
void Load(TSkinData& data, bool active, TSkinFormType kind = sfMainform, const Bytes& stream = SmallStream()) {
  data.SetLoading(true);
  data.SetSkinFormtype(kind);
  data.SetActive(active);
  data.ReadSkinStream(stream);
  data.Loaded();
}

class SkinManager : public ::testing::Test {
protected:
  TSkinManage& Manager() { return *TSkinManage::Instance(); }

  // The window the manager's request timer is set on.
  static HWND TimerWindow() { return FindWindowExA(HWND_MESSAGE, nullptr, "TSkinManageTimer", nullptr); }

  // A request is carried out from the message loop when the manager's timer message is
  // dispatched, not before (however many other messages come first) and not in the caller:
  // every other message is dispatched until that one arrives, the request is checked still
  // pending, and then the timer message itself is dispatched.
  void DeliverRequestTimer(TSkinData* requester) {
    ASSERT_NE(TimerWindow(), nullptr);
    const std::optional<MSG> tick = test::TakeMessage(TimerWindow(), WM_TIMER, std::nullopt);
    ASSERT_TRUE(tick.has_value());
    EXPECT_EQ(Manager().RequestingSkinData(), requester) << "carried out before the manager's timer fired";
    DispatchMessageA(&*tick);
    EXPECT_EQ(Manager().RequestingSkinData(), nullptr);
    EXPECT_FALSE(Manager().TimerEnabled());
    MSG again;
    EXPECT_FALSE(PeekMessageA(&again, TimerWindow(), WM_TIMER, WM_TIMER, PM_NOREMOVE)) << "the timer fires once";
  }

  test::ManagerScope scope_;
};

TEST_F(SkinManager, LoadedTrimsSkinControls) {
  constexpr TSkinControlTypes all = 0x003FFFFF;
  const struct {
    const char* name;
    TSkinFormType kind;
    TSkinControlTypes given, expected;
  } cases[] = {
      {"main menu skinned: no menu items", sfMainform, all, Exclude(all, xcMenuItem)},
      {"no main menu: no system menu", sfMainform, Exclude(all, xcMainMenu),
       Exclude(Exclude(all, xcMainMenu), xcSystemMenu)},
      {"other kinds keep their set", sfDialog, all, all},
  };
  ASSERT_NE(GetScrollBarInfoProc(), nullptr) << "this system has GetScrollBarInfo: scroll bars stay";
  for (const auto& c : cases) {
    TSkinData data(nullptr);
    data.SetSkinControls(c.given);
    Load(data, true, c.kind);
    EXPECT_EQ(data.SkinControls(), c.expected) << c.name;
  }
}

TEST_F(SkinManager, MainformLoadedWithSkinRegistersHooksAndSwitchesOn) {
  TSkinData data(nullptr);
  Load(data, true);
  ASSERT_NE(TSkinManage::Instance(), nullptr);
  EXPECT_EQ(Manager().SkinDataList(), std::vector<TSkinData*>{&data});
  EXPECT_EQ(Manager().PrimarySkinData(), &data);
  EXPECT_TRUE(Manager().HookInstalled());
  // No window has been activated yet: the request only switches the manager on.
  EXPECT_TRUE(Manager().Active());
  EXPECT_EQ(Manager().ReadyState(), rsNotStarted);
  EXPECT_FALSE(Manager().TimerEnabled());
  EXPECT_TRUE(data.Active());
  EXPECT_NE(data.CaptionFont, nullptr);
  EXPECT_EQ(data.AppIconBitmap.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(data.AppIconBitmap.Height(), GetSystemMetrics(SM_CYSMICON));
}

TEST_F(SkinManager, MainformWithoutUsableSkinSwitchesItselfOff) {
  TSkinData data(nullptr);
  Load(data, true, sfMainform, {0, 0, 0, 0});
  EXPECT_TRUE(data.SkinEmpty);
  EXPECT_FALSE(data.Active());
  EXPECT_FALSE(Manager().Active());
  EXPECT_TRUE(Manager().HookInstalled());
}

TEST_F(SkinManager, OtherKindsRaiseTheReadyStateWithoutTheHook) {
  TSkinData first(nullptr), second(nullptr);
  Load(first, false, sfDialog);
  Load(second, false, sfDLL);
  EXPECT_TRUE(Manager().Active());
  EXPECT_EQ(Manager().ReadyState(), 2);
  EXPECT_FALSE(Manager().HookInstalled());
  EXPECT_EQ(Manager().PrimarySkinData(), nullptr);
  EXPECT_EQ(Manager().SkinDataList(), (std::vector<TSkinData*>{&first, &second}));
}

TEST_F(SkinManager, FilterFormRules) {
  const struct {
    const char* name;
    bool handler;
    bool fastReport;
    const char* className;
    bool in, out;
  } cases[] = {
      {"month calendar refused", false, false, "SysMonthCal32", true, false},
      {"Tfr refused with xcFastReport", false, true, "TfrPreviewForm", true, false},
      {"Tfr kept without xcFastReport", false, false, "TfrPreviewForm", true, true},
      {"other class keeps the answer", false, true, "TfrmMain", false, false},
      {"other class keeps yes", false, true, "TForm1", true, true},
      {"handler decides: calendar kept", true, true, "SysMonthCal32", true, true},
      {"handler decides: Tfr kept", true, true, "TfrPreviewForm", true, true},
      {"handler decides: no", true, false, "TForm1", true, false},
  };
  for (const auto& c : cases) {
    TSkinData data(nullptr);
    if (c.fastReport) data.SetSkinControls(Include(data.SkinControls(), xcFastReport));
    std::vector<std::string> asked;
    if (c.handler)
      data.OnFormSkin = [&asked, &c](TObject*, const std::string& name, bool& doSkin) {
        asked.push_back(name);
        doSkin = std::string(c.name) != "handler decides: no";
      };
    bool doSkin = c.in;
    const HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    data.FilterForm(window, c.className, doSkin);
    EXPECT_EQ(doSkin, c.out) << c.name;
    EXPECT_EQ(data.CurrentWindow, window) << c.name;
    EXPECT_EQ(asked, c.handler ? std::vector<std::string>{c.className} : std::vector<std::string>{}) << c.name;
  }
}

// Each request sets the manager's timer to 250 ms; OnSkinChanged follows when it fires.
class ManagerRequests : public SkinManager {
protected:
  struct Done {
    int code;
    bool active;
  };

  void SetUp() override {
    Load(data_, true);
    Manager().SetReadyState(rsStarted); // as the first activated window does
    data_.OnSkinChanged = [this](TObject* sender) {
      EXPECT_EQ(sender, &data_);
      done_.push_back({Manager().RequestCode(), Manager().Active()});
    };
  }

  // Runs the action and follows the request it makes through the manager's timer.
  Done Request(const std::function<void()>& action) {
    const size_t before = done_.size();
    action();
    EXPECT_EQ(Manager().RequestingSkinData(), &data_);
    EXPECT_TRUE(Manager().TimerEnabled());
    EXPECT_EQ(Manager().TimerInterval(), 250u);
    EXPECT_EQ(done_.size(), before) << "carried out inside the caller";
    DeliverRequestTimer(&data_);
    EXPECT_EQ(done_.size(), before + 1);
    return done_.size() > before ? done_.back() : Done{};
  }

  TSkinData data_{nullptr};
  std::vector<Done> done_;
};

TEST_F(ManagerRequests, ActiveOffThenOnPostsUnskinThenSkin) {
  const Done off = Request([&] { data_.SetActive(false); });
  EXPECT_EQ(off.code, scUnskin);
  EXPECT_FALSE(off.active);
  const Done on = Request([&] { data_.SetActive(true); });
  EXPECT_EQ(on.code, scSkin);
  EXPECT_TRUE(on.active);
  EXPECT_EQ(Manager().ReadyState(), rsStarted);
}

TEST_F(ManagerRequests, NewSkinAppliedPostsSkinChanged) {
  const Done changed = Request([&] { data_.ApplySkin(); });
  EXPECT_EQ(changed.code, scSkinChanged);
}

// A form's own skin data (sfOnlyThisForm) asks the manager, through the same timer, to skin or
// unskin its form and no other; with no usable skin, switching on only names it the
// requester and asks nothing.
TEST_F(SkinManager, OnlyThisFormActiveSwitchesReachOnlyItsOwnForm) {
  TForm owner(nullptr), other(nullptr);
  for (TForm* form : {&owner, &other}) {
    form->SetBounds(100, 100, 200, 150);
    form->Show();
  }
  auto* data = new TSkinData(&owner);
  Load(*data, false, sfOnlyThisForm);
  EXPECT_EQ(Manager().ReadyState(), rsStarted) << "a component of another kind raises the ready state";
  EXPECT_TRUE(Manager().SkinForms().empty());

  data->SetActive(true);
  EXPECT_EQ(Manager().RequestingSkinData(), data);
  EXPECT_EQ(Manager().RequestCode(), scSkin);
  EXPECT_TRUE(Manager().TimerEnabled());
  EXPECT_EQ(Manager().TimerInterval(), 250u);
  DeliverRequestTimer(data);
  ASSERT_EQ(Manager().SkinForms().size(), 1u);
  EXPECT_EQ(Manager().SkinForms()[0]->Window(), owner.Handle());
  EXPECT_EQ(Manager().SkinForms()[0]->SkinData(), data);

  data->SetActive(false);
  EXPECT_EQ(Manager().RequestCode(), scUnskin);
  DeliverRequestTimer(data);
  EXPECT_TRUE(Manager().SkinForms().empty());
  EXPECT_FALSE(Manager().Active());

  TSkinData empty(nullptr);
  Load(empty, false, sfOnlyThisForm, {0, 0, 0, 0});
  ASSERT_TRUE(empty.SkinEmpty);
  empty.SetActive(true);
  EXPECT_EQ(Manager().RequestingSkinData(), &empty);
  EXPECT_FALSE(Manager().TimerEnabled()) << "nothing to skin with: no request";
}

TEST_F(SkinManager, BeforeAnyActivationRequestsOnlySwitchTheFlag) {
  TSkinData data(nullptr);
  Load(data, true);
  ASSERT_TRUE(Manager().Active());
  data.SetActive(false);
  EXPECT_FALSE(Manager().Active());
  EXPECT_FALSE(Manager().TimerEnabled());
  data.SetActive(true);
  EXPECT_TRUE(Manager().Active());
  EXPECT_FALSE(Manager().TimerEnabled());
  EXPECT_EQ(Manager().ReadyState(), rsStarted) << "switching Active on starts the manager";
}

// A component that goes leaves no reference behind in the manager.
TEST_F(SkinManager, DestroyedSkinDataIsUnregistered) {
  auto first = std::make_unique<TSkinData>(nullptr);
  TSkinData second(nullptr);
  Load(*first, true);
  Load(second, true);
  ASSERT_EQ(Manager().PrimarySkinData(), first.get());
  Manager().SetRequestingSkinData(first.get());
  first.reset();
  EXPECT_EQ(Manager().SkinDataList(), std::vector<TSkinData*>{&second});
  EXPECT_EQ(Manager().PrimarySkinData(), &second);
  EXPECT_EQ(Manager().RequestingSkinData(), nullptr);
}

// A real form shown and activated reaches the hook: the manager starts, and the window passes
// the checks with the main-form skin data, once however often it is activated. A form tagged
// 99 never does.
TEST_F(SkinManager, HookSeesActivatedWindows) {
  TSkinData data(nullptr);
  Load(data, true);
  ASSERT_EQ(Manager().ReadyState(), rsNotStarted);
  TForm plain(nullptr), exempt(nullptr);
  exempt.SetTag(99);
  auto activated = [](TForm& form) { return GetActiveWindow() == form.Handle(); };
  for (TForm* form : {&plain, &exempt}) {
    form->SetBounds(100, 100, 200, 150);
    form->Show();
    ASSERT_TRUE(test::PumpUntil([&] { return activated(*form); }, "the form shown to be activated"));
  }
  SetActiveWindow(plain.Handle());
  ASSERT_TRUE(test::PumpUntil([&] { return activated(plain); }, "the first form to be activated again"));
  EXPECT_EQ(Manager().ReadyState(), rsStarted);
  ASSERT_EQ(Manager().SkinForms().size(), 1u);
  EXPECT_EQ(Manager().SkinForms()[0]->Window(), plain.Handle());
  EXPECT_EQ(Manager().SkinForms()[0]->SkinData(), &data);
  EXPECT_EQ(TSkinManage::FindForm(plain.Handle()), &plain);
}

} // namespace
} // namespace vcu
