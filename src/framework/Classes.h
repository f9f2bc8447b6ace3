#pragma once
// The root of the component framework: objects that know their class chain and their
// published properties, components with an owner that frees what it owns, and string lists.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/text/AsciiText.h"

namespace vcu {

class TObject;
class TComponent;

// A method reference: code bound to its object, as event handlers are.
using TNotifyEvent = std::function<void(TObject* sender)>;

// Identifiers that stand for integer values in a layout (clBlue, crHandPoint, ...).
using TIdentMap = std::vector<std::pair<std::string, std::int64_t>>;

enum class TPropKind { Integer, Enumeration, String, Set, Object, StringList, Method, Binary };

// One published property: its kind and how to read and write it on an instance of the class
// that publishes it. Booleans are enumerations of "False" and "True".
struct TPropInfo {
  std::string name;
  TPropKind kind = TPropKind::Integer;
  std::vector<std::string> names; // enumeration / set members by ordinal
  const TIdentMap* idents = nullptr;
  std::function<std::int64_t(const TObject&)> getOrd; // Integer, Enumeration, Set
  std::function<void(TObject&, std::int64_t)> setOrd;
  std::function<std::string(const TObject&)> getText;
  std::function<void(TObject&, const std::string&)> setText;
  std::function<TObject*(const TObject&)> getObject;
  // A reference to another component, given in a layout by its name (Object kind).
  std::function<void(TObject&, TObject*)> setObject;
  std::function<void(TObject&, const std::vector<std::string>&)> setList;
  std::function<void(TObject&, TNotifyEvent)> setMethod;
  std::function<void(TObject&, const std::vector<std::uint8_t>&)> readBinary;
};

// A class's name, its parent class and the properties it publishes itself.
class TClassInfo {
public:
  TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> properties);
  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  // Searches this class, then its ancestors; names compare without regard to case.
  const TPropInfo* FindProperty(const std::string& name) const;
  bool InheritsFrom(const std::string& className) const;

private:
  std::string name_;
  const TClassInfo* parent_;
  std::vector<TPropInfo> properties_;
};

class TObject {
public:
  virtual ~TObject() = default;
  static const TClassInfo& ClassInfo();
  virtual const TClassInfo& ClassType() const { return ClassInfo(); }
  const std::string& ClassName() const { return ClassType().Name(); }
  // True for this class and every ancestor's name ("TButton" for a TButton, "TWinControl", ...).
  bool InheritsFrom(const std::string& className) const { return ClassType().InheritsFrom(className); }
};

