#pragma once
// The program's start-up before its main window: the application object, its title and the
// skin engine the window's layout relies on. The program entry and the tests share it.
namespace vcu {

constexpr const char* kApplicationTitle = "Vantorix Config Update";

void InitialiseApplication();
// The program's end, in a fixed order: the skin manager gives every skinned window back first,
// then the application frees its forms. Left to static destruction, the manager could meet
// forms that are already gone.
void ShutdownApplication();

} // namespace vcu
