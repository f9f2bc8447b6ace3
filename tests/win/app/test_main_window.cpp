// The real main window, built from its real stored layout, driven through real window messages
// against the stand-in terminal kit registered in this process.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <memory>
#include <string>
#include <vector>

#include "MainWindowTesting.h"
#include "app/Main.h"
#include "app/OleCheck.h"
#include "framework/LayoutReader.h"
#include "kit-sim/ClassRegistration.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "support/Dialogs.h"
#include "support/Pixels.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"

namespace vcu {
namespace {

using kitsim::Operation;
using test::ClickAt;
using test::DialogWatcher;
using test::Pump;
using test::TextOf;

std::wstring Wide(const std::string& ansi) {
  int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], n);
  return wide;
}

class MainWindow : public ::testing::Test {
protected:
  void SetUp() override {
    kit_ = std::make_unique<kitsim::ClassRegistration>();
    kitsim::Identity& id = Terminal().settings.identity;
    id.firmwareVersion = L"FW 1.2";
    id.platformName = L"PLAT-9";
    id.productName = L"QM510";
    id.manufacturer = L"Vantorix";
    id.serialNumber = L"SN-77";
    id.sdkVersion = L"6.3.1";
    form_ = new TfrmMain(nullptr);
    form_->InitializeForm();
    form_->Show();
    test::WaitUntilSkinned(*form_);
  }

  void TearDown() override {
    delete form_;
    Pump();
  }

  kitsim::Terminal& Terminal() { return kit_->terminal(); }

