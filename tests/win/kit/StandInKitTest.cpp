// The stand-in kit on its own: its method table against the kit's fixed indices, the
// simulated terminal, the steering, and the settings read from the environment.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "kit-interface/IZKEM.h"
#include "kit-sim/ClassRegistration.h"
#include "kit-sim/EnvironmentSettings.h"

namespace vcu::kitsim {
namespace {

// Calls the method at `index` of the object's method table, bypassing the declared layout.
template <class... Args>
HRESULT CallSlot(IZKEM* kit, int index, Args... args) {
  using Method = HRESULT(STDMETHODCALLTYPE*)(IZKEM*, Args...);
  void** table = *reinterpret_cast<void***>(kit);
  return reinterpret_cast<Method>(table[index])(kit, args...);
}

class StandInKit : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(CoCreateInstance(CLSID_CZKEM, nullptr, CLSCTX_INPROC_SERVER, IID_IZKEM,
                               reinterpret_cast<void**>(&kit)),
              S_OK);
  }
  void TearDown() override {
    if (kit) kit->Release();
  }

  // `result` by reference: it is read only after the call that fills it has run.
  bool Ok(HRESULT hr, const VARIANT_BOOL& result) {
    EXPECT_EQ(hr, S_OK);
    return result != VARIANT_FALSE;
  }
  bool OpenUsb() {
    VARIANT_BOOL result = VARIANT_FALSE;
    return Ok(kit->OpenUsbLink(1, &result), result);
  }
  bool OpenNetwork(const wchar_t* address) {
    BSTR text = SysAllocString(address);
    VARIANT_BOOL result = VARIANT_FALSE;
    const bool opened = Ok(kit->OpenNetworkLink(text, 4370, &result), result);
    SysFreeString(text);
    return opened;
  }
  std::optional<std::wstring> Read(const wchar_t* option, LONG machineNumber = 1) {
    BSTR name = SysAllocString(option), value = nullptr;
    VARIANT_BOOL result = VARIANT_FALSE;
    const bool read = Ok(kit->ReadOption(machineNumber, name, &value, &result), result);
    std::optional<std::wstring> answer;
    if (read) answer = value ? value : L"";
    SysFreeString(name);
    SysFreeString(value);
    return answer;
  }
  bool Write(const wchar_t* option, const wchar_t* value) {
    BSTR name = SysAllocString(option), text = SysAllocString(value);
    VARIANT_BOOL result = VARIANT_FALSE;
    const bool written = Ok(kit->WriteOption(1, name, text, &result), result);
    SysFreeString(name);
    SysFreeString(text);
    return written;
  }
  bool Restart() {
    VARIANT_BOOL result = VARIANT_FALSE;
    return Ok(kit->RestartTerminal(1, &result), result);
  }

  ClassRegistration registration;
  Terminal& terminal = registration.terminal();
  IZKEM* kit = nullptr;
};

// The indices are the kit's own; the table is written out here rather than taken from the
// shared declaration, so a slip in that declaration shows.
TEST_F(StandInKit, MethodsSitAtTheKitsTableIndices) {
  BSTR text = nullptr;
  BSTR name = SysAllocString(L"Volume");
  VARIANT_BOOL result = VARIANT_FALSE;
  const std::map<int, std::function<HRESULT()>> calls = {
      {37, [&] { return CallSlot(kit, 37, LONG(1), &text, &result); }},
      {40, [&] { return CallSlot(kit, 40, LONG(1), &text, &result); }},
      {41, [&] { return CallSlot(kit, 41, LONG(1), &text, &result); }},
      {42, [&] { return CallSlot(kit, 42, &text, &result); }},
      {46, [&] { return CallSlot(kit, 46, name, LONG(4370), &result); }},
      {120, [&] { return CallSlot(kit, 120, LONG(1), &result); }},
      {137, [&] { return CallSlot(kit, 137, &text, &result); }},
      {149, [&] { return CallSlot(kit, 149, LONG(1), name, &text, &result); }},
      {182, [&] { return CallSlot(kit, 182, LONG(1), name, name, &result); }},
      {195, [&] { return CallSlot(kit, 195, LONG(1), &text, &result); }},
      {223, [&] { return CallSlot(kit, 223, LONG(1), &result); }},
  };
  const std::map<int, Operation> expected = {
      {37, Operation::ReadSerialNumber}, {40, Operation::ReadProductName},
      {41, Operation::ReadFirmwareVersion}, {42, Operation::ReadSdkVersion},
      {46, Operation::OpenNetworkLink}, {120, Operation::RestartTerminal},
      {137, Operation::ReadManufacturer}, {149, Operation::ReadOption},
      {182, Operation::WriteOption}, {195, Operation::ReadPlatformName},
      {223, Operation::OpenUsbLink},
  };
  for (const auto& [index, call] : calls) {
    SCOPED_TRACE(index);
    SysFreeString(text);
    text = nullptr;
    EXPECT_EQ(call(), S_OK);
    ASSERT_FALSE(terminal.Calls().empty());
    EXPECT_EQ(terminal.Calls().back().operation, expected.at(index));
  }
  SysFreeString(text);
  SysFreeString(name);

  const size_t recorded = terminal.Calls().size();
  for (int index = 7; index <= 223; ++index)
    if (!calls.count(index)) {
      EXPECT_EQ(CallSlot(kit, index), E_NOTIMPL) << index;
    }
  EXPECT_EQ(terminal.Calls().size(), recorded);
}

