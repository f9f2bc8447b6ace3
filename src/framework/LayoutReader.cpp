#include "framework/LayoutReader.h"

#include <map>

#include <windows.h>

#include "framework/ComboBox.h"
#include "framework/ComCtrls.h"
#include "framework/Controls.h"
#include "framework/Buttons.h"
#include "framework/ExtCtrls.h"
#include "framework/ListView.h"
#include "framework/Menus.h"
#include "framework/ScrollBar.h"
#include "framework/StatusBar.h"
#include "framework/StdCtrls.h"

namespace vcu {
namespace {

std::map<std::string, TComponentFactory>& ClassRegistry() {
  static std::map<std::string, TComponentFactory> registry = [] {
    std::map<std::string, TComponentFactory> standard;
    auto add = [&standard](auto* tag) {
      using T = std::remove_pointer_t<decltype(tag)>;
      standard[AsciiLower(T::ClassInfo().Name())] = [](TComponent* owner) { return new T(owner); };
    };
    add(static_cast<TLabel*>(nullptr));
    add(static_cast<TButton*>(nullptr));
    add(static_cast<TEdit*>(nullptr));
    add(static_cast<TMemo*>(nullptr));
    add(static_cast<TGroupBox*>(nullptr));
    add(static_cast<TRadioButton*>(nullptr));
    add(static_cast<TCheckBox*>(nullptr));
    add(static_cast<TComboBox*>(nullptr));
    add(static_cast<TPanel*>(nullptr));
    add(static_cast<TBitBtn*>(nullptr));
    add(static_cast<TSpeedButton*>(nullptr));
    add(static_cast<TScrollBar*>(nullptr));
    add(static_cast<TMainMenu*>(nullptr));
    add(static_cast<TPopupMenu*>(nullptr));
    add(static_cast<TMenuItem*>(nullptr));
    add(static_cast<TUpDown*>(nullptr));
    add(static_cast<TTrackBar*>(nullptr));
    add(static_cast<TProgressBar*>(nullptr));
    add(static_cast<TStatusBar*>(nullptr));
    add(static_cast<TStatusPanel*>(nullptr));
    add(static_cast<THeaderControl*>(nullptr));
    add(static_cast<THeaderSection*>(nullptr));
    add(static_cast<TListView*>(nullptr));
    add(static_cast<TListColumn*>(nullptr));
    return standard;
  }();
  return registry;
}

class LayoutBuilder {
public:
  explicit LayoutBuilder(TComponent& root) : root_(root) {}

  void Build(const TLayoutObject& doc) {
    if (AsciiLower(doc.className) != AsciiLower(root_.ClassName()))
      throw ELayoutError("the layout describes a " + doc.className + ", not a " + root_.ClassName(), doc.line);
    try {
      Begin(root_, doc);
      ApplyProperties(root_, doc);
      auto* parent = dynamic_cast<TWinControl*>(&root_);
      for (const TLayoutObject& child : doc.children) ReadChild(child, parent, root_);
      ResolveReferences();
    } catch (...) {
      for (TComponent* c : loaded_) c->SetLoading(false);
      throw;
    }
    for (TComponent* c : loaded_) c->Loaded();
  }

private:
  void Begin(TComponent& component, const TLayoutObject& node) {
    component.SetLoading(true);
    loaded_.push_back(&component);
    Guard(node.line, [&] { component.SetName(node.name); });
  }

  // enclosing: the component whose object block holds this one.
  void ReadChild(const TLayoutObject& node, TWinControl* parent, TComponent& enclosing) {
    TComponentFactory factory = FindComponentClass(node.className);
    if (!factory) throw ELayoutError("unknown class " + node.className, node.line);
    TComponent* component = factory(&root_);
    Begin(*component, node);
    if (component->HasParent()) {
      Guard(node.line, [&] { component->SetParentComponent(&enclosing); });
    } else if (auto* control = dynamic_cast<TControl*>(component)) {
      if (!parent) throw ELayoutError("control " + node.name + " has no windowed control to sit on", node.line);
      control->SetParent(parent);
    }
    ApplyProperties(*component, node);
    auto* container = dynamic_cast<TWinControl*>(component);
    for (const TLayoutObject& child : node.children) ReadChild(child, container ? container : parent, *component);
  }

  // References name components that may come later in the layout: they are set once every
  // component exists.
  struct Reference {
    TObject* object;
    const TPropInfo* info;
    std::string name;
    int line;
  };

  void ResolveReferences() {
    for (const Reference& ref : references_) {
      TComponent* target = AsciiLower(ref.name) == AsciiLower(root_.Name()) ? &root_ : root_.FindComponent(ref.name);
      if (!target) throw ELayoutError("no component named " + ref.name + " for property " + ref.info->name, ref.line);
      Guard(ref.line, [&] { ref.info->setObject(*ref.object, target); });
    }
  }

  void ApplyProperties(TObject& target, const TLayoutObject& node) {
    for (const TLayoutProperty& prop : node.properties) ApplyProperty(target, prop);
  }

