#include "MainWindowTesting.h"

#include <windows.h>

#include "app/Startup.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "support/Pump.h"

namespace vcu::test {

ApplicationScope::ApplicationScope() : app_(std::make_unique<TApplication>(nullptr)), saved_(Application) {
  Application = app_.get();
  InitialiseApplication();
}

ApplicationScope::~ApplicationScope() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
  Application = saved_;
}

bool WaitUntilSkinned(TForm& form) {
  Pump();
  return PumpUntil([&form] {
    TWinSkinForm* skinned = TSkinManage::Instance() ? TSkinManage::Instance()->FindSkinForm(form.Handle()) : nullptr;
    return skinned && skinned->State() == lsRunning;
  }, "the main window to be skinned");
}

} // namespace vcu::test
