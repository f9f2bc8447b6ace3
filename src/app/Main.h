#pragma once
// The program's one window: connect to a terminal by IP or USB, list its identity in the log
// pane, read or write one named option, restart the terminal. The connection state is the
// Tag of btnUpdate: 0 not connected ("Connect"), 1 connected ("Update").
#include <string>

#include "app/zkemkeeper_TLB.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

namespace vcu {

class TfrmMain : public TForm {
public:
  explicit TfrmMain(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // Published controls, bound by name from the stored layout.
  TEdit* edtIP = nullptr;
  TLabel* lblCon = nullptr;
  TButton* btnUpdate = nullptr;
  TMemo* Memo1 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TEdit* edtCfg = nullptr;
  TLabel* Label2 = nullptr;
  TEdit* edtValue = nullptr;
  TRadioButton* rbtnGet = nullptr;
  TRadioButton* rbtnSet = nullptr;
  TRadioButton* rbtnIP = nullptr;
  TRadioButton* rbtnUSB = nullptr;
  TLabel* lblRestart = nullptr;

  void FormCreate(TObject* sender);
  void btnUpdateClick(TObject* sender);
  void lblRestartClick(TObject* sender);
  void rbtnIPClick(TObject* sender);

  // Appends one line to the log pane; all log output goes through it.
  void AddInfo(const std::string& line);
  void GetDeviceInfo();
  // The input check run before every button action.
  bool Validation();

  TNotifyEvent MethodAddress(const std::string& name) override;
  void Loaded() override;

private:
  void Connect();
  void SetConnected(bool connected);
  void ReadOption(const std::string& name);
  void WriteOption(const std::string& name);
  template <class T> void Bind(T*& field, const char* name);

  // Created once and never freed: the kit object lives until the process ends.
  TCZKEM* CZKEM1 = nullptr;
};

} // namespace vcu