  // A click that opens a dialog nobody answers fails the test instead of hanging it.
  void Click(TWinControl* control) {
    test::ModalDeadline deadline;
    SendMessageA(control->Handle(), BM_CLICK, 0, 0);
    Pump();
  }
  void Type(TWinControl* control, const std::string& text) { SetWindowTextA(control->Handle(), text.c_str()); }
  // Key by key, as typed into the focused field.
  void TypeKeys(TWinControl* control, const std::string& text) {
    control->SetFocus();
    for (char c : text) PostMessageA(control->Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    Pump();
  }
  void ClickRestart() {
    RECT r = form_->lblRestart->BoundsRect();
    ClickAt(form_->Handle(), r.left + 4, r.top + 4);
    Pump();
  }
  std::string Log() { return TextOf(form_->Memo1->Handle()); }
  std::string Caption() { return TextOf(form_->btnUpdate->Handle()); }
  void Connect() {
    Click(form_->btnUpdate);
    ASSERT_EQ(Caption(), "Update");
  }
  std::vector<std::vector<std::wstring>> ArgumentsOf(Operation op) {
    std::vector<std::vector<std::wstring>> args;
    for (const kitsim::Call& call : Terminal().CallsOf(op)) args.push_back(call.arguments);
    return args;
  }

  test::ApplicationScope application_;
  std::unique_ptr<kitsim::ClassRegistration> kit_;
  TfrmMain* form_ = nullptr;
  DialogWatcher dialogs_;
};

const char kIdentityLines[] =
    "Firmware Version: FW 1.2\r\n"
    "Platform: PLAT-9\r\n"
    "Product Name: QM510\r\n"
    "Manufacturer: Vantorix\r\n"
    "Serial Numner: SN-77\r\n"
    "SDK Version: 6.3.1\r\n";

TEST_F(MainWindow, ConnectsByIpAndListsTheIdentity) {
  Type(form_->Memo1, "left over\r\n");
  Connect();
  EXPECT_EQ(Log(), std::string("Connected to 192.168.1.201\r\n") + kIdentityLines);
  EXPECT_EQ(form_->btnUpdate->Tag(), 1);
  EXPECT_EQ(ArgumentsOf(Operation::OpenNetworkLink), (std::vector<std::vector<std::wstring>>{{L"192.168.1.201", L"4370"}}));
  EXPECT_TRUE(dialogs_.Seen().empty());
}

TEST_F(MainWindow, UsbModeDisablesTheAddressAndConnectsByUsb) {
  HWND address = form_->edtIP->Handle();
  EXPECT_TRUE(IsWindowEnabled(address));
  Click(form_->rbtnUSB);
  EXPECT_FALSE(IsWindowEnabled(address));
  EXPECT_FALSE(form_->rbtnIP->Checked());
  EXPECT_EQ(SendMessageA(form_->rbtnIP->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  Type(form_->edtIP, ""); // not looked at in USB mode
  Connect();
  EXPECT_EQ(Log(), std::string("Connected \r\n") + kIdentityLines);
  EXPECT_EQ(ArgumentsOf(Operation::OpenUsbLink), (std::vector<std::vector<std::wstring>>{{L"1"}}));
  EXPECT_TRUE(ArgumentsOf(Operation::OpenNetworkLink).empty());

  Click(form_->rbtnIP);
  EXPECT_TRUE(IsWindowEnabled(address));
  EXPECT_FALSE(form_->rbtnUSB->Checked());
  EXPECT_TRUE(form_->rbtnSet->Checked()) << "the other radio group is not touched";
}

TEST_F(MainWindow, FailedConnectClearsTheLogAndStaysNotConnected) {
  struct Case {
    bool usb;
    const char* dialog;
  };
  for (const Case& c : {Case{false, "Unable to connect to 192.168.1.201"}, Case{true, "Unable to connect to QM510"}}) {
    SCOPED_TRACE(c.dialog);
    Terminal().settings.refuseNetwork = Terminal().settings.refuseUsb = true;
    Click(c.usb ? form_->rbtnUSB : form_->rbtnIP);
    Type(form_->Memo1, "old line\r\n");
    size_t before = dialogs_.Seen().size();
    Click(form_->btnUpdate);
    ASSERT_EQ(dialogs_.Seen().size(), before + 1);
    EXPECT_EQ(dialogs_.Seen().back().windowClass, "TMessageForm");
    EXPECT_EQ(dialogs_.Seen().back().caption, "Error");
    EXPECT_EQ(dialogs_.Seen().back().text, c.dialog);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(Caption(), "Connect");
    EXPECT_EQ(form_->btnUpdate->Tag(), 0);
  }
}

TEST_F(MainWindow, BlankAddressIsRefusedEvenWhileConnected) {
  Type(form_->edtIP, "");
  Click(form_->btnUpdate);
  EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>{"IP cannot be blank! "});
  EXPECT_TRUE(Terminal().Calls().empty());

  Type(form_->edtIP, "192.168.1.201");
  Connect();
  std::string log = Log();
  Type(form_->edtIP, "");
  for (TRadioButton* mode : {form_->rbtnSet, form_->rbtnGet}) {
    Click(mode);
    Click(form_->btnUpdate);
  }
  EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>(3, "IP cannot be blank! "));
  EXPECT_TRUE(ArgumentsOf(Operation::ReadOption).empty());
  EXPECT_TRUE(ArgumentsOf(Operation::WriteOption).empty());
  EXPECT_EQ(Log(), log);
}

TEST_F(MainWindow, AddressOfBlanksIsSentUnchanged) {
  Terminal().settings.networkAddress = L"  ";
  Type(form_->edtIP, "  ");
  Connect();
  EXPECT_EQ(ArgumentsOf(Operation::OpenNetworkLink), (std::vector<std::vector<std::wstring>>{{L"  ", L"4370"}}));
  EXPECT_EQ(Log().substr(0, 17), "Connected to   \r\n");
}

TEST_F(MainWindow, SetSendsTheNameTrimmedAndTheValueAsTyped) {
  Connect();
  struct Case {
    std::string name, value;
    std::wstring sentName, sentValue;
    std::string logLine;
  };
  const Case cases[] = {
      {"Volume", "80", L"Volume", L"80", "Update Volume = 80"},
      {"Volume", "", L"Volume", L" ", "Update Volume = "},
      {" \tVolume  ", " 81 ", L"Volume", L" 81 ", "Update  \tVolume   =  81 "},
      {"DeviceName", "caf\xE9", L"DeviceName", Wide("caf\xE9"), "Update DeviceName = caf\xE9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.logLine);
    Type(form_->edtCfg, c.name);
    Type(form_->edtValue, c.value);
    std::string before = Log();
    Click(form_->btnUpdate);
    ASSERT_FALSE(ArgumentsOf(Operation::WriteOption).empty());
    EXPECT_EQ(ArgumentsOf(Operation::WriteOption).back(), (std::vector<std::wstring>{L"1", c.sentName, c.sentValue}));
    EXPECT_EQ(Log(), before + c.logLine + "\r\n");
    EXPECT_EQ(Caption(), "Update");
  }
  EXPECT_EQ(Terminal().settings.options[L"Volume"], L" 81 ");
  EXPECT_TRUE(dialogs_.Seen().empty());
}

TEST_F(MainWindow, GetTrimsIntoTheValueFieldButLogsAsReturned) {
  Terminal().settings.options[L"Volume"] = L"  67 ";
  Connect();
  Click(form_->rbtnGet);
  TypeKeys(form_->edtCfg, "  Volume ");
  std::string before = Log();
  Click(form_->btnUpdate);
  EXPECT_EQ(ArgumentsOf(Operation::ReadOption).back(), (std::vector<std::wstring>{L"1", L"Volume", L""}));
  EXPECT_EQ(TextOf(form_->edtValue->Handle()), "67");
  EXPECT_EQ(Log(), before + "  Volume :   67 \r\n");
  EXPECT_TRUE(ArgumentsOf(Operation::WriteOption).empty());
}

TEST_F(MainWindow, FailedQueriesAreSkippedSilently) {
  Terminal().settings.falseAnswers = {Operation::ReadPlatformName, Operation::ReadSerialNumber, Operation::ReadOption,
                                      Operation::WriteOption};
  Connect();
  EXPECT_EQ(Log(), "Connected to 192.168.1.201\r\n"
                   "Firmware Version: FW 1.2\r\n"
                   "Product Name: QM510\r\n"
                   "Manufacturer: Vantorix\r\n"
                   "SDK Version: 6.3.1\r\n");
  std::string log = Log();
  Type(form_->edtCfg, "Volume");
  Click(form_->btnUpdate); // Set answers false
  Click(form_->rbtnGet);
  Click(form_->btnUpdate); // Get answers false
  EXPECT_EQ(Log(), log);
  EXPECT_EQ(TextOf(form_->edtValue->Handle()), "0");
  EXPECT_EQ(ArgumentsOf(Operation::ReadOption).size(), 1u);
  EXPECT_EQ(ArgumentsOf(Operation::WriteOption).size(), 1u);
  EXPECT_TRUE(dialogs_.Seen().empty());
}

TEST_F(MainWindow, RestartLogsTwoLinesInEitherState) {
  ClickRestart();
  EXPECT_EQ(Log(), "Terminal is restarting...\r\n***** Completed *****\r\n");
  EXPECT_EQ(Caption(), "Connect");
  EXPECT_EQ(ArgumentsOf(Operation::RestartTerminal), (std::vector<std::vector<std::wstring>>{{L"1"}}));

  Connect();
  ClickRestart();
  EXPECT_EQ(Caption(), "Connect");
  EXPECT_EQ(form_->btnUpdate->Tag(), 0);
  EXPECT_EQ(Log(), std::string("Connected to 192.168.1.201\r\n") + kIdentityLines +
                       "Terminal is restarting...\r\n***** Completed *****\r\n");

  // A press just outside the link does nothing.
  RECT r = form_->lblRestart->BoundsRect();
  ClickAt(form_->Handle(), r.right + 2, r.top + 4);
  Pump();
  EXPECT_EQ(ArgumentsOf(Operation::RestartTerminal).size(), 2u);
  EXPECT_TRUE(dialogs_.Seen().empty());
}

TEST_F(MainWindow, KitFailureReachesTheDefaultErrorDisplayAndKeepsTheState) {
  const HRESULT failure = E_ACCESSDENIED;
  const std::string shown = OleErrorMessage(failure) + ".";
  Connect();
  std::string log = Log();
  Terminal().settings.failures[Operation::ReadOption] = failure;
  Click(form_->rbtnGet);
  Type(form_->edtCfg, "Volume");
  Click(form_->btnUpdate);
  ASSERT_EQ(dialogs_.Seen().size(), 1u);
  EXPECT_EQ(dialogs_.Seen()[0].windowClass, "#32770");
  EXPECT_EQ(dialogs_.Seen()[0].caption, "Vantorix Config Update") << "the title the program's start-up set";
  EXPECT_EQ(dialogs_.Seen()[0].text, shown);
  EXPECT_EQ(Log(), log);
  EXPECT_EQ(Caption(), "Update");
  EXPECT_EQ(TextOf(form_->edtValue->Handle()), "0");

  // A failing open: the log was already cleared; the window stays not connected.
  ClickRestart();
  Terminal().settings.failures[Operation::OpenNetworkLink] = failure;
  Click(form_->btnUpdate);
  ASSERT_EQ(dialogs_.Seen().size(), 2u);
  EXPECT_EQ(dialogs_.Seen()[1].text, shown);
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(Caption(), "Connect");
  // The window still works afterwards.
  Terminal().settings.failures.clear();
  Connect();
}

// The mode buttons only matter at the next connect: USB chosen while connected by IP, the
// next clicks read and write over the link there is, and the log goes on.
TEST_F(MainWindow, UsbChosenWhileConnectedUsesTheOpenLinkAndKeepsTheLog) {
  Connect();
  Click(form_->rbtnUSB);
  EXPECT_FALSE(IsWindowEnabled(form_->edtIP->Handle()));
  Type(form_->edtIP, ""); // not looked at in USB mode
  const std::string log = Log();
  Type(form_->edtCfg, "Volume");
  Type(form_->edtValue, "70");
  Click(form_->btnUpdate);
  Click(form_->rbtnGet);
  Click(form_->btnUpdate);
  EXPECT_EQ(Log(), log + "Update Volume = 70\r\nVolume: 70\r\n");
  EXPECT_EQ(ArgumentsOf(Operation::WriteOption), (std::vector<std::vector<std::wstring>>{{L"1", L"Volume", L"70"}}));
  EXPECT_EQ(ArgumentsOf(Operation::ReadOption), (std::vector<std::vector<std::wstring>>{{L"1", L"Volume", L""}}));
  EXPECT_TRUE(ArgumentsOf(Operation::OpenUsbLink).empty()) << "no new link";
  EXPECT_EQ(ArgumentsOf(Operation::OpenNetworkLink).size(), 1u);
  EXPECT_EQ(Caption(), "Update");
  EXPECT_EQ(form_->btnUpdate->Tag(), 1);
  EXPECT_TRUE(dialogs_.Seen().empty());
}

// A kit error inside the identity reads ends the connect handler there: the window is already
// connected, the lines logged so far stay, the reads after it are not made, and the default
// error display shows the error under the application's title.
TEST_F(MainWindow, KitFailureInTheIdentityReadsLeavesTheWindowConnected) {
  const std::string lines[] = {"Firmware Version: FW 1.2\r\n", "Platform: PLAT-9\r\n", "Product Name: QM510\r\n",
                               "Manufacturer: Vantorix\r\n", "Serial Numner: SN-77\r\n", "SDK Version: 6.3.1\r\n"};
  const Operation reads[] = {Operation::ReadFirmwareVersion, Operation::ReadPlatformName, Operation::ReadProductName,
                             Operation::ReadManufacturer, Operation::ReadSerialNumber, Operation::ReadSdkVersion};
  const HRESULT failure = E_FAIL;
  for (size_t failing = 0; failing < std::size(reads); ++failing) {
    SCOPED_TRACE(kitsim::NameOf(reads[failing]));
    ClickRestart(); // back to not connected
    Terminal().settings.failures = {{reads[failing], failure}};
    const size_t dialogsBefore = dialogs_.Seen().size();
    const size_t callsBefore = Terminal().Calls().size();
    Click(form_->btnUpdate);
    std::string expected = "Connected to 192.168.1.201\r\n";
    for (size_t i = 0; i < failing; ++i) expected += lines[i];
    EXPECT_EQ(Log(), expected);
    EXPECT_EQ(form_->btnUpdate->Tag(), 1);
    EXPECT_EQ(Caption(), "Update");
    ASSERT_EQ(dialogs_.Seen().size(), dialogsBefore + 1);
    EXPECT_EQ(dialogs_.Seen().back().windowClass, "#32770");
    EXPECT_EQ(dialogs_.Seen().back().caption, "Vantorix Config Update");
    EXPECT_EQ(dialogs_.Seen().back().text, OleErrorMessage(failure) + ".");
    // The link, the reads up to the failing one (which reached the kit), none after it.
    std::vector<Operation> made, expectedCalls = {Operation::OpenNetworkLink};
    for (size_t i = callsBefore; i < Terminal().Calls().size(); ++i) made.push_back(Terminal().Calls()[i].operation);
    expectedCalls.insert(expectedCalls.end(), reads, reads + failing + 1);
    EXPECT_EQ(made, expectedCalls);
  }
}

// A class object whose every creation fails as an unregistered class does.
class UnregisteredClass : public IClassFactory {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** out) override {
    *out = nullptr;
    return REGDB_E_CLASSNOTREG;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

TEST(MainWindowStart, KitClassNotRegisteredShowsTheSdkErrorAndEnds) {
  static UnregisteredClass factory;
  const CLSID clsid = {0x00853A19, 0xBD51, 0x419B, {0x92, 0x69, 0x2D, 0xAB, 0xE5, 0x7E, 0xB6, 0x1F}};
  DWORD cookie = 0;
  ASSERT_EQ(CoRegisterClassObject(clsid, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie), S_OK);
  test::ApplicationScope application;
  DialogWatcher dialogs;
  test::ModalDeadline deadline;
  TfrmMain* form = Application->CreateForm<TfrmMain>();
  CoRevokeClassObject(cookie);
  ASSERT_EQ(dialogs.Seen().size(), 1u);
  EXPECT_EQ(dialogs.Seen()[0].windowClass, "TMessageForm");
  EXPECT_EQ(dialogs.Seen()[0].text,
            "SDK Error : -" + OleErrorMessage(REGDB_E_CLASSNOTREG) + "\r\nApplication will be terminated.");
  EXPECT_TRUE(Application->Terminated());
  Application->Run(); // returns at once, without showing the window
  EXPECT_FALSE(form->HandleAllocated() && IsWindowVisible(form->Handle()));
}

// ---- the window as laid out

TEST_F(MainWindow, WindowFrameAndClientArea) {
  HWND window = form_->Handle();
  EXPECT_EQ(test::ClassOf(window), "TfrmMain");
  EXPECT_EQ(TextOf(window), "Vantorix Config Update");
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 388);
  EXPECT_EQ(client.bottom, 346);
  // The skin draws the caption buttons: the skinner records the window's own ones and takes
  // the boxes off the style.
  TWinSkinForm* skinned = TSkinManage::Instance()->FindSkinForm(window);
  ASSERT_NE(skinned, nullptr);
  EXPECT_EQ(skinned->NativeButtons() & ~kNbKeepSystemMenu, kNbSystemMenu | kNbMinimizeBox);
  LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  // Centred as shown, before the skin changed the frame around the client without moving it.
  RECT frame;
  GetWindowRect(window, &frame);
  const SIZE native = skinned->UnskinnedExtra();
  EXPECT_NEAR(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (client.right + native.cx)) / 2, 1);
  EXPECT_NEAR(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (client.bottom + native.cy)) / 2, 1);
}

