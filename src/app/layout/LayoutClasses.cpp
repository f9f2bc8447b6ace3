// Linked wherever the main window's stored layout is (as an object, so it is never dropped):
// the classes the layout names beyond the framework's own are then known before it is read.
#include "skin/data/SkinComponents.h"

namespace {

const bool registered = (vcu::RegisterSkinComponents(), true);

} // namespace
