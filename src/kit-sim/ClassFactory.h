#pragma once
// The class object of the stand-in kit: makes kit objects, each attached to the terminal the
// factory's source hands out (a shared steered terminal in tests, a fresh one configured from
// the environment in the DLL).
#include <functional>
#include <memory>

#include <windows.h>
#include <unknwn.h>

#include "kit-sim/ComObject.h"
#include "kit-sim/Terminal.h"

namespace vcu::kitsim {

class ClassFactory final : public ComObject<IClassFactory> {
public:
  // The source may throw: creation then fails with E_INVALIDARG.
  using TerminalSource = std::function<std::shared_ptr<Terminal>()>;

  explicit ClassFactory(TerminalSource source) : source_(std::move(source)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    return Offer(iid, object, {&IID_IUnknown, &IID_IClassFactory});
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
  TerminalSource source_;
};

} // namespace vcu::kitsim