TEST_F(StandInKit, OffersIZKEMAsADualInterfaceWithoutTypeInformation) {
  IDispatch* dispatch = nullptr;
  ASSERT_EQ(kit->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
  UINT count = 99;
  EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
  dispatch->Release();
  IUnknown* other = nullptr;
  EXPECT_EQ(kit->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&other)), E_NOINTERFACE);
}

TEST_F(StandInKit, TerminalAnswersOnlyOverAnOpenLinkUntilItRestarts) {
  BSTR version = nullptr;
  VARIANT_BOOL result = VARIANT_FALSE;
  EXPECT_TRUE(Ok(kit->ReadSdkVersion(&version, &result), result)); // the kit's own fact
  SysFreeString(version);
  EXPECT_EQ(Read(L"Volume"), std::nullopt);
  EXPECT_FALSE(Restart());

  ASSERT_TRUE(OpenUsb());
  EXPECT_EQ(terminal.CurrentLink(), Link::Usb);
  EXPECT_EQ(Read(L"Volume"), L"67");
  EXPECT_EQ(Read(L"Volume", 2), std::nullopt); // another machine number
  EXPECT_TRUE(Restart());
  EXPECT_EQ(terminal.Restarts(), 1);
  EXPECT_EQ(terminal.CurrentLink(), Link::None);
  EXPECT_EQ(Read(L"Volume"), std::nullopt);

  ASSERT_TRUE(OpenNetwork(L"192.168.1.201"));
  EXPECT_EQ(terminal.CurrentLink(), Link::Network);
  EXPECT_FALSE(OpenNetwork(L"192.168.1.202")); // a failed open leaves no link
  EXPECT_EQ(terminal.CurrentLink(), Link::None);
}

TEST_F(StandInKit, OptionsAreKnownByExactName) {
  ASSERT_TRUE(OpenUsb());
  EXPECT_TRUE(Write(L"Volume", L"80"));
  EXPECT_EQ(Read(L"Volume"), L"80");
  EXPECT_EQ(terminal.settings.options.at(L"Volume"), L"80");
  for (const wchar_t* unknown : {L"volume", L" Volume", L"NoSuchOption", L""}) {
    EXPECT_EQ(Read(unknown), std::nullopt) << unknown;
    EXPECT_FALSE(Write(unknown, L"1")) << unknown;
  }
}

TEST_F(StandInKit, RefusesTheLinksItIsToldTo) {
  const struct {
    bool refuseUsb, refuseNetwork, usbOpens, networkOpens;
  } cases[] = {{false, false, true, true}, {true, false, false, true},
               {false, true, true, false}, {true, true, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.refuseUsb << c.refuseNetwork);
    terminal.settings.refuseUsb = c.refuseUsb;
    terminal.settings.refuseNetwork = c.refuseNetwork;
    EXPECT_EQ(OpenUsb(), c.usbOpens);
    EXPECT_EQ(OpenNetwork(L"192.168.1.201"), c.networkOpens);
  }
}

