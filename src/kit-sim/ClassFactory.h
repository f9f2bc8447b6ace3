#pragma once
// The class object of the stand-in kit: makes kit objects, each attached to the terminal the
// factory's source hands out (a shared steered terminal in tests, a fresh one configured from
// the environment in the DLL).
#include <functional>
#include <memory>

#include <windows.h>
#include <unknwn.h>

#include "kit-sim/Terminal.h"

namespace vcu::kitsim {

class ClassFactory final : public IClassFactory {
public:
  // The source may throw: creation then fails with E_INVALIDARG.
  using TerminalSource = std::function<std::shared_ptr<Terminal>()>;

  explicit ClassFactory(TerminalSource source);
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
  ~ClassFactory();

  TerminalSource source_;
  long refs_ = 1;
};

} // namespace vcu::kitsim
