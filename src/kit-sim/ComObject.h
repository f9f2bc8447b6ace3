#pragma once
// Reference counting and interface lookup shared by the stand-in kit's COM objects. Each live
// object keeps the module in use. The virtual destructor's table entry comes after every
// method of `Interface`, so the interface's own table is unchanged.
#include <windows.h>
#include <unknwn.h>

#include <initializer_list>

#include "kit-sim/ModuleLock.h"

namespace vcu::kitsim {

template <class Interface>
class ComObject : public Interface {
public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

protected:
  ComObject() { AddModuleRef(); } // created with one reference, the creator's
  virtual ~ComObject() { ReleaseModuleRef(); }

  // QueryInterface for an object that offers exactly `offered` (IUnknown among them).
  HRESULT Offer(REFIID iid, void** object, std::initializer_list<const IID*> offered) {
    if (!object) return E_POINTER;
    *object = nullptr;
    for (const IID* candidate : offered) {
      if (IsEqualIID(iid, *candidate)) {
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
      }
    }
    return E_NOINTERFACE;
  }

private:
  long refs_ = 1;
};

} // namespace vcu::kitsim
