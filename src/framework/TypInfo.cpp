#include "framework/TypInfo.h"

#include <cstdlib>

namespace vcu {

const TPropInfo* GetPropInfo(const TObject* object, const std::string& name) {
  return object ? object->ClassType().FindProperty(name) : nullptr;
}

std::int64_t GetIntProp(const TObject* object, const std::string& name) {
  const TPropInfo* p = GetPropInfo(object, name);
  if (!p || p->kind != TPropKind::Integer) return -1;
  return static_cast<std::int32_t>(p->getOrd(*object));
}

std::string GetEnumText(const TObject* object, const std::string& name) {
  const TPropInfo* p = GetPropInfo(object, name);
  if (!p || p->kind != TPropKind::Enumeration) return "";
  std::int64_t ord = p->getOrd(*object);
  if (ord < 0 || ord >= static_cast<std::int64_t>(p->names.size())) return "";
  return p->names[static_cast<size_t>(ord)];
}

std::string GetTextProp(const TObject* object, const std::string& name) {
  const TPropInfo* p = GetPropInfo(object, name);
  if (!p || p->kind != TPropKind::String) return "";
  return p->getText(*object);
}

TObject* GetObjectProp(const TObject* object, const std::string& name, const std::string& className) {
  const TPropInfo* p = GetPropInfo(object, name);
  if (!p || p->kind != TPropKind::Object) return nullptr;
  TObject* value = p->getObject(*object);
  if (value && !className.empty() && !value->InheritsFrom(className)) return nullptr;
  return value;
}

namespace {

bool ParseInteger(const std::string& text, std::int64_t& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  long long v = std::strtoll(text.c_str(), &end, 10);
  if (*end != '\0') return false;
  value = v;
  return true;
}

} // namespace

void SetPropText(TObject* object, const std::string& name, const std::string& text) {
  const TPropInfo* p = GetPropInfo(object, name);
  if (!p) return;
  switch (p->kind) {
  case TPropKind::Integer: {
    std::int64_t value = 0;
    if (ParseInteger(text, value)) p->setOrd(*object, value);
    return;
  }
  case TPropKind::Enumeration:
    for (size_t i = 0; i < p->names.size(); ++i)
      if (AsciiLower(p->names[i]) == AsciiLower(text)) { p->setOrd(*object, static_cast<std::int64_t>(i)); return; }
    return;
  case TPropKind::String:
    p->setText(*object, text);
    return;
  default:
    return;
  }
}

} // namespace vcu