  // "Font.Style": every part but the last names an object property of the one before.
  void ApplyProperty(TObject& target, const TLayoutProperty& prop) {
    TObject* object = &target;
    size_t start = 0;
    for (size_t dot; (dot = prop.name.find('.', start)) != std::string::npos; start = dot + 1) {
      const TPropInfo* info = Find(*object, prop.name.substr(start, dot - start), prop.line);
      TObject* next = info->kind == TPropKind::Object ? info->getObject(*object) : nullptr;
      if (!next) throw ELayoutError(info->name + " is not an object property", prop.line);
      object = next;
    }
    const TPropInfo* info = Find(*object, prop.name.substr(start), prop.line);
    Guard(prop.line, [&] { SetValue(*object, *info, prop.value, prop.line); });
  }

  const TPropInfo* Find(const TObject& object, const std::string& name, int line) {
    const TPropInfo* info = object.ClassType().FindProperty(name);
    if (!info) throw ELayoutError("property " + name + " does not exist in " + object.ClassName(), line);
    return info;
  }

  void SetValue(TObject& object, const TPropInfo& info, const TLayoutValue& value, int line) {
    using Kind = TLayoutValue::Kind;
    auto fail = [&](const std::string& what) { throw ELayoutError(what + " for property " + info.name, line); };
    switch (info.kind) {
    case TPropKind::Integer:
      info.setOrd(object, IntegerValue(info, value, fail));
      return;
    case TPropKind::Enumeration:
      if (value.kind != Kind::Ident) fail("identifier expected");
      info.setOrd(object, MemberIndex(info, value.text, fail));
      return;
    case TPropKind::Set: {
      if (value.kind != Kind::Set) fail("set expected");
      std::int64_t bits = 0;
      for (const std::string& member : value.items) bits |= std::int64_t{1} << MemberIndex(info, member, fail);
      info.setOrd(object, bits);
      return;
    }
    case TPropKind::String:
      if (value.kind != Kind::String) fail("string expected");
      info.setText(object, value.text);
      return;
    case TPropKind::StringList:
      if (value.kind != Kind::List) fail("list of strings expected");
      info.setList(object, value.items);
      return;
    case TPropKind::Method: {
      if (value.kind != Kind::Ident) fail("method name expected");
      TNotifyEvent handler = root_.MethodAddress(value.text);
      if (!handler) fail("no method " + value.text);
      info.setMethod(object, std::move(handler));
      return;
    }
    case TPropKind::Binary:
      if (value.kind != Kind::Binary) fail("binary value expected");
      info.readBinary(object, value.bytes);
      return;
    case TPropKind::Object:
      if (!info.setObject) fail("an object cannot be given a value; set its properties");
      if (value.kind != Kind::Ident) fail("component name expected");
      references_.push_back(Reference{&object, &info, value.text, line});
      return;
    }
  }

  template <class Fail>
  static std::int64_t IntegerValue(const TPropInfo& info, const TLayoutValue& value, Fail fail) {
    if (value.kind == TLayoutValue::Kind::Ident && info.idents) {
      for (const auto& [name, number] : *info.idents)
        if (AsciiLower(name) == AsciiLower(value.text)) return number;
      fail("unknown identifier " + value.text);
    }
    if (value.kind != TLayoutValue::Kind::Integer) fail("integer expected");
    // 32 bits, signed or not: colours are written as unsigned hexadecimal.
    if (value.integer < INT32_MIN || value.integer > static_cast<std::int64_t>(UINT32_MAX)) fail("integer out of range");
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value.integer));
  }

  template <class Fail>
  static int MemberIndex(const TPropInfo& info, const std::string& name, Fail fail) {
    for (size_t i = 0; i < info.names.size(); ++i)
      if (AsciiLower(info.names[i]) == AsciiLower(name)) return static_cast<int>(i);
    fail(name + " is not a member");
    return 0;
  }

  // Errors raised by a component while it takes a value name the layout line as well.
  template <class F> static void Guard(int line, F action) {
    try {
      action();
    } catch (const ELayoutError&) {
      throw;
    } catch (const std::exception& error) {
      throw ELayoutError(error.what(), line);
    }
  }

  TComponent& root_;
  std::vector<TComponent*> loaded_;
  std::vector<Reference> references_;
};

} // namespace

void RegisterComponentClass(const std::string& className, TComponentFactory factory) {
  ClassRegistry()[AsciiLower(className)] = std::move(factory);
}

TComponentFactory FindComponentClass(const std::string& className) {
  auto it = ClassRegistry().find(AsciiLower(className));
  return it == ClassRegistry().end() ? TComponentFactory() : it->second;
}

void ReadComponentLayout(TComponent& root, const std::string& text) { LayoutBuilder(root).Build(ParseLayout(text)); }

bool LoadLayoutResource(const std::string& className, std::string& text) {
  std::string name;
  for (char c : className) name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
  if (!resource) return false;
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return false;
  text.assign(static_cast<const char*>(bytes), SizeofResource(module, resource));
  return true;
}

} // namespace vcu
