#include "app/Startup.h"

#include "framework/Forms.h"
#include "skin/data/SkinComponents.h"
#include "skin/form/SkinManage.h"

namespace vcu {

void InitialiseApplication() {
  Application->Initialize();
  Application->SetTitle(kApplicationTitle);
  StartSkinEngine(Application->Title()); // the layout holds the skin data component
}

void ShutdownApplication() {
  TSkinManage::Destroy();
  Application->DestroyComponents();
}

} // namespace vcu
