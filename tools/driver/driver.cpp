// driver <step> [arguments]: plays one step of a session on the running program's main window
// with real input, then prints the dialog it opened (if any) and the log pane.
//
//   wait                      until the main window is up (60 s)
//   connect-ip <address>      IP mode, the address typed, Connect / Update pressed
//   connect-usb               USB mode, Connect / Update pressed
//   get <option>              option name typed, Get chosen, Update pressed
//   set <option> <value>      option name and value typed, Set chosen, Update pressed
//   restart                   the Restart link clicked
//   dismiss                   the open message dialog's OK pressed
//   log                       the log pane printed
//   close                     the main window closed
//
// Exit status: 0 done, 1 the step could not be played, 2 wrong use.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Input.h"
#include "WindowFinder.h"

namespace vcu::driver {
namespace {

using Arguments = std::vector<std::wstring>;

// The Restart link is a window-less label at (247, 12), 42 x 13: its middle.
constexpr POINT kRestartLink{247 + 21, 12 + 6};

void Print(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
  std::fputs(utf8.c_str(), stdout);
  std::fputs("\n", stdout);
}

bool Fail(const std::wstring& why) {
  Print(L"driver: " + why);
  return false;
}

HWND Require(HWND mainWindow, Control control, const wchar_t* name) {
  HWND window = FindControl(mainWindow, control);
  if (!window) Fail(std::wstring(L"no control ") + name + L" where the main window puts it");
  return window;
}

// Clicks the controls in order; stops at the first that opens a dialog or does not return.
bool ClickInOrder(HWND mainWindow, std::initializer_list<std::pair<Control, const wchar_t*>> controls) {
  for (const auto& [control, name] : controls) {
    HWND window = Require(mainWindow, control, name);
    if (!window) return false;
    const Reaction reaction = Click(mainWindow, window);
    if (reaction.outcome == Outcome::TimedOut) return Fail(std::wstring(name) + L" click not handled in time");
    if (reaction.outcome == Outcome::DialogOpened) return true;
  }
  return true;
}

bool Type(HWND mainWindow, Control control, const wchar_t* name, const std::wstring& text) {
  HWND window = Require(mainWindow, control, name);
  if (window) SetText(window, text);
  return window != nullptr;
}

bool ConnectIp(HWND w, const Arguments& a) {
  return ClickInOrder(w, {{Control::rbtnIP, L"rbtnIP"}}) && Type(w, Control::edtIP, L"edtIP", a[0]) &&
         ClickInOrder(w, {{Control::btnUpdate, L"btnUpdate"}});
}

bool ConnectUsb(HWND w, const Arguments&) {
  return ClickInOrder(w, {{Control::rbtnUSB, L"rbtnUSB"}, {Control::btnUpdate, L"btnUpdate"}});
}

bool Get(HWND w, const Arguments& a) {
  return Type(w, Control::edtCfg, L"edtCfg", a[0]) &&
         ClickInOrder(w, {{Control::rbtnGet, L"rbtnGet"}, {Control::btnUpdate, L"btnUpdate"}});
}

bool Set(HWND w, const Arguments& a) {
  return Type(w, Control::edtCfg, L"edtCfg", a[0]) && Type(w, Control::edtValue, L"edtValue", a[1]) &&
         ClickInOrder(w, {{Control::rbtnSet, L"rbtnSet"}, {Control::btnUpdate, L"btnUpdate"}});
}

bool Restart(HWND w, const Arguments&) {
  return ClickAt(w, kRestartLink).outcome != Outcome::TimedOut || Fail(L"Restart click not handled in time");
}

bool Dismiss(HWND w, const Arguments&) {
  HWND dialog = FindMessageDialog(w);
  if (!dialog) return Fail(L"no message dialog is open");
  HWND ok = DialogButton(dialog);
  if (!ok) return Fail(L"the message dialog has no button");
  Print(L"dismissed: " + DialogText(dialog));
  if (Click(w, ok).outcome == Outcome::TimedOut) return Fail(L"OK click not handled in time");
  // A sent click is handled inside the dialog loop's wait for messages, which goes on waiting;
  // a real click's mouse messages are posted and let the loop see that the dialog is done.
  PostMessageW(dialog, WM_NULL, 0, 0);
  for (int wait = 0; wait < 100 && IsWindow(dialog) && IsWindowVisible(dialog); ++wait) Sleep(50);
  return !IsWindowVisible(dialog) || Fail(L"the message dialog stayed open");
}

bool Log(HWND, const Arguments&) { return true; } // the log is printed after every step

bool Close(HWND w, const Arguments&) { return PostMessageW(w, WM_CLOSE, 0, 0) != 0; }

struct Step {
  const wchar_t* name;
  size_t arguments;
  bool (*play)(HWND mainWindow, const Arguments& arguments);
  bool modal; // acts on the main window, so a dialog left open must be dismissed first
};

constexpr Step kSteps[] = {
    {L"connect-ip", 1, ConnectIp, true}, {L"connect-usb", 0, ConnectUsb, true},
    {L"get", 1, Get, true},              {L"set", 2, Set, true},
    {L"restart", 0, Restart, true},      {L"dismiss", 0, Dismiss, false},
    {L"log", 0, Log, false},             {L"close", 0, Close, true},
};

void Report(HWND mainWindow) {
  if (HWND dialog = FindMessageDialog(mainWindow)) Print(L"dialog: " + DialogText(dialog));
  if (HWND memo = FindControl(mainWindow, Control::Memo1)) Print(L"log:\n" + TextOf(memo));
}

int Play(const Arguments& command) {
  if (command.empty()) return 2;
  if (command[0] == L"wait") return WaitForMainWindow(60000) ? 0 : (Fail(L"no main window"), 1);
  for (const auto& step : kSteps) {
    if (command[0] != step.name) continue;
    if (command.size() != step.arguments + 1) return 2;
    HWND mainWindow = WaitForMainWindow(5000);
    if (!mainWindow) return Fail(L"no main window \"TfrmMain\""), 1;
    if (step.modal && FindMessageDialog(mainWindow))
      return Fail(L"a message dialog is open; dismiss it first"), 1;
    const bool played = step.play(mainWindow, Arguments(command.begin() + 1, command.end()));
    if (step.play != Close) Report(mainWindow);
    return played ? 0 : 1;
  }
  return 2;
}

} // namespace
} // namespace vcu::driver

int main() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  const vcu::driver::Arguments command(words + 1, words + count);
  LocalFree(words);
  const int status = vcu::driver::Play(command);
  if (status == 2) std::fputs("usage: driver wait|connect-ip <address>|connect-usb|get <option>|"
                              "set <option> <value>|restart|dismiss|log|close\n", stderr);
  return status;
}
