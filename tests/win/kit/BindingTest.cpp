// TCZKEM against the stand-in kit registered in this process: what crosses the COM boundary
// in each direction, the COM Boolean, and the errors a failing HRESULT raises.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>

#include "app/zkemkeeper_TLB.h"
#include "kit-sim/ClassRegistration.h"

namespace vcu {
namespace {

using kitsim::Operation;
using Arguments = std::vector<std::wstring>;

class Binding : public ::testing::Test {
protected:
  kitsim::ClassRegistration kit;
  kitsim::Terminal& terminal = kit.terminal();
  TCZKEM zkem; // created after the registration: members are built in order

  const kitsim::Call& LastCall() const { return terminal.Calls().back(); }
};

// One operation called through the wrapper: `text` goes in (when the operation takes one)
// and holds what came back.
struct OperationCase {
  const char* what;
  std::function<bool(TCZKEM&, std::string& text)> call;
  std::string textIn;
  Operation operation;
  Arguments received;      // as the kit saw them
  std::string textBack;    // in the window's code page
};

TEST_F(Binding, EveryOperationPassesItsArgumentsAndGetsItsAnswer) {
  kitsim::Identity& id = terminal.settings.identity;
  id.firmwareVersion = L" Ver 6.60 ";
  id.platformName = L"VX-A7_TFT  ";
  id.productName = L"  QM510";
  id.manufacturer = L" Vantorix ";
  id.serialNumber = L"VTX 0001 ";
  id.sdkVersion = L" 6.3.1.40";
  terminal.settings.options[L"Volume"] = L" 67 ";
  const OperationCase cases[] = {
      {"USB link", [](TCZKEM& k, std::string&) { return k.OpenUsbLink(1); }, "",
       Operation::OpenUsbLink, {L"1"}, ""},
      {"firmware, in/out", [](TCZKEM& k, std::string& t) { return k.ReadFirmwareVersion(1, t); },
       "held", Operation::ReadFirmwareVersion, {L"1", L"held"}, " Ver 6.60 "},
      {"platform, in/out", [](TCZKEM& k, std::string& t) { return k.ReadPlatformName(1, t); },
       "held", Operation::ReadPlatformName, {L"1", L"held"}, "VX-A7_TFT  "},
      {"product, out", [](TCZKEM& k, std::string& t) { return k.ReadProductName(1, t); },
       "stale", Operation::ReadProductName, {L"1", L""}, "  QM510"},
      {"manufacturer, in/out", [](TCZKEM& k, std::string& t) { return k.ReadManufacturer(t); },
       "held", Operation::ReadManufacturer, {L"held"}, " Vantorix "},
      {"serial, out", [](TCZKEM& k, std::string& t) { return k.ReadSerialNumber(1, t); },
       "stale", Operation::ReadSerialNumber, {L"1", L""}, "VTX 0001 "},
      {"SDK version, in/out", [](TCZKEM& k, std::string& t) { return k.ReadSdkVersion(t); },
       "held", Operation::ReadSdkVersion, {L"held"}, " 6.3.1.40"},
      {"read option, out", [](TCZKEM& k, std::string& t) { return k.ReadOption(1, "Volume", t); },
       "stale", Operation::ReadOption, {L"1", L"Volume", L""}, " 67 "},
      {"write option", [](TCZKEM& k, std::string&) { return k.WriteOption(1, "Volume", " "); },
       "", Operation::WriteOption, {L"1", L"Volume", L" "}, ""},
      {"option as written",
       [](TCZKEM& k, std::string& t) { return k.ReadOption(1, "Volume", t); }, "",
       Operation::ReadOption, {L"1", L"Volume", L""}, " "},
      {"restart", [](TCZKEM& k, std::string&) { return k.RestartTerminal(1); }, "",
       Operation::RestartTerminal, {L"1"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string text = c.textIn;
    EXPECT_TRUE(c.call(zkem, text));
    EXPECT_EQ(LastCall().operation, c.operation);
    EXPECT_EQ(LastCall().arguments, c.received);
    EXPECT_EQ(text, c.textBack);
  }
  EXPECT_EQ(terminal.Restarts(), 1);
}

TEST_F(Binding, NetworkAddressIsSentExactlyAsGiven) {
  const struct {
    std::string address;
    int port;
    bool connects;
  } cases[] = {
      {"192.168.1.201", 4370, true},
      {" 192.168.1.201 ", 4370, false}, // not trimmed on the way
      {"   ", 4370, false},
      {"", 4370, false},
      {"192.168.1.201", 4371, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("'" + c.address + "'");
    EXPECT_EQ(zkem.OpenNetworkLink(c.address, c.port), c.connects);
    EXPECT_EQ(LastCall().operation, Operation::OpenNetworkLink);
    EXPECT_EQ(LastCall().arguments,
              (Arguments{std::wstring(c.address.begin(), c.address.end()),
                         std::to_wstring(c.port)}));
  }
}

// The text in the ANSI code page, as the window holds it; empty when a character has no place
// in that code page.
std::string Ansi(const std::wstring& text) {
  const bool utf8 = GetACP() == CP_UTF8; // takes neither the flag nor the question
  const DWORD exact = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL lost = FALSE;
  const int length = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_ACP, exact, text.data(), length, nullptr, 0, nullptr, utf8 ? nullptr : &lost);
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, exact, text.data(), length, &bytes[0], n, nullptr, utf8 ? nullptr : &lost);
  return lost ? std::string() : bytes;
}

// Characters outside ASCII that this machine's ANSI code page holds, among them at least one
// that a plain byte-to-UTF-16 widening would get wrong (the euro sign is 0x80 in Windows-1252,
// the Cyrillic Zhe 0xC6 in Windows-1251, a Hiragana letter two bytes in the CJK code pages).
std::wstring CodePageCharacters() {
  std::wstring held;
  for (wchar_t c : std::wstring(L"\u00e9\u20ac\u0416\u03a9\u3042\u00fc")) {
    const std::string bytes = Ansi(std::wstring(1, c));
    if (!bytes.empty()) held += c;
  }
  return held;
}

bool WideningGetsWrong(const std::wstring& text) {
  const std::string bytes = Ansi(text);
  return std::wstring(bytes.begin(), bytes.end()) != text &&
         std::wstring(reinterpret_cast<const unsigned char*>(bytes.data()),
                      reinterpret_cast<const unsigned char*>(bytes.data()) + bytes.size()) != text;
}

// The window's texts are in the ANSI code page, whatever it is here; the kit sees UTF-16.
TEST_F(Binding, TextsConvertBetweenTheAnsiCodePageAndUtf16) {
  const std::wstring special = CodePageCharacters();
  ASSERT_TRUE(WideningGetsWrong(special)) << "ANSI code page " << GetACP() << " holds none of the test's characters";
  const std::wstring name = L"Caf" + special, value = special + L" 5", manufacturer = L"Soci" + special;
  terminal.settings.options[name] = L"";
  terminal.settings.identity.manufacturer = manufacturer;
  ASSERT_TRUE(zkem.OpenUsbLink(1));

  EXPECT_TRUE(zkem.WriteOption(1, Ansi(name), Ansi(value)));
  EXPECT_EQ(LastCall().arguments, (Arguments{L"1", name, value}));

  std::string read;
  EXPECT_TRUE(zkem.ReadOption(1, Ansi(name), read));
  EXPECT_EQ(read, Ansi(value));

  std::string held = Ansi(special);
  EXPECT_TRUE(zkem.ReadManufacturer(held));
  EXPECT_EQ(LastCall().arguments, Arguments{special});
  EXPECT_EQ(held, Ansi(manufacturer));
}

TEST_F(Binding, AnyNonZeroBooleanIsTrueAndZeroIsFalse) {
  for (VARIANT_BOOL value : {VARIANT_BOOL(VARIANT_TRUE), VARIANT_BOOL(1), VARIANT_BOOL(0x100)}) {
    SCOPED_TRACE(value);
    terminal.settings.trueValue = value;
    EXPECT_TRUE(zkem.OpenUsbLink(1));
    std::string text;
    EXPECT_TRUE(zkem.ReadSerialNumber(1, text));
  }
  terminal.settings.falseAnswers = {Operation::OpenUsbLink, Operation::ReadSerialNumber};
  EXPECT_FALSE(zkem.OpenUsbLink(1));
  std::string text = "stale";
  EXPECT_FALSE(zkem.ReadSerialNumber(1, text));
  EXPECT_EQ(text, ""); // an out text was emptied and the kit put nothing in it
}

TEST_F(Binding, TakesIZKEMAtTheFirstOperationAndKeepsIt) {
  EXPECT_EQ(terminal.IZKEMQueries(), 0);
  EXPECT_TRUE(terminal.Calls().empty());
  zkem.OpenUsbLink(1);
  EXPECT_EQ(terminal.IZKEMQueries(), 1);
  std::string text;
  zkem.ReadSdkVersion(text);
  zkem.RestartTerminal(1);
  EXPECT_EQ(terminal.IZKEMQueries(), 1);
}

// The messages are the system's texts for the HRESULTs; Wine words some of them otherwise than
// Windows does, so both are accepted. A code the system has no text for is named by number.
TEST_F(Binding, FailingHResultRaisesEOleSysErrorNamingTheFailure) {
  const struct {
    Operation operation;
    HRESULT hr;
    std::set<std::string> messages; // Windows, Wine
    std::function<void(TCZKEM&)> call;
  } cases[] = {
      {Operation::OpenNetworkLink, E_ACCESSDENIED, {"Access is denied", "Access denied"},
       [](TCZKEM& k) { k.OpenNetworkLink("192.168.1.201", 4370); }},
      {Operation::ReadOption, E_FAIL, {"Unspecified error", "Call failed"},
       [](TCZKEM& k) { std::string v; k.ReadOption(1, "Volume", v); }},
      {Operation::ReadFirmwareVersion, E_NOINTERFACE, {"No such interface supported"},
       [](TCZKEM& k) { std::string v; k.ReadFirmwareVersion(1, v); }},
      {Operation::WriteOption, E_OUTOFMEMORY,
       {"Not enough memory resources are available to complete this operation", "Out of memory"},
       [](TCZKEM& k) { k.WriteOption(1, "Volume", "1"); }},
      {Operation::RestartTerminal, static_cast<HRESULT>(0x80047777u), {"OLE error 80047777"},
       [](TCZKEM& k) { k.RestartTerminal(1); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(kitsim::NameOf(c.operation));
    terminal.settings.failures = {{c.operation, c.hr}};
    try {
      c.call(zkem);
      ADD_FAILURE() << "no error raised";
    } catch (const EOleSysError& error) {
      EXPECT_EQ(c.messages.count(error.Message()), 1u) << error.Message();
      EXPECT_EQ(error.ErrorCode(), c.hr);
    }
    EXPECT_EQ(LastCall().operation, c.operation); // the call did reach the kit
  }
}

TEST(BindingWithoutKit, CreatingTheControlRaisesClassNotRegistered) {
  { kitsim::ClassRegistration registeredThenRevoked; }
  try {
    TCZKEM zkem;
    FAIL() << "the control was created";
  } catch (const EOleSysError& error) {
    EXPECT_EQ(error.Message(), "Class not registered");
    EXPECT_EQ(error.ErrorCode(), REGDB_E_CLASSNOTREG);
  }
}

} // namespace
} // namespace vcu
