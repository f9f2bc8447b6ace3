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
// Steps on the skinned title bar, with the real mouse and keyboard (the pointer stays where
// the step leaves it, so a screenshot after the step shows the state it left):
//   hover-close               the pointer over the close button
//   press-close               the left button held down over the close button
//   release-away              the pointer moved onto the title and the button released there:
//                             the press comes to nothing
//   minimize                  the minimise button clicked: the window minimised
//   restore                   the minimised title's minimise button clicked: restored
//   system-menu               a right click on the caption: the system menu stays open
//   escape                    Escape pressed: the open menu closes
//   blank-ip                  the address cleared and Connect clicked: the message dialog opens
//   deactivate                the desktop activated: the main window shown inactive
//
// Steps on the skinned controls, with the real mouse and keyboard:
//   hover-button              the pointer over Connect / Update
//   press-button              the left button held down over it
//   release-button-away       the pointer moved off it and released there: no click
//   disable-button            the button disabled (as the program would, to show that look)
//   enable-button             and enabled again
//   type-option <text>        a click into the option field, its text replaced by typing
//   tab <count>               Tab pressed that many times; the focused control printed
//   fill-log                  Get pressed (option as typed) until the log is longer than its
//                             pane, so that its scroll bar has a thumb
//   scroll-log                the log pane scrolled by the wheel, its down arrow held, its
//                             thumb dragged back to the top; each must move the view
//
// Steps on the gallery window ("TfrmGallery"), with the real keyboard and mouse:
//   gallery-dropdown          Alt+V opens the View menu of its skinned bar, Up then Right open
//                             the Icons sub-menu: both stay open
//   gallery-context           Escape closes what is open, a right click opens the context menu
//   gallery-maximise          Escape closes what is open, a double click on the title maximises
//   gallery-restore           Escape closes what is open, a double click on the title restores
//   gallery-skin <name>       its Skin menu chooses the built-in skin (default, midnight): the
//                             window switches live, its region follows the skin
//   gallery-combo             the editable combo box's arrow clicked: its list drops down
//   gallery-header-hot        Escape closes the list, the pointer onto the header's second
//                             section: it shows hot
//   gallery-updown-hold       the left button held down on the buddied up-down's lower half
//   gallery-release           the pointer moved away and the button released
//
// Exit status: 0 done, 1 the step could not be played, 2 wrong use.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Input.h"
#include "RealInput.h"
#include "SkinnedTitle.h"
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

// Time for the program to repaint what the input changed before the screenshot.
void LetItPaint() { Sleep(300); }

bool HoverClose(HWND w, const Arguments&) {
  input::MoveTo(TitleButtonPoint(w, TitleButton::Close));
  LetItPaint();
  return true;
}

bool PressClose(HWND w, const Arguments&) {
  input::Press(TitleButtonPoint(w, TitleButton::Close));
  LetItPaint();
  return IsWindowVisible(w) || Fail(L"the window went at the press alone");
}

bool ReleaseAway(HWND w, const Arguments&) {
  input::MoveTo(TitlePoint(w));
  input::Release(TitlePoint(w));
  LetItPaint();
  return (IsWindowVisible(w) && !IsIconic(w)) || Fail(L"the release away from the button did something");
}

bool Minimize(HWND w, const Arguments&) {
  input::Click(TitleButtonPoint(w, TitleButton::Minimize));
  if (!WaitFor([w] { return IsIconic(w) != FALSE; })) return Fail(L"the window was not minimised");
  LetItPaint();
  return true;
}

bool Restore(HWND w, const Arguments&) {
  if (!IsIconic(w)) return Fail(L"the window is not minimised");
  input::Click(TitleButtonPoint(w, TitleButton::Minimize));
  if (!WaitFor([w] { return !IsIconic(w); })) return Fail(L"the window was not restored");
  LetItPaint();
  return true;
}

bool SystemMenu(HWND w, const Arguments&) {
  input::Click(TitlePoint(w), input::Button::Right);
  if (!WaitFor([w] { return FindPopupMenu(w) != nullptr; })) return Fail(L"no system menu opened");
  LetItPaint();
  return true;
}

bool Escape(HWND w, const Arguments&) {
  if (!FindPopupMenu(w)) return Fail(L"no menu is open");
  input::Key(VK_ESCAPE);
  return WaitFor([w] { return FindPopupMenu(w) == nullptr; }) || Fail(L"the menu stayed open");
}

