#pragma once
// Builds components from a stored layout (core/layout/LayoutParser.h gives the format): the
// root is the component being initialised; every nested object is created by the factory
// registered for its class name, owned by the root and placed on the enclosing control;
// properties are set by name; Loaded runs on every component once the whole layout is read.
#include <functional>
#include <string>

#include "core/layout/LayoutParser.h"
#include "framework/Classes.h"

namespace vcu {

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

// Makes a class known to the layout reader by its name. The framework's own controls are
// known from the start; other code (the skin engine's components) registers its classes.
void RegisterComponentClass(const std::string& className, TComponentFactory factory);
template <class T> void RegisterComponentClass() {
  RegisterComponentClass(T::ClassInfo().Name(), [](TComponent* owner) { return new T(owner); });
}
// Empty when the class is unknown.
TComponentFactory FindComponentClass(const std::string& className);

// Raises ELayoutError (with the line) for a malformed layout, an unknown class or property, or
// a value of the wrong kind; what was created before the error stays owned by the root.
void ReadComponentLayout(TComponent& root, const std::string& text);

// The layout stored as an RCDATA resource named after the class in upper case ("TFRMMAIN");
// false when the program carries none.
bool LoadLayoutResource(const std::string& className, std::string& text);

} // namespace vcu
