#include "framework/Classes.h"

#include <algorithm>

#include "core/Errors.h"

namespace vcu {

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> properties)
    : name_(std::move(name)), parent_(parent), properties_(std::move(properties)) {}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const {
  const std::string wanted = AsciiLower(name);
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPropInfo& p : c->properties_)
      if (AsciiLower(p.name) == wanted) return &p;
  return nullptr;
}

bool TClassInfo::InheritsFrom(const std::string& className) const {
  const std::string wanted = AsciiLower(className);
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (AsciiLower(c->name_) == wanted) return true;
  return false;
}

const TClassInfo& TObject::ClassInfo() {
  static const TClassInfo info("TObject", nullptr, {});
  return info;
}

const TClassInfo& TPersistent::ClassInfo() {
  static const TClassInfo info("TPersistent", &TObject::ClassInfo(), {});
  return info;
}

// ---- TComponent

const TClassInfo& TComponent::ClassInfo() {
  static const TClassInfo info("TComponent", &TPersistent::ClassInfo(),
                               {StringProperty("Name", &TComponent::Name, &TComponent::SetName),
                                IntegerProperty("Tag", &TComponent::Tag, &TComponent::SetTag)});
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Those that asked hear of this component's end while it is still whole.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    other->freeNotifies_.erase(std::remove(other->freeNotifies_.begin(), other->freeNotifies_.end(), this),
                               other->freeNotifies_.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it == components_.end()) return;
  components_.erase(it);
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
  component->freeNotifies_.erase(
      std::remove(component->freeNotifies_.begin(), component->freeNotifies_.end(), this),
      component->freeNotifies_.end());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  const std::string wanted = AsciiLower(name);
  for (TComponent* c : components_)
    if (AsciiLower(c->name_) == wanted) return c;
  return nullptr;
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (owner_ && owner_->FindComponent(name))
    throw Exception("A component named " + name + " already exists");
  name_ = name;
}

void TComponent::SetLoading(bool loading) {
  if (loading) state_ |= csLoading;
  else state_ &= ~static_cast<unsigned>(csLoading);
}

void TComponent::Loaded() { SetLoading(false); }

TNotifyEvent TComponent::MethodAddress(const std::string&) { return nullptr; }

// ---- TStrings

const TClassInfo& TStrings::ClassInfo() {
  TPropInfo strings;
  strings.name = "Strings";
  strings.kind = TPropKind::StringList;
  strings.setList = [](TObject& o, const std::vector<std::string>& lines) {
    static_cast<TStrings&>(o).Assign(lines);
  };
  static const TClassInfo info("TStrings", &TPersistent::ClassInfo(), {strings});
  return info;
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) text += Get(i) + "\r\n";
  return text;
}

void TStrings::SetText(const std::string& text) {
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    Add(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
}

void TStrings::Assign(const std::vector<std::string>& lines) {
  Clear();
  for (const std::string& line : lines) Add(line);
}

const TClassInfo& TStringList::ClassInfo() {
  static const TClassInfo info("TStringList", &TStrings::ClassInfo(), {});
  return info;
}

} // namespace vcu