bool BlankIp(HWND w, const Arguments&) {
  if (!Type(w, Control::edtIP, L"edtIP", L"")) return false;
  HWND connect = Require(w, Control::btnUpdate, L"btnUpdate");
  if (!connect) return false;
  RECT r;
  GetWindowRect(connect, &r);
  input::Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  if (!WaitFor([w] { return FindMessageDialog(w) != nullptr; })) return Fail(L"no message dialog opened");
  LetItPaint();
  return true;
}

bool Deactivate(HWND w, const Arguments&) {
  SetForegroundWindow(GetDesktopWindow());
  if (!WaitFor([w] { return GetForegroundWindow() != w; })) return Fail(L"the main window stayed active");
  LetItPaint();
  return true;
}

POINT CentreOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool HoverButton(HWND w, const Arguments&) {
  HWND button = Require(w, Control::btnUpdate, L"btnUpdate");
  if (!button) return false;
  input::MoveTo(CentreOf(button));
  LetItPaint();
  return true;
}

bool PressButton(HWND w, const Arguments&) {
  HWND button = Require(w, Control::btnUpdate, L"btnUpdate");
  if (!button) return false;
  input::Press(CentreOf(button));
  LetItPaint();
  return true;
}

bool ReleaseButtonAway(HWND w, const Arguments&) {
  HWND button = Require(w, Control::btnUpdate, L"btnUpdate");
  if (!button) return false;
  RECT r;
  GetWindowRect(button, &r);
  const POINT away{r.left - 40, r.bottom + 30};
  input::MoveTo(away);
  input::Release(away);
  LetItPaint();
  return !FindMessageDialog(w) || Fail(L"the release away from the button clicked it");
}

bool EnableButton(HWND w, bool on) {
  HWND button = Require(w, Control::btnUpdate, L"btnUpdate");
  if (!button) return false;
  EnableWindow(button, on ? TRUE : FALSE);
  LetItPaint();
  return (IsWindowEnabled(button) != FALSE) == on || Fail(L"the button's enabled state did not change");
}
bool DisableButton(HWND w, const Arguments&) { return EnableButton(w, false); }
bool EnableButtonStep(HWND w, const Arguments&) { return EnableButton(w, true); }

bool TypeOption(HWND w, const Arguments& a) {
  HWND edit = Require(w, Control::edtCfg, L"edtCfg");
  if (!edit) return false;
  input::Click(CentreOf(edit));
  input::Key(VK_HOME);
  input::KeyWith(VK_SHIFT, VK_END);
  input::Key(VK_DELETE);
  input::Type(a[0]);
  if (!WaitFor([&] { return TextOf(edit) == a[0]; })) return Fail(L"the option field shows \"" + TextOf(edit) + L"\"");
  LetItPaint();
  return true;
}

bool Tab(HWND w, const Arguments& a) {
  const int count = _wtoi(a[0].c_str());
  for (int i = 0; i < count; ++i) input::Key(VK_TAB);
  LetItPaint();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) || !info.hwndFocus) return Fail(L"no focus");
  wchar_t cls[64] = {};
  GetClassNameW(info.hwndFocus, cls, 64);
  Print(std::wstring(L"focus: ") + cls + L" \"" + TextOf(info.hwndFocus) + L"\"");
  return true;
}

// The log pane's vertical bar, worked out from what another process can ask of it: the
// window and client rectangles, and the edit's line messages (the scroll state itself is
// not readable from outside).
struct LogBar {
  RECT bar;          // screen
  int arrow = 0;
  int lines = 0, visible = 0, first = 0;
  int thumbTop = 0, thumbBottom = 0; // screen y
};

LogBar ReadLogBar(HWND memo) {
  LogBar b;
  RECT client;
  GetClientRect(memo, &client);
  POINT origin{0, 0};
  ClientToScreen(memo, &origin);
  b.arrow = GetSystemMetrics(SM_CYVSCROLL);
  b.bar = RECT{origin.x + client.right, origin.y, origin.x + client.right + GetSystemMetrics(SM_CXVSCROLL),
               origin.y + client.bottom};
  b.lines = static_cast<int>(SendMessageW(memo, EM_GETLINECOUNT, 0, 0));
  b.first = static_cast<int>(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0));
  const LRESULT line0 = SendMessageW(memo, EM_POSFROMCHAR, SendMessageW(memo, EM_LINEINDEX, b.first, 0), 0);
  const LRESULT line1 = SendMessageW(memo, EM_POSFROMCHAR, SendMessageW(memo, EM_LINEINDEX, b.first + 1, 0), 0);
  const int lineHeight = static_cast<short>(HIWORD(line1)) - static_cast<short>(HIWORD(line0));
  b.visible = lineHeight > 0 ? client.bottom / lineHeight : b.lines;
  const int track = client.bottom - 2 * b.arrow;
  if (b.lines > b.visible && track > 0) {
    const int length = std::max(8, track * b.visible / b.lines);
    const int top = (track - length) * b.first / (b.lines - b.visible);
    b.thumbTop = b.bar.top + b.arrow + top;
    b.thumbBottom = b.thumbTop + length;
  }
  return b;
}