class TPersistent : public TObject {
public:
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

enum TComponentStateFlag : unsigned { csLoading = 1, csDestroying = 2, csDesigning = 4 };
enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  TComponent* FindComponent(const std::string& name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees every owned component, last first.
  void DestroyComponents();

  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  std::int64_t Tag() const { return tag_; }
  void SetTag(std::int64_t tag) { tag_ = tag; }

  unsigned ComponentState() const { return state_; }
  void SetLoading(bool loading);
  // Called once the whole stored layout that created this component has been read.
  virtual void Loaded();
  // The event handler published under a name, for the layout reader; empty when unknown.
  virtual TNotifyEvent MethodAddress(const std::string& name);

  // Components that sit inside another one in a stored layout without being controls (menu
  // items in their menu) answer true and are handed the enclosing component.
  virtual bool HasParent() const { return false; }
  virtual void SetParentComponent(TComponent*) {}
  virtual TComponent* GetParentComponent() const { return nullptr; }

  // Asks to be told (Notification with opRemove) when `component` is freed; either side may go
  // first. A component that refers to another it does not own uses it.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  virtual void Notification(TComponent*, TOperation) {}

protected:
  void Destroying() { state_ |= csDestroying; }

private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  std::int64_t tag_ = 0;
  unsigned state_ = 0;
};

// An ordered list of lines.
class TStrings : public TPersistent {
public:
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Add(const std::string& line) = 0;
  virtual void Clear() = 0;
  // Every line followed by CR LF.
  virtual std::string Text() const;
  virtual void SetText(const std::string& text);
  void Assign(const std::vector<std::string>& lines);
};

class TStringList : public TStrings {
public:
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override { return lines_.at(index); }
  void Add(const std::string& line) override { lines_.push_back(line); }
  void Clear() override { lines_.clear(); }

private:
  std::vector<std::string> lines_;
};

// Builders of property descriptions, for the classes' own ClassInfo().
template <class C, class V>
TPropInfo IntegerProperty(const char* name, V (C::*get)() const, void (C::*set)(V),
                          const TIdentMap* idents = nullptr) {
  TPropInfo p;
  p.name = name;
  p.kind = TPropKind::Integer;
  p.idents = idents;
  p.getOrd = [get](const TObject& o) { return static_cast<std::int64_t>((static_cast<const C&>(o).*get)()); };
  p.setOrd = [set](TObject& o, std::int64_t v) { (static_cast<C&>(o).*set)(static_cast<V>(v)); };
  return p;
}

template <class C, class E>
TPropInfo EnumProperty(const char* name, std::vector<std::string> names, E (C::*get)() const,
                       void (C::*set)(E)) {
  TPropInfo p;
  p.name = name;
  p.kind = TPropKind::Enumeration;
  p.names = std::move(names);
  p.getOrd = [get](const TObject& o) { return static_cast<std::int64_t>((static_cast<const C&>(o).*get)()); };
  p.setOrd = [set](TObject& o, std::int64_t v) { (static_cast<C&>(o).*set)(static_cast<E>(v)); };
  return p;
}

template <class C>
TPropInfo BoolProperty(const char* name, bool (C::*get)() const, void (C::*set)(bool)) {
  return EnumProperty<C, bool>(name, {"False", "True"}, get, set);
}

// A set of enumeration members, held as a bit mask (bit n = member n).
template <class C>
TPropInfo SetProperty(const char* name, std::vector<std::string> names, unsigned (C::*get)() const,
                      void (C::*set)(unsigned)) {
  TPropInfo p = EnumProperty<C, unsigned>(name, std::move(names), get, set);
  p.kind = TPropKind::Set;
  return p;
}

template <class C>
TPropInfo StringProperty(const char* name, std::string (C::*get)() const,
                         void (C::*set)(const std::string&)) {
  TPropInfo p;
  p.name = name;
  p.kind = TPropKind::String;
  p.getText = [get](const TObject& o) { return (static_cast<const C&>(o).*get)(); };
  p.setText = [set](TObject& o, const std::string& v) { (static_cast<C&>(o).*set)(v); };
  return p;
}

template <class C, class T>
TPropInfo ObjectProperty(const char* name, T* (C::*get)() const) {
  TPropInfo p;
  p.name = name;
  p.kind = TPropKind::Object;
  p.getObject = [get](const TObject& o) -> TObject* { return (static_cast<const C&>(o).*get)(); };
  return p;
}

// A reference to a component of class T that the layout names (Menu = MainMenu1).
template <class C, class T>
TPropInfo ComponentProperty(const char* name, T* (C::*get)() const, void (C::*set)(T*)) {
  TPropInfo p = ObjectProperty(name, get);
  p.setObject = [set](TObject& o, TObject* value) {
    T* typed = dynamic_cast<T*>(value);
    if (value && !typed) throw std::invalid_argument("the component is not a " + T::ClassInfo().Name());
    (static_cast<C&>(o).*set)(typed);
  };
  return p;
}

template <class C>
TPropInfo EventProperty(const char* name, void (C::*set)(TNotifyEvent)) {
  TPropInfo p;
  p.name = name;
  p.kind = TPropKind::Method;
  p.setMethod = [set](TObject& o, TNotifyEvent e) { (static_cast<C&>(o).*set)(std::move(e)); };
  return p;
}

} // namespace vcu
