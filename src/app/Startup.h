#pragma once
// The program's start-up before its main window: the application object, its title and the
// skin engine the window's layout relies on. The program entry and the tests share it.
namespace vcu {

constexpr const char* kApplicationTitle = "Vantorix Config Update";

void InitialiseApplication();

} // namespace vcu
