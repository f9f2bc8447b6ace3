#include "kit-sim/ClassRegistration.h"

#include <cstdio>
#include <stdexcept>

#include "kit-interface/IZKEM.h"
#include "kit-sim/ClassFactory.h"

namespace vcu::kitsim {

ClassRegistration::ClassRegistration(std::shared_ptr<Terminal> terminal)
    : terminal_(std::move(terminal)) {
  auto* factory = new ClassFactory([shared = terminal_] { return shared; });
  const HRESULT hr = CoRegisterClassObject(CLSID_CZKEM, factory, CLSCTX_INPROC_SERVER,
                                           REGCLS_MULTIPLEUSE, &cookie_);
  factory->Release(); // COM holds its own reference while registered
  if (FAILED(hr)) {
    char text[64];
    std::snprintf(text, sizeof text, "CoRegisterClassObject failed: 0x%08lX",
                  static_cast<unsigned long>(hr));
    throw std::runtime_error(text);
  }
}

ClassRegistration::~ClassRegistration() { CoRevokeClassObject(cookie_); }

} // namespace vcu::kitsim