TEST_F(MainWindow, ControlsSitWhereTheLayoutPutsThem) {
  struct Expected {
    TControl* control;
    const char* windowClass; // null: a label, painted by its parent
    TWinControl* parent;
    RECT bounds;
    const char* text;
  };
  TfrmMain& f = *form_;
  const Expected table[] = {
      {f.lblCon, nullptr, &f, {8, 12, 29, 25}, "IP :"},
      {f.edtIP, "TEdit", &f, {40, 8, 137, 29}, "192.168.1.201"},
      {f.rbtnIP, "TRadioButton", &f, {144, 8, 185, 25}, "IP"},
      {f.rbtnUSB, "TRadioButton", &f, {184, 8, 241, 25}, "USB"},
      {f.lblRestart, nullptr, &f, {247, 12, 289, 25}, "Restart"},
      {f.btnUpdate, "TButton", &f, {296, 4, 385, 41}, "Connect"},
      {f.GroupBox1, "TGroupBox", &f, {8, 40, 377, 89}, ""},
      {f.Label2, nullptr, f.GroupBox1, {8, 20, 41, 33}, "CFG :"},
      {f.edtCfg, "TEdit", f.GroupBox1, {48, 16, 153, 37}, ""},
      {f.edtValue, "TEdit", f.GroupBox1, {160, 16, 241, 37}, "0"},
      {f.rbtnSet, "TRadioButton", f.GroupBox1, {248, 16, 289, 33}, "Set"},
      {f.rbtnGet, "TRadioButton", f.GroupBox1, {296, 16, 337, 33}, "Get"},
      {f.Memo1, "TMemo", &f, {0, 96, 388, 346}, ""},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.control->Name());
    EXPECT_EQ(e.control->Parent(), e.parent);
    EXPECT_EQ(e.control->Caption(), e.text);
    RECT r = e.control->BoundsRect();
    if (e.windowClass) {
      HWND window = static_cast<TWinControl*>(e.control)->Handle();
      EXPECT_EQ(test::ClassOf(window), e.windowClass);
      EXPECT_EQ(GetParent(window), e.parent->Handle());
      r = test::RectInParent(window);
    }
    EXPECT_EQ(r.left, e.bounds.left);
    EXPECT_EQ(r.top, e.bounds.top);
    EXPECT_EQ(r.right, e.bounds.right);
    EXPECT_EQ(r.bottom, e.bounds.bottom);
  }
  EXPECT_EQ(f.Memo1->Align(), alBottom);
  LONG_PTR memoStyle = GetWindowLongPtrA(f.Memo1->Handle(), GWL_STYLE);
  EXPECT_TRUE(memoStyle & WS_VSCROLL);
  EXPECT_FALSE(memoStyle & WS_HSCROLL);
  EXPECT_FALSE(memoStyle & ES_READONLY);
  EXPECT_TRUE(f.rbtnIP->Checked());
  EXPECT_TRUE(f.rbtnSet->Checked());
  EXPECT_EQ(f.btnUpdate->Tag(), 0);
}

