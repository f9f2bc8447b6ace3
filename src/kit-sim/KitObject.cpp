#include "kit-sim/KitObject.h"

namespace vcu::kitsim {
namespace {

std::wstring TextOf(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : L""; }
std::wstring NumberText(LONG number) { return std::to_wstring(number); }

} // namespace

// Counts the requests for IZKEM, so tests can see when a client takes it.
HRESULT KitObject::QueryInterface(REFIID iid, void** object) {
  if (IsEqualIID(iid, IID_IZKEM)) terminal_->CountIZKEMQuery();
  return Offer(iid, object, {&IID_IUnknown, &IID_IDispatch, &IID_IZKEM});
}

HRESULT KitObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT KitObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT KitObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT KitObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

// Record, then steering, then the simulation.
HRESULT KitObject::Answer(Operation operation, std::vector<std::wstring> arguments,
                          VARIANT_BOOL* result, const std::function<bool()>& simulate) {
  if (!result) return E_POINTER;
  terminal_->Record({operation, std::move(arguments)});
  if (const HRESULT failure = terminal_->SteeredFailure(operation); FAILED(failure))
    return failure;
  const bool answered = !terminal_->AnswersFalse(operation) && simulate();
  *result = answered ? terminal_->settings.trueValue : VARIANT_FALSE;
  return S_OK;
}

// The text argument is recorded as it arrived. An in/out text belongs to the caller until we
// replace it, so the old one is freed; an out text is ours to fill and never read back.
HRESULT KitObject::AnswerText(Operation operation, std::vector<std::wstring> arguments,
                              BSTR* text, TextPassing passing, VARIANT_BOOL* result,
                              const TextAnswer& simulate) {
  if (!text) return E_POINTER;
  arguments.push_back(TextOf(*text));
  return Answer(operation, std::move(arguments), result, [&] {
    const std::optional<std::wstring> answer = simulate();
    if (!answer) return false;
    BSTR fresh = SysAllocStringLen(answer->data(), static_cast<UINT>(answer->size()));
    if (passing == TextPassing::InOut) SysFreeString(*text);
    *text = fresh;
    return true;
  });
}

HRESULT KitObject::OpenNetworkLink(BSTR address, LONG port, VARIANT_BOOL* result) {
  return Answer(Operation::OpenNetworkLink, {TextOf(address), NumberText(port)}, result,
                [&] { return terminal_->OpenNetworkLink(TextOf(address), port); });
}

HRESULT KitObject::OpenUsbLink(LONG machineNumber, VARIANT_BOOL* result) {
  return Answer(Operation::OpenUsbLink, {NumberText(machineNumber)}, result,
                [&] { return terminal_->OpenUsbLink(machineNumber); });
}

HRESULT KitObject::AnswerIdentity(Operation operation, std::optional<LONG> machineNumber,
                                  BSTR* text, TextPassing passing, VARIANT_BOOL* result) {
  std::vector<std::wstring> arguments;
  if (machineNumber) arguments.push_back(NumberText(*machineNumber));
  return AnswerText(operation, std::move(arguments), text, passing, result,
                    [&] { return terminal_->ReadIdentity(operation, machineNumber); });
}

HRESULT KitObject::ReadFirmwareVersion(LONG machineNumber, BSTR* version, VARIANT_BOOL* result) {
  return AnswerIdentity(Operation::ReadFirmwareVersion, machineNumber, version,
                        TextPassing::InOut, result);
}

HRESULT KitObject::ReadProductName(LONG machineNumber, BSTR* productName, VARIANT_BOOL* result) {
  return AnswerIdentity(Operation::ReadProductName, machineNumber, productName, TextPassing::Out,
                        result);
}

HRESULT KitObject::ReadSerialNumber(LONG machineNumber, BSTR* serialNumber, VARIANT_BOOL* result) {
  return AnswerIdentity(Operation::ReadSerialNumber, machineNumber, serialNumber,
                        TextPassing::Out, result);
}

HRESULT KitObject::ReadSdkVersion(BSTR* version, VARIANT_BOOL* result) {
  return AnswerIdentity(Operation::ReadSdkVersion, std::nullopt, version, TextPassing::InOut,
                        result);
}

HRESULT KitObject::ReadManufacturer(BSTR* manufacturer, VARIANT_BOOL* result) {
  return AnswerIdentity(Operation::ReadManufacturer, std::nullopt, manufacturer,
                        TextPassing::InOut, result);
}

HRESULT KitObject::ReadPlatformName(LONG machineNumber, BSTR* platform, VARIANT_BOOL* result) {
  return AnswerIdentity(Operation::ReadPlatformName, machineNumber, platform, TextPassing::InOut,
                        result);
}

HRESULT KitObject::ReadOption(LONG machineNumber, BSTR name, BSTR* value, VARIANT_BOOL* result) {
  return AnswerText(Operation::ReadOption, {NumberText(machineNumber), TextOf(name)}, value,
                    TextPassing::Out, result,
                    [&] { return terminal_->ReadOption(machineNumber, TextOf(name)); });
}

HRESULT KitObject::WriteOption(LONG machineNumber, BSTR name, BSTR value, VARIANT_BOOL* result) {
  return Answer(Operation::WriteOption, {NumberText(machineNumber), TextOf(name), TextOf(value)},
                result,
                [&] { return terminal_->WriteOption(machineNumber, TextOf(name), TextOf(value)); });
}

HRESULT KitObject::RestartTerminal(LONG machineNumber, VARIANT_BOOL* result) {
  return Answer(Operation::RestartTerminal, {NumberText(machineNumber)}, result,
                [&] { return terminal_->RestartTerminal(machineNumber); });
}

} // namespace vcu::kitsim
