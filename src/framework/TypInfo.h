#pragma once
// Reading and writing published properties by name, for code that works with any class that
// publishes them (the layout reader, the skin engine). A null object or a missing property
// yields the neutral result and writes nothing.
#include <cstdint>
#include <string>

#include "framework/Classes.h"

namespace vcu {

const TPropInfo* GetPropInfo(const TObject* object, const std::string& name);

// Integer-kind property; -1 when missing or of another kind.
std::int64_t GetIntProp(const TObject* object, const std::string& name);
// Enumeration (Boolean included) as its identifier, as in "True"; empty when missing.
std::string GetEnumText(const TObject* object, const std::string& name);
// String-kind property; empty when missing.
std::string GetTextProp(const TObject* object, const std::string& name);
// Object-kind property, only when the object inherits from className (empty: any class).
TObject* GetObjectProp(const TObject* object, const std::string& name, const std::string& className = "");
// Integer (text converted to a number), enumeration (by identifier) or string property.
void SetPropText(TObject* object, const std::string& name, const std::string& text);

// True when the Boolean property's identifier, lower-cased, is "true".
inline bool GetBoolProp(const TObject* object, const std::string& name) {
  return AsciiLower(GetEnumText(object, name)) == "true";
}

} // namespace vcu
