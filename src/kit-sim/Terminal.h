#pragma once
// The stand-in kit's simulated terminal, and the handle tests steer it by. The terminal lives
// in memory only: "connecting" compares the address with its own, no socket is ever opened.
//
// What it simulates:
// - a network link opens for exactly `settings.networkAddress` and `settings.networkPort`
//   (192.168.1.201:4370); a USB link opens for `settings.machineNumber` (1). Opening a link
//   replaces the previous one; a failed open leaves no link;
// - every operation except ReadSdkVersion (a fact of the kit, not of the terminal) needs an
//   open link and the terminal's machine number, otherwise it answers false;
// - options: ReadOption / WriteOption work on known names only (exact match);
// - RestartTerminal counts the restart and drops the link, as a rebooting terminal would.
//
// Steering comes first: a call of an operation listed in `failures` answers that HRESULT, one
// listed in `falseAnswers` answers false; both leave the simulated state untouched.
// Every call is recorded, with its arguments as the kit received them, before anything else.
#include <windows.h>
#include <oleauto.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vcu::kitsim {

enum class Operation {
  OpenNetworkLink, OpenUsbLink, ReadFirmwareVersion, ReadPlatformName, ReadProductName,
  ReadManufacturer, ReadSerialNumber, ReadSdkVersion, ReadOption, WriteOption, RestartTerminal
};

// "ReadOption" and so on; the same names select operations in the environment variables.
const wchar_t* NameOf(Operation operation);
std::optional<Operation> OperationNamed(const std::wstring& name);

struct Identity {
  std::wstring firmwareVersion = L"Ver 6.60 Mar 14 2025";
  std::wstring platformName = L"VX-A7_TFT";
  std::wstring productName = L"QM510";
  std::wstring manufacturer = L"Vantorix";
  std::wstring serialNumber = L"VTX5102400187";
  std::wstring sdkVersion = L"6.3.1.40";
};

// A realistic set of terminal options, names as the terminal knows them.
std::map<std::wstring, std::wstring> DefaultOptions();

struct Settings {
  std::wstring networkAddress = L"192.168.1.201";
  LONG networkPort = 4370;
  LONG machineNumber = 1;
  bool refuseUsb = false;
  bool refuseNetwork = false;
  std::map<Operation, HRESULT> failures; // operation -> the failing HRESULT it answers
  std::set<Operation> falseAnswers;      // operations that answer false
  VARIANT_BOOL trueValue = VARIANT_TRUE; // how "true" is encoded (any non-zero value is true)
  Identity identity;
  std::map<std::wstring, std::wstring> options = DefaultOptions();
  std::wstring callLogFile; // when set, every call is also appended to this file (UTF-8)
};

// One call as received: the machine number and port as decimal text, a text argument as its
// characters (a null BSTR as empty), an out or in/out text as it arrived.
struct Call {
  Operation operation;
  std::vector<std::wstring> arguments;
};

enum class Link { None, Network, Usb };

class Terminal {
public:
  Terminal() = default;
  explicit Terminal(Settings initial) : settings(std::move(initial)) {}

  Settings settings; // steer freely between calls

  const std::vector<Call>& Calls() const { return calls_; }
  std::vector<Call> CallsOf(Operation operation) const;
  int IZKEMQueries() const { return izkemQueries_; } // QueryInterface for IZKEM answered
  Link CurrentLink() const { return link_; }
  int Restarts() const { return restarts_; }

  // --- used by the kit object ---
  void Record(Call call);
  void CountIZKEMQuery() { ++izkemQueries_; }
  // The HRESULT a call answers before any simulation: a steered failure, else S_OK.
  HRESULT SteeredFailure(Operation operation) const;
  bool AnswersFalse(Operation operation) const;

  bool OpenNetworkLink(const std::wstring& address, LONG port);
  bool OpenUsbLink(LONG machineNumber);
  // The identity text an operation reads; nothing when the terminal cannot answer. The
  // operations that take no machine number pass none.
  std::optional<std::wstring> ReadIdentity(Operation operation,
                                           std::optional<LONG> machineNumber) const;
  std::optional<std::wstring> ReadOption(LONG machineNumber, const std::wstring& name) const;
  bool WriteOption(LONG machineNumber, const std::wstring& name, const std::wstring& value);
  bool RestartTerminal(LONG machineNumber);

private:
  bool Reachable(std::optional<LONG> machineNumber) const;
  void AppendToLogFile(const Call& call) const;

  std::vector<Call> calls_;
  int izkemQueries_ = 0;
  Link link_ = Link::None;
  int restarts_ = 0;
};

} // namespace vcu::kitsim