TEST_F(StandInKit, SteeredAnswersComeBeforeTheSimulationAndChangeNothing) {
  ASSERT_TRUE(OpenUsb());
  terminal.settings.failures = {{Operation::WriteOption, E_ACCESSDENIED}};
  BSTR name = SysAllocString(L"Volume"), value = SysAllocString(L"5");
  VARIANT_BOOL result = 7;
  EXPECT_EQ(kit->WriteOption(1, name, value, &result), E_ACCESSDENIED);
  SysFreeString(name);
  SysFreeString(value);
  EXPECT_EQ(terminal.CallsOf(Operation::WriteOption).size(), 1u); // recorded all the same

  terminal.settings.falseAnswers = {Operation::RestartTerminal};
  EXPECT_FALSE(Restart());
  EXPECT_EQ(terminal.Restarts(), 0);
  EXPECT_EQ(terminal.CurrentLink(), Link::Usb);
  EXPECT_EQ(Read(L"Volume"), L"67");
}

using Variables = std::map<std::wstring, std::wstring>;

Settings FromVariables(const Variables& variables) {
  return SettingsFromEnvironment([&](const wchar_t* name) -> std::optional<std::wstring> {
    const auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  });
}

TEST(StandInKitEnvironment, ChoosesTheSameBehavioursAsTheSteering) {
  const Settings none = FromVariables({});
  EXPECT_FALSE(none.refuseUsb || none.refuseNetwork);
  EXPECT_TRUE(none.failures.empty() && none.falseAnswers.empty());
  EXPECT_EQ(none.networkAddress, L"192.168.1.201");
  EXPECT_EQ(none.options, DefaultOptions());

  const Settings chosen = FromVariables({
      {L"VCU_KIT_ADDRESS", L"10.1.2.3"},
      {L"VCU_KIT_REFUSE", L"usb, network"},
      {L"VCU_KIT_FAIL", L"ReadOption,WriteOption:0x80070005, RestartTerminal:-2147467263"},
      {L"VCU_KIT_FALSE", L"ReadSerialNumber"},
      {L"VCU_KIT_PRODUCT_NAME", L"  QM510 "},
      {L"VCU_KIT_SDK_VERSION", L""},
      {L"VCU_KIT_OPTIONS", L"Volume= 5 ;Blank=;Url=a=b"},
      {L"VCU_KIT_CALL_LOG", L"C:\\calls.log"},
  });
  EXPECT_EQ(chosen.networkAddress, L"10.1.2.3");
  EXPECT_TRUE(chosen.refuseUsb && chosen.refuseNetwork);
  EXPECT_EQ(chosen.failures, (std::map<Operation, HRESULT>{{Operation::ReadOption, E_FAIL},
                                                           {Operation::WriteOption, E_ACCESSDENIED},
                                                           {Operation::RestartTerminal, E_NOTIMPL}}));
  EXPECT_EQ(chosen.falseAnswers, std::set<Operation>{Operation::ReadSerialNumber});
  EXPECT_EQ(chosen.identity.productName, L"  QM510 ");
  EXPECT_EQ(chosen.identity.sdkVersion, L"");
  EXPECT_EQ(chosen.identity.firmwareVersion, Identity().firmwareVersion);
  EXPECT_EQ(chosen.options, (std::map<std::wstring, std::wstring>{
                                {L"Volume", L" 5 "}, {L"Blank", L""}, {L"Url", L"a=b"}}));
  EXPECT_EQ(chosen.callLogFile, L"C:\\calls.log");
}

TEST(StandInKitEnvironment, RefusesWhatItCannotUnderstandNamingTheVariable) {
  const struct {
    const wchar_t* variable;
    const wchar_t* value;
  } cases[] = {
      {L"VCU_KIT_REFUSE", L"serial"},
      {L"VCU_KIT_FAIL", L"ReadOptions"},
      {L"VCU_KIT_FAIL", L"ReadOption:0"},        // S_OK is no failure
      {L"VCU_KIT_FAIL", L"ReadOption:0x1"},      // nor is S_FALSE
      {L"VCU_KIT_FAIL", L"ReadOption:fail"},
      {L"VCU_KIT_FALSE", L"OpenUsbLink,Connect"},
      {L"VCU_KIT_OPTIONS", L"Volume"},
      {L"VCU_KIT_OPTIONS", L"=5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value);
    try {
      FromVariables({{c.variable, c.value}});
      ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& error) {
      const std::string variable(c.variable, c.variable + wcslen(c.variable));
      EXPECT_EQ(std::string(error.what()).rfind(variable + ": ", 0), 0u) << error.what();
    }
  }
}

} // namespace
} // namespace vcu::kitsim
