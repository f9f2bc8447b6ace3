#pragma once
// The stand-in kit's COM object: IZKEM over a simulated terminal. It turns each call into the
// terminal's terms (BSTR <-> std::wstring, COM Booleans), records it, applies the steering and
// then the simulation. Every method the program does not use answers E_NOTIMPL.
#include <functional>
#include <memory>

#include "kit-interface/IZKEM.h"
#include "kit-sim/ComObject.h"
#include "kit-sim/Terminal.h"

namespace vcu::kitsim {

class KitObject final : public ComObject<IZKEM> {
public:
  explicit KitObject(std::shared_ptr<Terminal> terminal) : terminal_(std::move(terminal)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  // IDispatch: present because IZKEM is dual; nobody binds late to the stand-in.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override;

#define VCU_KIT_UNUSED(n) \
  HRESULT STDMETHODCALLTYPE Unused##n() override { return E_NOTIMPL; }
#define VCU_KIT_METHOD(name, parameters) HRESULT STDMETHODCALLTYPE name parameters override;
  VCU_IZKEM_METHODS(VCU_KIT_UNUSED, VCU_KIT_METHOD)
#undef VCU_KIT_UNUSED
#undef VCU_KIT_METHOD

private:
  enum class TextPassing { Out, InOut };
  using TextAnswer = std::function<std::optional<std::wstring>()>;

  HRESULT Answer(Operation operation, std::vector<std::wstring> arguments,
                 VARIANT_BOOL* result, const std::function<bool()>& simulate);
  HRESULT AnswerText(Operation operation, std::vector<std::wstring> arguments, BSTR* text,
                     TextPassing passing, VARIANT_BOOL* result, const TextAnswer& simulate);
  HRESULT AnswerIdentity(Operation operation, std::optional<LONG> machineNumber, BSTR* text,
                         TextPassing passing, VARIANT_BOOL* result);

  std::shared_ptr<Terminal> terminal_;
};

} // namespace vcu::kitsim
