// The program entry: the application object, its title, the main window built from its stored
// layout (whose FormCreate creates the terminal kit object), then the message loop.
#include <windows.h>

#include "app/Main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vcu::Application->Initialize();
  vcu::Application->SetTitle("Vantorix Config Update");
  try {
    vcu::Application->CreateForm<vcu::TfrmMain>();
  } catch (const std::exception& error) {
    vcu::Application->ShowException(error); // a layout the program cannot read
    return 1;
  }
  vcu::Application->Run();
  return 0;
}
