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

} // namespace vcu::input
