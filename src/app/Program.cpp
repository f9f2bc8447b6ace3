// The program entry: the application object, its title, the main window built from its stored
// layout (whose FormCreate creates the terminal kit object), the message loop, then the end in
// its fixed order.
#include <windows.h>

#include "app/Main.h"
#include "app/Startup.h"
#include "skin/data/ProgramResources.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vcu::InitialiseApplication();
  try {
    HWND window = vcu::Application->CreateForm<vcu::TfrmMain>()->Handle();
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(vcu::LoadProgramIcon(
        GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON))));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(vcu::LoadProgramIcon(
        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))));
  } catch (const std::exception& error) {
    vcu::Application->ShowException(error); // a layout the program cannot read
    vcu::ShutdownApplication();
    return 1;
  }
  vcu::Application->Run();
  vcu::ShutdownApplication();
  return 0;
}
