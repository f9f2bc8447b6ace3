#include "kit-sim/ClassFactory.h"

#include "kit-sim/KitObject.h"
#include "kit-sim/ModuleLock.h"

namespace vcu::kitsim {

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  std::shared_ptr<Terminal> terminal;
  try {
    terminal = source_();
  } catch (const std::exception& error) {
    OutputDebugStringA((std::string("stand-in kit: ") + error.what() + "\n").c_str());
    return E_INVALIDARG;
  }
  KitObject* kit = new KitObject(std::move(terminal));
  const HRESULT hr = kit->QueryInterface(iid, object);
  kit->Release();
  return hr;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock)
    AddModuleRef();
  else
    ReleaseModuleRef();
  return S_OK;
}

} // namespace vcu::kitsim
