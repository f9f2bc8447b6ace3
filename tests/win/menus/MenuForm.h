#pragma once
// A form with a menu bar and a context menu read from a layout, recording every OnClick, and
// what the tests read back of the native menus it shows.
#include <string>
#include <vector>

#include "framework/Forms.h"

namespace vcu::test {

extern const char kMenuFormLayout[];

class TMenuTestForm : public TForm {
public:
  using TForm::TForm;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  TNotifyEvent MethodAddress(const std::string& name) override;

  TMenuItem* Item(const std::string& name) { return dynamic_cast<TMenuItem*>(FindComponent(name)); }
  // Names of the items clicked, in order.
  std::vector<std::string> clicks;
};

// A new form read from kMenuFormLayout (or the given layout), with its window made.
TMenuTestForm* NewMenuForm(const char* layout = kMenuFormLayout);

// One entry of a native menu as the system reports it.
struct NativeEntry {
  std::string text;
  UINT type = 0;  // MFT_* bits
  UINT state = 0; // MFS_* bits
  UINT id = 0;
  HMENU subMenu = nullptr;
};
std::vector<NativeEntry> NativeEntries(HMENU menu);

} // namespace vcu::test