TEST_F(MainWindow, FontsTabOrderAndCursor) {
  TfrmMain& f = *form_;
  for (TControl* bold : std::vector<TControl*>{f.lblCon, f.lblRestart, f.Label2})
    EXPECT_TRUE(bold->Font()->Style() & fsBold) << bold->Name();
  for (TControl* blue : std::vector<TControl*>{f.edtIP, f.lblRestart, f.edtCfg, f.edtValue, f.Memo1})
    EXPECT_EQ(blue->Font()->Color(), clBlue) << blue->Name();
  for (TControl* normal : std::vector<TControl*>{f.btnUpdate, f.rbtnIP, f.rbtnGet, f.GroupBox1}) {
    EXPECT_EQ(normal->Font()->Style(), 0u) << normal->Name();
    EXPECT_EQ(normal->Font()->Color(), clWindowText) << normal->Name();
  }
  for (TControl* c : std::vector<TControl*>{&f, f.lblCon, f.btnUpdate, f.Memo1, f.Label2}) {
    EXPECT_EQ(c->Font()->Name(), "MS Sans Serif") << c->Name();
    EXPECT_EQ(c->Font()->Height(), -11) << c->Name();
  }

  std::vector<TWinControl*> order;
  f.GetTabOrderList(order);
  std::vector<std::string> names;
  for (TWinControl* c : order) names.push_back(c->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"edtIP", "btnUpdate", "Memo1", "GroupBox1", "edtCfg", "edtValue", "rbtnGet",
                                             "rbtnSet", "rbtnIP", "rbtnUSB"}));
  EXPECT_TRUE(f.rbtnIP->TabStop());
  EXPECT_FALSE(f.rbtnUSB->TabStop());
  EXPECT_TRUE(f.rbtnSet->TabStop());
  EXPECT_FALSE(f.rbtnGet->TabStop());

  // The pointer over the restart link is the hand.
  RECT r = f.lblRestart->BoundsRect();
  POINT p{r.left + 5, r.top + 5};
  ClientToScreen(f.Handle(), &p);
  SetCursorPos(p.x, p.y);
  SendMessageA(f.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
}

