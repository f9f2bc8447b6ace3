#pragma once
// Real input, as a user's mouse and keyboard give it: the pointer is put on the screen point
// and the buttons and keys go through SendInput, so the system hit-tests and routes them to
// whatever window is there (non-client area, menus and capture included).
#include <string>

#include <windows.h>

namespace vcu::input {

enum class Button { Left, Right };

// The pointer to the screen point, with a mouse move reported there.
void MoveTo(POINT screen);
void Press(POINT screen, Button button = Button::Left);
void Release(POINT screen, Button button = Button::Left);
void Click(POINT screen, Button button = Button::Left);
// Two left clicks at one point, well inside the double-click time.
void DoubleClick(POINT screen);
// A key pressed and released.
void Key(WORD virtualKey);
// A key pressed and released while another (Shift, Control) is held.
void KeyWith(WORD held, WORD virtualKey);
// The characters typed one by one, as a keyboard that has them would.
void Type(const std::wstring& text);
// The wheel turned by `notches` (positive: away from the user) with the pointer at the point.
void Wheel(POINT screen, int notches);

} // namespace vcu::input
