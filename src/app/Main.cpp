#include "app/Main.h"

#include "core/text/AsciiText.h"
#include "framework/Dialogs.h"

namespace vcu {
namespace {

constexpr int kMachineNumber = 1;
constexpr int kNetworkPort = 4370;
constexpr std::int64_t kNotConnected = 0;
constexpr std::int64_t kConnected = 1;

} // namespace

const TClassInfo& TfrmMain::ClassInfo() {
  static const TClassInfo info("TfrmMain", &TForm::ClassInfo(), {});
  return info;
}

TfrmMain::TfrmMain(TComponent* owner) : TForm(owner) {}

TNotifyEvent TfrmMain::MethodAddress(const std::string& name) {
  using Handler = void (TfrmMain::*)(TObject*);
  static const std::pair<const char*, Handler> handlers[] = {
      {"FormCreate", &TfrmMain::FormCreate},
      {"btnUpdateClick", &TfrmMain::btnUpdateClick},
      {"lblRestartClick", &TfrmMain::lblRestartClick},
      {"rbtnIPClick", &TfrmMain::rbtnIPClick}};
  for (const auto& [handlerName, method] : handlers)
    if (name == handlerName) return [this, method](TObject* sender) { (this->*method)(sender); };
  return TForm::MethodAddress(name);
}

template <class T> void TfrmMain::Bind(T*& field, const char* name) {
  field = dynamic_cast<T*>(FindComponent(name));
  if (!field) throw Exception(std::string("The layout of TfrmMain lacks the ") + T::ClassInfo().Name() + " " + name);
}

void TfrmMain::Loaded() {
  TForm::Loaded();
  Bind(edtIP, "edtIP");
  Bind(lblCon, "lblCon");
  Bind(btnUpdate, "btnUpdate");
  Bind(Memo1, "Memo1");
  Bind(GroupBox1, "GroupBox1");
  Bind(edtCfg, "edtCfg");
  Bind(Label2, "Label2");
  Bind(edtValue, "edtValue");
  Bind(rbtnGet, "rbtnGet");
  Bind(rbtnSet, "rbtnSet");
  Bind(rbtnIP, "rbtnIP");
  Bind(rbtnUSB, "rbtnUSB");
  Bind(lblRestart, "lblRestart");
}

void TfrmMain::FormCreate(TObject*) {
  try {
    CZKEM1 = new TCZKEM();
  } catch (const std::exception& error) {
    MessageDlg(std::string("SDK Error : -") + error.what() + "\r\n" + "Application will be terminated.", mtError,
               {mbOK}, 0);
    Application->Terminate();
  }
}

void TfrmMain::AddInfo(const std::string& line) { Memo1->Lines()->Add(line); }

bool TfrmMain::Validation() {
  if (rbtnIP->Checked() && edtIP->Text().empty()) {
    MessageDlg("IP cannot be blank! ", mtError, {mbOK}, 0);
    return false;
  }
  return true;
}

void TfrmMain::btnUpdateClick(TObject*) {
  if (!Validation()) return;
  if (btnUpdate->Tag() == kNotConnected) {
    Connect();
    return;
  }
  if (btnUpdate->Tag() != kConnected) return;
  const std::string name = TrimControls(edtCfg->Text());
  if (rbtnSet->Checked()) WriteOption(name);
  else ReadOption(name);
}

void TfrmMain::Connect() {
  Memo1->Lines()->Clear();
  if (rbtnUSB->Checked()) {
    if (!CZKEM1->OpenUsbLink(kMachineNumber)) {
      MessageDlg("Unable to connect to QM510", mtError, {mbOK}, 0);
      return;
    }
    SetConnected(true);
    AddInfo("Connected ");
  } else {
    const std::string address = edtIP->Text();
    if (!CZKEM1->OpenNetworkLink(address, kNetworkPort)) {
      MessageDlg("Unable to connect to " + address, mtError, {mbOK}, 0);
      return;
    }
    SetConnected(true);
    AddInfo("Connected to " + address);
  }
  GetDeviceInfo();
}

void TfrmMain::SetConnected(bool connected) {
  btnUpdate->SetTag(connected ? kConnected : kNotConnected);
  btnUpdate->SetCaption(connected ? "Update" : "Connect");
}

// The value read goes into edtValue trimmed; the log shows it as the terminal gave it.
void TfrmMain::ReadOption(const std::string& name) {
  std::string value;
  if (!CZKEM1->ReadOption(kMachineNumber, name, value)) return;
  edtValue->SetCaption(TrimControls(value));
  AddInfo(edtCfg->Text() + ": " + value);
}

// An empty value is sent as one blank: the kit takes no empty option value.
void TfrmMain::WriteOption(const std::string& name) {
  const std::string typed = edtValue->Text();
  if (!CZKEM1->WriteOption(kMachineNumber, name, typed.empty() ? " " : typed)) return;
  AddInfo("Update " + edtCfg->Text() + " = " + edtValue->Text());
}

// All six queries run, in this order; each that fails is skipped without a word. Each gets a
// text of its own, so no query sees what the one before it read.
void TfrmMain::GetDeviceInfo() {
  using Query = bool (*)(TCZKEM&, std::string&);
  static const std::pair<const char*, Query> queries[] = {
      {"Firmware Version: ", [](TCZKEM& kit, std::string& t) { return kit.ReadFirmwareVersion(kMachineNumber, t); }},
      {"Platform: ", [](TCZKEM& kit, std::string& t) { return kit.ReadPlatformName(kMachineNumber, t); }},
      {"Product Name: ", [](TCZKEM& kit, std::string& t) { return kit.ReadProductName(kMachineNumber, t); }},
      {"Manufacturer: ", [](TCZKEM& kit, std::string& t) { return kit.ReadManufacturer(t); }},
      {"Serial Numner: ", [](TCZKEM& kit, std::string& t) { return kit.ReadSerialNumber(kMachineNumber, t); }},
      {"SDK Version: ", [](TCZKEM& kit, std::string& t) { return kit.ReadSdkVersion(t); }}};
  for (const auto& [label, query] : queries) {
    std::string text;
    if (query(*CZKEM1, text)) AddInfo(label + text);
  }
}

void TfrmMain::lblRestartClick(TObject*) {
  AddInfo("Terminal is restarting...");
  CZKEM1->RestartTerminal(kMachineNumber);
  AddInfo("***** Completed *****");
  SetConnected(false);
}

void TfrmMain::rbtnIPClick(TObject*) { edtIP->SetEnabled(rbtnIP->Checked()); }

} // namespace vcu
