#include "app/OleCheck.h"

#include <cstdio>

namespace vcu {
namespace {

// Windows' own texts for the COM failures that creating the kit's object or taking its
// interface can give. Wine's system message table lacks them, and "Class not registered" is
// what a technician must see when the kit is missing; used only when the system has no text.
struct KnownFailure {
  HRESULT hr;
  const char* text;
};

constexpr KnownFailure kComFailures[] = {
    {REGDB_E_CLASSNOTREG, "Class not registered"},
    {CO_E_NOTINITIALIZED, "CoInitialize has not been called"},
    {CLASS_E_CLASSNOTAVAILABLE, "ClassFactory cannot supply requested class"},
    {CLASS_E_NOAGGREGATION, "Class does not support aggregation (or class object is remote)"},
    {CO_E_DLLNOTFOUND, "DLL for class not found"},
    {CO_E_ERRORINDLL, "Error in the DLL"},
    {E_NOINTERFACE, "No such interface supported"},
    {E_POINTER, "Invalid pointer"},
};

std::string SystemMessage(HRESULT hr) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string message(buffer ? buffer : "", length);
  LocalFree(buffer);
  while (!message.empty() && (static_cast<unsigned char>(message.back()) <= ' ' || message.back() == '.'))
    message.pop_back();
  return message;
}

} // namespace

std::string OleErrorMessage(HRESULT hr) {
  if (std::string message = SystemMessage(hr); !message.empty()) return message;
  for (const auto& known : kComFailures)
    if (known.hr == hr) return known.text;
  char fallback[32];
  std::snprintf(fallback, sizeof fallback, "OLE error %08lX", static_cast<unsigned long>(hr));
  return fallback;
}

HRESULT OleCheck(HRESULT hr) {
  if (FAILED(hr)) throw EOleSysError(OleErrorMessage(hr), hr);
  return hr;
}

} // namespace vcu
