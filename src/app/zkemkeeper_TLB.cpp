#include "app/zkemkeeper_TLB.h"

#include "kit-interface/IZKEM.h"
#include "app/OleCheck.h"
#include "app/OleText.h"

namespace vcu {
namespace {

// `result` by reference: it is read only after the call that fills it has run.
bool Answer(HRESULT hr, const VARIANT_BOOL& result) {
  OleCheck(hr);
  return result != VARIANT_FALSE; // the kit may answer any non-zero value for true
}

enum class TextPassing { Out, InOut };

// Calls `call(BSTR*, VARIANT_BOOL*)` with `text` as a COM text and reads the answer back into
// it. An out text goes in empty; an in/out text goes in as the caller holds it.
template <class Call>
bool CallWithText(std::string& text, TextPassing passing, Call call) {
  if (passing == TextPassing::Out) text.clear();
  OleText held(text);
  VARIANT_BOOL result = VARIANT_FALSE;
  const bool answered = Answer(call(held.Address(), &result), result);
  text = held.ToAnsi();
  return answered;
}

} // namespace

// The kit's control is an in-process server. Asking for a local server as well would make a
// missing kit cost a round trip to the COM service for nothing.
TCZKEM::TCZKEM() {
  OleCheck(CoCreateInstance(CLSID_CZKEM, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                            reinterpret_cast<void**>(&control_)));
}

TCZKEM::~TCZKEM() {
  if (intf_) intf_->Release();
  if (control_) control_->Release();
}

IZKEM& TCZKEM::Intf() {
  if (!intf_) OleCheck(control_->QueryInterface(IID_IZKEM, reinterpret_cast<void**>(&intf_)));
  return *intf_;
}

bool TCZKEM::OpenNetworkLink(const std::string& address, int port) {
  OleText text(address);
  VARIANT_BOOL result = VARIANT_FALSE;
  return Answer(Intf().OpenNetworkLink(text.Get(), port, &result), result);
}

bool TCZKEM::OpenUsbLink(int machineNumber) {
  VARIANT_BOOL result = VARIANT_FALSE;
  return Answer(Intf().OpenUsbLink(machineNumber, &result), result);
}

bool TCZKEM::ReadFirmwareVersion(int machineNumber, std::string& version) {
  return CallWithText(version, TextPassing::InOut, [&](BSTR* text, VARIANT_BOOL* result) {
    return Intf().ReadFirmwareVersion(machineNumber, text, result);
  });
}

bool TCZKEM::ReadProductName(int machineNumber, std::string& name) {
  return CallWithText(name, TextPassing::Out, [&](BSTR* text, VARIANT_BOOL* result) {
    return Intf().ReadProductName(machineNumber, text, result);
  });
}

bool TCZKEM::ReadSerialNumber(int machineNumber, std::string& serial) {
  return CallWithText(serial, TextPassing::Out, [&](BSTR* text, VARIANT_BOOL* result) {
    return Intf().ReadSerialNumber(machineNumber, text, result);
  });
}

bool TCZKEM::ReadSdkVersion(std::string& version) {
  return CallWithText(version, TextPassing::InOut, [&](BSTR* text, VARIANT_BOOL* result) {
    return Intf().ReadSdkVersion(text, result);
  });
}

bool TCZKEM::ReadManufacturer(std::string& manufacturer) {
  return CallWithText(manufacturer, TextPassing::InOut, [&](BSTR* text, VARIANT_BOOL* result) {
    return Intf().ReadManufacturer(text, result);
  });
}

bool TCZKEM::ReadPlatformName(int machineNumber, std::string& platform) {
  return CallWithText(platform, TextPassing::InOut, [&](BSTR* text, VARIANT_BOOL* result) {
    return Intf().ReadPlatformName(machineNumber, text, result);
  });
}

bool TCZKEM::ReadOption(int machineNumber, const std::string& name, std::string& value) {
  OleText optionName(name);
  return CallWithText(value, TextPassing::Out, [&](BSTR* text, VARIANT_BOOL* result) {
    return Intf().ReadOption(machineNumber, optionName.Get(), text, result);
  });
}

bool TCZKEM::WriteOption(int machineNumber, const std::string& name, const std::string& value) {
  OleText optionName(name), optionValue(value);
  VARIANT_BOOL result = VARIANT_FALSE;
  return Answer(Intf().WriteOption(machineNumber, optionName.Get(), optionValue.Get(), &result),
                result);
}

bool TCZKEM::RestartTerminal(int machineNumber) {
  VARIANT_BOOL result = VARIANT_FALSE;
  return Answer(Intf().RestartTerminal(machineNumber, &result), result);
}

} // namespace vcu