// Longer than the pane by `extra` lines or more.
bool LogOverflows(HWND memo, int extra = 1) {
  const LogBar b = ReadLogBar(memo);
  return b.lines >= b.visible + extra;
}

bool FillLog(HWND w, const Arguments&) {
  HWND memo = Require(w, Control::Memo1, L"Memo1");
  if (!memo || !ClickInOrder(w, {{Control::rbtnGet, L"rbtnGet"}})) return false;
  // Well past the pane, so that a held arrow has lines to repeat over.
  constexpr int kExtra = 10;
  for (int i = 0; i < 80 && !LogOverflows(memo, kExtra); ++i) {
    if (FindMessageDialog(w)) return Fail(L"Get opened a message dialog");
    if (!ClickInOrder(w, {{Control::btnUpdate, L"btnUpdate"}})) return false;
  }
  LetItPaint();
  return LogOverflows(memo, kExtra) || Fail(L"the log did not grow past its pane");
}

int FirstVisibleLine(HWND memo) { return static_cast<int>(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0)); }

bool ScrollLog(HWND w, const Arguments&) {
  HWND memo = Require(w, Control::Memo1, L"Memo1");
  if (!memo) return false;
  if (!LogOverflows(memo)) return Fail(L"the log fits its pane: nothing to scroll");
  LogBar b = ReadLogBar(memo);
  const int x = (b.bar.left + b.bar.right) / 2;
  const int top = FirstVisibleLine(memo);

  // The wheel turns the focused window: the pane is clicked first, as a user would.
  input::Click(CentreOf(memo));
  // Towards the start: a log that just grew shows its end.
  input::Wheel(CentreOf(memo), 3);
  if (!WaitFor([&] { return FirstVisibleLine(memo) < top; })) return Fail(L"the wheel did not scroll the log");
  Print(L"wheel: first line " + std::to_wstring(top) + L" -> " + std::to_wstring(FirstVisibleLine(memo)));

  const POINT down{x, b.bar.bottom - b.arrow / 2};
  const int before = FirstVisibleLine(memo);
  input::Press(down);
  Sleep(1200); // held: the bar repeats
  input::Release(down);
  const int after = FirstVisibleLine(memo);
  Print(L"down arrow held: first line " + std::to_wstring(before) + L" -> " + std::to_wstring(after));
  if (after <= before + 1) return Fail(L"the held down arrow did not repeat");

  b = ReadLogBar(memo);
  const POINT thumb{x, (b.thumbTop + b.thumbBottom) / 2};
  input::Press(thumb);
  input::MoveTo(POINT{x, thumb.y - 5});
  input::MoveTo(POINT{x, b.bar.top});
  input::Release(POINT{x, b.bar.top});
  if (!WaitFor([&] { return FirstVisibleLine(memo) == 0; })) return Fail(L"the thumb drag did not reach the top");
  Print(L"thumb dragged: first line " + std::to_wstring(after) + L" -> " + std::to_wstring(FirstVisibleLine(memo)));
  // Down a little again, so that the screenshot shows the thumb away from the top.
  input::Wheel(CentreOf(memo), -2);
  LetItPaint();
  return true;
}

HWND Gallery() { return FindWindowW(L"TfrmGallery", nullptr); }

bool CloseMenus(HWND gallery) {
  for (int i = 0; i < 3 && FindPopupMenu(gallery); ++i) {
    input::Key(VK_ESCAPE);
    Sleep(100);
  }
  input::Key(VK_ESCAPE); // the bar's own selection, if the menus left one
  return WaitFor([gallery] { return FindPopupMenu(gallery) == nullptr; }) || Fail(L"a menu stayed open");
}

