#include "kit-sim/Terminal.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "kit-sim/Utf8.h"

namespace vcu::kitsim {
namespace {

struct OperationName {
  Operation operation;
  const wchar_t* name;
};

constexpr OperationName kOperationNames[] = {
    {Operation::OpenNetworkLink, L"OpenNetworkLink"},
    {Operation::OpenUsbLink, L"OpenUsbLink"},
    {Operation::ReadFirmwareVersion, L"ReadFirmwareVersion"},
    {Operation::ReadPlatformName, L"ReadPlatformName"},
    {Operation::ReadProductName, L"ReadProductName"},
    {Operation::ReadManufacturer, L"ReadManufacturer"},
    {Operation::ReadSerialNumber, L"ReadSerialNumber"},
    {Operation::ReadSdkVersion, L"ReadSdkVersion"},
    {Operation::ReadOption, L"ReadOption"},
    {Operation::WriteOption, L"WriteOption"},
    {Operation::RestartTerminal, L"RestartTerminal"},
};

} // namespace

const wchar_t* NameOf(Operation operation) {
  for (const auto& entry : kOperationNames)
    if (entry.operation == operation) return entry.name;
  return L"?";
}

std::optional<Operation> OperationNamed(const std::wstring& name) {
  for (const auto& entry : kOperationNames)
    if (name == entry.name) return entry.operation;
  return std::nullopt;
}

std::map<std::wstring, std::wstring> DefaultOptions() {
  return {
      {L"DeviceName", L"QM510"},        {L"IPAddress", L"192.168.1.201"},
      {L"NetMask", L"255.255.255.0"},   {L"GATEIPAddress", L"192.168.1.1"},
      {L"UDPPort", L"4370"},            {L"Volume", L"67"},
      {L"Language", L"EN"},             {L"DateFormat", L"DD/MM/YYYY"},
      {L"IdleMinutes", L"0"},           {L"LockOnSeconds", L"10"},
      {L"VerifyStyle", L"FP/PW/RF"},    {L"UserCapacity", L"3000"},
  };
}

std::vector<Call> Terminal::CallsOf(Operation operation) const {
  std::vector<Call> found;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
               [operation](const Call& call) { return call.operation == operation; });
  return found;
}

void Terminal::Record(Call call) {
  if (!settings.callLogFile.empty()) AppendToLogFile(call);
  calls_.push_back(std::move(call));
}

// One line per call, arguments quoted so that blanks and empty texts stay visible:
// ReadOption 1 "Volume" ""
void Terminal::AppendToLogFile(const Call& call) const {
  std::wstring line = NameOf(call.operation);
  for (const auto& argument : call.arguments) line += L" \"" + argument + L"\"";
  FILE* file = _wfopen(settings.callLogFile.c_str(), L"ab");
  if (!file) return; // a log that cannot be written must not change what the kit answers
  std::fputs((Utf8(line) + "\n").c_str(), file);
  std::fclose(file);
}

HRESULT Terminal::SteeredFailure(Operation operation) const {
  const auto found = settings.failures.find(operation);
  return found == settings.failures.end() ? S_OK : found->second;
}

bool Terminal::AnswersFalse(Operation operation) const {
  return settings.falseAnswers.count(operation) != 0;
}

bool Terminal::OpenNetworkLink(const std::wstring& address, LONG port) {
  const bool answers =
      !settings.refuseNetwork && address == settings.networkAddress && port == settings.networkPort;
  link_ = answers ? Link::Network : Link::None;
  return answers;
}

bool Terminal::OpenUsbLink(LONG machineNumber) {
  const bool answers = !settings.refuseUsb && machineNumber == settings.machineNumber;
  link_ = answers ? Link::Usb : Link::None;
  return answers;
}

bool Terminal::Reachable(std::optional<LONG> machineNumber) const {
  return link_ != Link::None && (!machineNumber || *machineNumber == settings.machineNumber);
}

std::optional<std::wstring> Terminal::ReadIdentity(Operation operation,
                                                   std::optional<LONG> machineNumber) const {
  const Identity& id = settings.identity;
  if (operation == Operation::ReadSdkVersion) return id.sdkVersion;
  if (!Reachable(machineNumber)) return std::nullopt;
  switch (operation) {
  case Operation::ReadFirmwareVersion: return id.firmwareVersion;
  case Operation::ReadPlatformName: return id.platformName;
  case Operation::ReadProductName: return id.productName;
  case Operation::ReadManufacturer: return id.manufacturer;
  case Operation::ReadSerialNumber: return id.serialNumber;
  default: return std::nullopt;
  }
}

std::optional<std::wstring> Terminal::ReadOption(LONG machineNumber,
                                                 const std::wstring& name) const {
  const auto found = settings.options.find(name);
  if (!Reachable(machineNumber) || found == settings.options.end()) return std::nullopt;
  return found->second;
}

bool Terminal::WriteOption(LONG machineNumber, const std::wstring& name,
                           const std::wstring& value) {
  const auto found = settings.options.find(name);
  if (!Reachable(machineNumber) || found == settings.options.end()) return false;
  found->second = value;
  return true;
}

bool Terminal::RestartTerminal(LONG machineNumber) {
  if (!Reachable(machineNumber)) return false;
  ++restarts_;
  link_ = Link::None;
  return true;
}

} // namespace vcu::kitsim
