#pragma once
// What the tests of the real main window share: a fresh application object per test, and the
// wait until the window's first activation has skinned it.
#include <memory>

#include "framework/Forms.h"

namespace vcu {

class TForm;

namespace test {

// A fresh application object per test, started as the program starts it: a test that
// terminates the application must not end the loops of the tests after it.
class ApplicationScope {
public:
  ApplicationScope();
  ~ApplicationScope();
  ApplicationScope(const ApplicationScope&) = delete;
  ApplicationScope& operator=(const ApplicationScope&) = delete;

private:
  std::unique_ptr<TApplication> app_;
  TApplication* saved_;
};

// Pumps until the skin manager runs a skinner for the shown form; the test fails at the
// deadline (false then).
bool WaitUntilSkinned(TForm& form);

} // namespace test
} // namespace vcu