// Pixels read back from the screen: the labels are painted by their parents in their colours.
// Which pixels a glyph covers depends on the fonts at hand; whether the ink is clearly blue,
// or clearly dark on the button face, does not.
TEST_F(MainWindow, LabelsArePaintedInTheirColours) {
  TfrmMain& f = *form_;
  UpdateWindow(f.Handle());
  UpdateWindow(f.GroupBox1->Handle());
  const Pixel face = test::PixelOf(ColorToRGB(f.Color()));
  auto blue = [](Pixel p) { return test::ClearlyOf(test::Hue::Blue, p); };
  auto dark = [face](Pixel p) { return test::ClearlyDarkerThan(face, p); };
  const Bitmap restart = test::ReadClientPixels(f.Handle(), f.lblRestart->BoundsRect());
  const Bitmap ip = test::ReadClientPixels(f.Handle(), f.lblCon->BoundsRect());
  const Bitmap cfg = test::ReadClientPixels(f.GroupBox1->Handle(), f.Label2->BoundsRect());
  EXPECT_GE(test::CountPixels(restart, blue), 10);
  EXPECT_GE(test::CountPixels(ip, dark), 10);
  EXPECT_EQ(test::CountPixels(ip, blue), 0);
  EXPECT_GE(test::CountPixels(cfg, dark), 10);
  EXPECT_EQ(test::CountPixels(cfg, blue), 0);
  const Bitmap corner = test::ReadClientPixels(f.Handle(), RECT{0, 0, 6, 6});
  EXPECT_EQ(test::CountPixels(corner, [face](Pixel p) { return p == face; }), 36);
}

} // namespace
} // namespace vcu

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