bool GalleryDropDown(HWND gallery, const Arguments&) {
  SetForegroundWindow(gallery);
  input::KeyWith(VK_MENU, 'V');
  if (!WaitFor([gallery] { return FindPopupMenu(gallery) != nullptr; })) return Fail(L"Alt+V opened no menu");
  Sleep(200);
  input::Key(VK_UP);    // from the first item round to the last, the Icons sub-menu
  Sleep(100);
  input::Key(VK_RIGHT); // opens it
  LetItPaint();
  return true;
}

bool GalleryContext(HWND gallery, const Arguments&) {
  if (!CloseMenus(gallery)) return false;
  RECT r;
  GetWindowRect(gallery, &r);
  input::Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}, input::Button::Right);
  if (!WaitFor([gallery] { return FindPopupMenu(gallery) != nullptr; })) return Fail(L"no context menu opened");
  LetItPaint();
  return true;
}

bool GalleryMaximise(HWND gallery, const Arguments&) {
  if (!CloseMenus(gallery)) return false;
  input::DoubleClick(TitlePoint(gallery));
  if (!WaitFor([gallery] { return IsZoomed(gallery) != FALSE; })) return Fail(L"the gallery was not maximised");
  LetItPaint();
  return true;
}

bool GalleryRestore(HWND gallery, const Arguments&) {
  if (!CloseMenus(gallery)) return false;
  input::DoubleClick(TitlePoint(gallery));
  if (!WaitFor([gallery] { return IsZoomed(gallery) == FALSE; })) return Fail(L"the gallery was not restored");
  LetItPaint();
  return true;
}

struct ControlWalk {
  const wchar_t* className;
  bool (*test)(HWND);
  HWND found;
};

BOOL CALLBACK VisitGalleryControl(HWND child, LPARAM data) {
  auto& w = *reinterpret_cast<ControlWalk*>(data);
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  if (lstrcmpiW(name, w.className) != 0 || (w.test && !w.test(child))) return TRUE;
  w.found = child;
  return FALSE;
}

// The first window of the class among the gallery's descendants for which the test holds.
HWND GalleryControl(HWND gallery, const wchar_t* className, bool (*test)(HWND) = nullptr) {
  ControlWalk walk{className, test, nullptr};
  EnumChildWindows(gallery, VisitGalleryControl, reinterpret_cast<LPARAM>(&walk));
  if (!walk.found) Fail(std::wstring(L"no ") + className + L" in the gallery");
  return walk.found;
}

// Midnight cuts the lower corners out of the window's region; the default skin does not.
bool LowerCornerCut(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool cut = GetWindowRgn(window, region) != ERROR && !PtInRegion(region, 0, r.bottom - r.top - 1);
  DeleteObject(region);
  return cut;
}

bool GallerySkin(HWND gallery, const Arguments& a) {
  if (a.size() != 1 || (a[0] != L"default" && a[0] != L"midnight")) return Fail(L"gallery-skin default|midnight");
  if (!CloseMenus(gallery)) return false;
  // A click on the title makes it the active window with the keyboard, whatever a step before
  // left held or focused.
  input::Click(TitlePoint(gallery));
  Sleep(200);
  input::KeyWith(VK_MENU, 'K');
  if (!WaitFor([gallery] { return FindPopupMenu(gallery) != nullptr; })) return Fail(L"Alt+K opened no menu");
  Sleep(200);
  const bool midnight = a[0] == L"midnight";
  input::Key(midnight ? 'M' : 'D');
  if (!WaitFor([gallery, midnight] { return LowerCornerCut(gallery) == midnight; }))
    return Fail(L"the window did not take the skin's region");
  Sleep(700); // the repaint of every control after the switch
  return true;
}

bool GalleryCombo(HWND gallery, const Arguments&) {
  if (!CloseMenus(gallery)) return false;
  // The editable drop-down one, enabled, laid out left to right.
  HWND combo = GalleryControl(gallery, L"TComboBox", [](HWND w) {
    return (GetWindowLongPtrW(w, GWL_STYLE) & 3) == CBS_DROPDOWN && IsWindowEnabled(w) &&
           !(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
  });
  if (!combo) return false;
  SetForegroundWindow(gallery);
  RECT r{};
  GetWindowRect(combo, &r);
  input::Click(POINT{r.right - 8, (r.top + r.bottom) / 2});
  if (!WaitFor([combo] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }))
    return Fail(L"the combo box's list did not drop down");
  LetItPaint();
  return true;
}

