// The stand-in kit as the program meets it outside the tests: the built DLL, registered in
// the (private) registry, created by class identifier, configured by the environment.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "kit-interface/IZKEM.h"
#include "app/zkemkeeper_TLB.h"

namespace vcu {
namespace {

// The build's path is a Unix one; Wine's Z: drive is the Unix root.
std::wstring DllPath() {
  std::wstring path(KITSIM_DLL, KITSIM_DLL + sizeof(KITSIM_DLL) - 1);
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

std::wstring ClassKey() {
  wchar_t clsid[40];
  StringFromGUID2(CLSID_CZKEM, clsid, 40);
  return std::wstring(L"CLSID\\") + clsid;
}

std::optional<std::wstring> RegistryText(const std::wstring& key, const wchar_t* name) {
  wchar_t value[MAX_PATH * 2];
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(value);
}

class KitDll : public ::testing::Test {
protected:
  using Entry = HRESULT(STDAPICALLTYPE*)();
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

  void SetUp() override {
    module = LoadLibraryW(DllPath().c_str());
    ASSERT_NE(module, nullptr) << GetLastError();
    registerServer = Export<Entry>("DllRegisterServer");
    unregisterServer = Export<Entry>("DllUnregisterServer");
    canUnloadNow = Export<Entry>("DllCanUnloadNow");
    getClassObject = Export<GetClassObject>("DllGetClassObject");
    ASSERT_TRUE(registerServer && unregisterServer && canUnloadNow && getClassObject);
  }
  void TearDown() override {
    if (unregisterServer) unregisterServer(); // never leave the class registered for others
    for (const wchar_t* variable : {L"VCU_KIT_PRODUCT_NAME", L"VCU_KIT_FAIL", L"VCU_KIT_CALL_LOG"})
      SetEnvironmentVariableW(variable, nullptr);
    CoFreeUnusedLibraries();
    if (module) FreeLibrary(module);
  }

  template <class Function>
  Function Export(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }

  std::wstring ModulePath() const {
    wchar_t path[MAX_PATH * 2];
    GetModuleFileNameW(module, path, MAX_PATH * 2);
    return path;
  }

  HMODULE module = nullptr;
  Entry registerServer = nullptr, unregisterServer = nullptr, canUnloadNow = nullptr;
  GetClassObject getClassObject = nullptr;
};

TEST_F(KitDll, RegistersAsAnApartmentInProcessServerAndUnregisters) {
  ASSERT_EQ(registerServer(), S_OK);
  const std::wstring server = ClassKey() + L"\\InprocServer32";
  EXPECT_EQ(RegistryText(server, nullptr), ModulePath());
  EXPECT_EQ(RegistryText(server, L"ThreadingModel"), L"Apartment");
  {
    TCZKEM zkem; // by class identifier, through the registry
    std::string version;
    EXPECT_TRUE(zkem.ReadSdkVersion(version));
    EXPECT_FALSE(version.empty());
  }

  ASSERT_EQ(unregisterServer(), S_OK);
  EXPECT_EQ(RegistryText(ClassKey(), nullptr), std::nullopt);
  IUnknown* object = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_CZKEM, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(unregisterServer(), S_OK); // unregistering twice is harmless
}

TEST_F(KitDll, EachObjectReadsItsSettingsFromTheEnvironmentWhenCreated) {
  ASSERT_EQ(registerServer(), S_OK);
  wchar_t logFile[MAX_PATH];
  GetTempPathW(MAX_PATH, logFile);
  wcscat(logFile, L"vcu-kit-calls.log");
  DeleteFileW(logFile);
  SetEnvironmentVariableW(L"VCU_KIT_PRODUCT_NAME", L" Env Product ");
  SetEnvironmentVariableW(L"VCU_KIT_FAIL", L"ReadOption:0x80070005");
  SetEnvironmentVariableW(L"VCU_KIT_CALL_LOG", logFile);
  TCZKEM zkem;
  SetEnvironmentVariableW(L"VCU_KIT_PRODUCT_NAME", L"changed after creation");

  ASSERT_TRUE(zkem.OpenUsbLink(1));
  std::string product;
  EXPECT_TRUE(zkem.ReadProductName(1, product));
  EXPECT_EQ(product, " Env Product ");
  std::string value;
  EXPECT_THROW(zkem.ReadOption(1, "Volume", value), EOleSysError);

  std::ifstream log(logFile);
  std::stringstream lines;
  lines << log.rdbuf();
  EXPECT_EQ(lines.str(), "OpenUsbLink \"1\"\nReadProductName \"1\" \"\"\n"
                         "ReadOption \"1\" \"Volume\" \"\"\n");
  log.close();
  DeleteFileW(logFile);
}

TEST_F(KitDll, ASettingItCannotUnderstandMakesCreationFail) {
  ASSERT_EQ(registerServer(), S_OK);
  SetEnvironmentVariableW(L"VCU_KIT_FAIL", L"NoSuchOperation");
  IUnknown* object = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_CZKEM, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            E_INVALIDARG);
}

TEST_F(KitDll, CanUnloadOnlyWhenNothingOfItIsInUse) {
  IClassFactory* factory = nullptr;
  ASSERT_EQ(getClassObject(CLSID_CZKEM, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
            S_OK);
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  IUnknown* object = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IZKEM, reinterpret_cast<void**>(&object)), S_OK);
  factory->Release();
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  object->Release();
  EXPECT_EQ(canUnloadNow(), S_OK);

  IUnknown* other = nullptr;
  EXPECT_EQ(getClassObject(IID_IZKEM, IID_IClassFactory, reinterpret_cast<void**>(&other)),
            CLASS_E_CLASSNOTAVAILABLE);
}

} // namespace
} // namespace vcu
