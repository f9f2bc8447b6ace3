#include "kit-sim/EnvironmentSettings.h"

#include <cwchar>
#include <stdexcept>
#include <vector>

#include "kit-sim/Utf8.h"

namespace vcu::kitsim {
namespace {

[[noreturn]] void Refuse(const wchar_t* variable, const std::wstring& item, const char* why) {
  throw std::invalid_argument(Utf8(variable) + ": \"" + Utf8(item) + "\" " + why);
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::wstring::npos; start = end + 1)
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

// The items of a comma-separated list of names, blanks around them ignored.
std::vector<std::wstring> Names(const std::wstring& list) {
  std::vector<std::wstring> names;
  for (const auto& part : Split(list, L',')) {
    const size_t first = part.find_first_not_of(L' ');
    if (first != std::wstring::npos) names.push_back(part.substr(first, part.find_last_not_of(L' ') + 1 - first));
  }
  return names;
}

Operation OperationOf(const wchar_t* variable, const std::wstring& name) {
  const std::optional<Operation> operation = OperationNamed(name);
  if (!operation) Refuse(variable, name, "is not an operation of the kit");
  return *operation;
}

// "0x80070005" or a decimal value; it must be a failing one.
HRESULT FailingHResult(const wchar_t* variable, const std::wstring& text) {
  wchar_t* end = nullptr;
  const long long value = std::wcstoll(text.c_str(), &end, 0);
  const HRESULT hr = static_cast<HRESULT>(static_cast<unsigned long>(value));
  if (text.empty() || *end != L'\0' || !FAILED(hr))
    Refuse(variable, text, "is not a failing HRESULT");
  return hr;
}

void ReadRefusals(const wchar_t* variable, const std::wstring& list, Settings& settings) {
  for (const auto& link : Names(list)) {
    if (link == L"usb")
      settings.refuseUsb = true;
    else if (link == L"network")
      settings.refuseNetwork = true;
    else
      Refuse(variable, link, "is not a link (usb, network)");
  }
}

void ReadFailures(const wchar_t* variable, const std::wstring& list, Settings& settings) {
  for (const auto& item : Names(list)) {
    const size_t colon = item.find(L':');
    const Operation operation = OperationOf(variable, item.substr(0, colon));
    settings.failures[operation] =
        colon == std::wstring::npos ? E_FAIL : FailingHResult(variable, item.substr(colon + 1));
  }
}

void ReadFalseAnswers(const wchar_t* variable, const std::wstring& list, Settings& settings) {
  for (const auto& name : Names(list)) settings.falseAnswers.insert(OperationOf(variable, name));
}

void ReadOptions(const wchar_t* variable, const std::wstring& list, Settings& settings) {
  settings.options.clear();
  for (const auto& entry : Split(list, L';')) {
    if (entry.empty()) continue;
    const size_t equals = entry.find(L'=');
    if (equals == std::wstring::npos || equals == 0) Refuse(variable, entry, "is not Name=Value");
    settings.options[entry.substr(0, equals)] = entry.substr(equals + 1);
  }
}

struct IdentityVariable {
  const wchar_t* name;
  std::wstring Identity::*text;
};

constexpr IdentityVariable kIdentityVariables[] = {
    {L"VCU_KIT_FIRMWARE_VERSION", &Identity::firmwareVersion},
    {L"VCU_KIT_PLATFORM_NAME", &Identity::platformName},
    {L"VCU_KIT_PRODUCT_NAME", &Identity::productName},
    {L"VCU_KIT_MANUFACTURER", &Identity::manufacturer},
    {L"VCU_KIT_SERIAL_NUMBER", &Identity::serialNumber},
    {L"VCU_KIT_SDK_VERSION", &Identity::sdkVersion},
};

struct ListVariable {
  const wchar_t* name;
  void (*read)(const wchar_t* variable, const std::wstring& value, Settings& settings);
};

constexpr ListVariable kListVariables[] = {
    {L"VCU_KIT_REFUSE", ReadRefusals},
    {L"VCU_KIT_FAIL", ReadFailures},
    {L"VCU_KIT_FALSE", ReadFalseAnswers},
    {L"VCU_KIT_OPTIONS", ReadOptions},
};

} // namespace

Settings SettingsFromEnvironment(const EnvironmentLookup& lookup) {
  Settings settings;
  if (auto address = lookup(L"VCU_KIT_ADDRESS")) settings.networkAddress = *address;
  if (auto file = lookup(L"VCU_KIT_CALL_LOG")) settings.callLogFile = *file;
  for (const auto& variable : kIdentityVariables)
    if (auto text = lookup(variable.name)) settings.identity.*variable.text = *text;
  for (const auto& variable : kListVariables)
    if (auto value = lookup(variable.name)) variable.read(variable.name, *value, settings);
  return settings;
}

Settings SettingsFromProcessEnvironment() {
  return SettingsFromEnvironment([](const wchar_t* name) -> std::optional<std::wstring> {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
  });
}

} // namespace vcu::kitsim
