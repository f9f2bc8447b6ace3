#include "app/Startup.h"

#include "framework/Forms.h"
#include "skin/data/SkinComponents.h"

namespace vcu {

void InitialiseApplication() {
  Application->Initialize();
  Application->SetTitle(kApplicationTitle);
  StartSkinEngine(Application->Title()); // the layout holds the skin data component
}

} // namespace vcu
