#include "RealInput.h"

namespace vcu::input {
namespace {

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

DWORD DownFlag(Button button) { return button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN; }
DWORD UpFlag(Button button) { return button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP; }

} // namespace

void MoveTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  // A relative move by nothing: the move is reported where the pointer now is.
  SendMouse(MOUSEEVENTF_MOVE);
}

void Press(POINT screen, Button button) {
  MoveTo(screen);
  SendMouse(DownFlag(button));
}

void Release(POINT screen, Button button) {
  MoveTo(screen);
  SendMouse(UpFlag(button));
}

void Click(POINT screen, Button button) {
  Press(screen, button);
  SendMouse(UpFlag(button));
}

void DoubleClick(POINT screen) {
  Click(screen);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
}

void Key(WORD virtualKey) {
  INPUT keys[2]{};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof keys[0]);
}

void KeyWith(WORD held, WORD virtualKey) {
  INPUT keys[4]{};
  for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[3].ki.wVk = held;
  keys[1].ki.wVk = keys[2].ki.wVk = virtualKey;
  keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, keys, sizeof keys[0]);
}

void Type(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wScan = keys[1].ki.wScan = c;
    keys[0].ki.dwFlags = KEYEVENTF_UNICODE;
    keys[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
  }
}

void Wheel(POINT screen, int notches) {
  MoveTo(screen);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_WHEEL;
  input.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
  SendInput(1, &input, sizeof input);
}

} // namespace vcu::input
