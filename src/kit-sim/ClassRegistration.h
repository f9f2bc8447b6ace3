#pragma once
// Registers the stand-in kit's class object in this process, so that creating the kit's class
// (CoCreateInstance of CLSID_CZKEM, as TCZKEM does) yields a kit object attached to a terminal
// the caller steers. Nothing is written to the registry. COM must be initialised on the
// calling thread for the registration's whole life.
//
//   vcu::kitsim::ClassRegistration kit;            // a fresh terminal with default settings
//   kit.terminal().settings.refuseNetwork = true;  // steer it
//   ... create TCZKEM, drive the window ...
//   kit.terminal().Calls();                        // what crossed the boundary
#include <memory>

#include "kit-sim/Terminal.h"

namespace vcu::kitsim {

class ClassRegistration {
public:
  // Raises std::runtime_error naming the HRESULT when COM refuses the registration.
  explicit ClassRegistration(std::shared_ptr<Terminal> terminal = std::make_shared<Terminal>());
  ~ClassRegistration(); // revokes the class object; kit objects already made live on
  ClassRegistration(const ClassRegistration&) = delete;
  ClassRegistration& operator=(const ClassRegistration&) = delete;

  Terminal& terminal() const { return *terminal_; }
  const std::shared_ptr<Terminal>& sharedTerminal() const { return terminal_; }

private:
  std::shared_ptr<Terminal> terminal_;
  DWORD cookie_ = 0;
};

} // namespace vcu::kitsim