bool GalleryHeaderHot(HWND gallery, const Arguments&) {
  input::Key(VK_ESCAPE);
  HWND header = GalleryControl(gallery, L"THeaderControl");
  if (!header) return false;
  RECT r{};
  GetWindowRect(header, &r);
  // Sections are laid out from the left; a third of the way in lies in the second.
  input::MoveTo(POINT{r.left + (r.right - r.left) * 2 / 5, (r.top + r.bottom) / 2});
  LetItPaint();
  return true;
}

bool GalleryUpDownHold(HWND gallery, const Arguments&) {
  // The one with a buddy edit, whose number the screenshot shows going down.
  HWND upDown = GalleryControl(gallery, L"TUpDown", [](HWND w) { return SendMessageW(w, UDM_GETBUDDY, 0, 0) != 0; });
  if (!upDown) return false;
  RECT r{};
  GetWindowRect(upDown, &r);
  input::Press(POINT{(r.left + r.right) / 2, r.bottom - (r.bottom - r.top) / 4});
  Sleep(600); // long enough for the control's own repeat to start
  return true;
}

bool GalleryRelease(HWND gallery, const Arguments&) {
  RECT r{};
  GetWindowRect(gallery, &r);
  const POINT away{r.left + 20, r.bottom - 40};
  input::MoveTo(away);
  input::Release(away);
  LetItPaint();
  return true;
}

struct GalleryStep {
  const wchar_t* name;
  bool (*play)(HWND gallery, const Arguments& arguments);
};

constexpr GalleryStep kGallerySteps[] = {
    {L"gallery-dropdown", GalleryDropDown},
    {L"gallery-context", GalleryContext},
    {L"gallery-maximise", GalleryMaximise},
    {L"gallery-restore", GalleryRestore},
    {L"gallery-skin", GallerySkin},
    {L"gallery-combo", GalleryCombo},
    {L"gallery-header-hot", GalleryHeaderHot},
    {L"gallery-updown-hold", GalleryUpDownHold},
    {L"gallery-release", GalleryRelease},
};

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
    {L"hover-close", 0, HoverClose, true}, {L"press-close", 0, PressClose, true},
    {L"release-away", 0, ReleaseAway, true}, {L"minimize", 0, Minimize, true},
    {L"restore", 0, Restore, true},      {L"system-menu", 0, SystemMenu, true},
    {L"escape", 0, Escape, true},        {L"blank-ip", 0, BlankIp, true},
    {L"deactivate", 0, Deactivate, true},
    {L"hover-button", 0, HoverButton, true}, {L"press-button", 0, PressButton, true},
    {L"release-button-away", 0, ReleaseButtonAway, true}, {L"disable-button", 0, DisableButton, true},
    {L"enable-button", 0, EnableButtonStep, true}, {L"type-option", 1, TypeOption, true},
    {L"tab", 1, Tab, true},              {L"scroll-log", 0, ScrollLog, true},
    {L"fill-log", 0, FillLog, true},
};

void Report(HWND mainWindow) {
  if (HWND dialog = FindMessageDialog(mainWindow)) Print(L"dialog: " + DialogText(dialog));
  if (HWND memo = FindControl(mainWindow, Control::Memo1)) Print(L"log:\n" + TextOf(memo));
}

int Play(const Arguments& command) {
  if (command.empty()) return 2;
  if (command[0] == L"wait") return WaitForMainWindow(60000) ? 0 : (Fail(L"no main window"), 1);
  for (const auto& step : kGallerySteps) {
    if (command[0] != step.name) continue;
    HWND gallery = Gallery();
    if (!gallery) return Fail(L"no gallery window \"TfrmGallery\""), 1;
    return step.play(gallery, Arguments(command.begin() + 1, command.end())) ? 0 : 1;
  }
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
                              "set <option> <value>|restart|dismiss|log|close|hover-close|press-close|"
                              "release-away|minimize|restore|system-menu|escape|blank-ip|deactivate|hover-button|press-button|"
                              "release-button-away|disable-button|enable-button|type-option <text>|tab <n>|fill-log|scroll-log|"
                              "gallery-dropdown|gallery-context|gallery-maximise|gallery-restore|gallery-skin <name>|\n"
                              "gallery-combo|gallery-header-hot|gallery-updown-hold|gallery-release\n", stderr);
  return status;
}
