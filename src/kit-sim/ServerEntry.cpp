// The stand-in kit's DLL entry points: class object for CLSID_CZKEM, and its registration as
// an in-process server (HKCR\CLSID\{...}\InprocServer32, apartment-threaded) for regsvr32.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "kit-interface/IZKEM.h"
#include "kit-sim/ClassFactory.h"
#include "kit-sim/EnvironmentSettings.h"
#include "kit-sim/ModuleLock.h"

namespace {

HINSTANCE module = nullptr;

std::wstring ClassKey() {
  wchar_t clsid[40];
  StringFromGUID2(vcu::CLSID_CZKEM, clsid, 40);
  return std::wstring(L"CLSID\\") + clsid;
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

bool SetText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  const LSTATUS status = RegSetValueExW(handle, name, 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

// Each kit object made through the DLL reads its settings from the environment at creation.
STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, vcu::CLSID_CZKEM)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new vcu::kitsim::ClassFactory([] {
    return std::make_shared<vcu::kitsim::Terminal>(vcu::kitsim::SettingsFromProcessEnvironment());
  });
  const HRESULT hr = factory->QueryInterface(iid, object);
  factory->Release();
  return hr;
}

STDAPI DllCanUnloadNow() { return vcu::kitsim::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() {
  const std::wstring key = ClassKey();
  const std::wstring server = key + L"\\InprocServer32";
  const bool written = SetText(HKEY_CLASSES_ROOT, key, nullptr, L"Vantorix stand-in terminal kit") &&
                       SetText(HKEY_CLASSES_ROOT, server, nullptr, ModulePath()) &&
                       SetText(HKEY_CLASSES_ROOT, server, L"ThreadingModel", L"Apartment");
  return written ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
  const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKey().c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
