#include "skin/data/SkinComponents.h"

#include "framework/LayoutReader.h"
#include "framework/Win32Platform.h"
#include "skin/data/ArchiveMessages.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/WinSkinData.h"

namespace vcu {

void RegisterSkinComponents() { RegisterComponentClass<TSkinData>(); }

void StartSkinEngine(const std::string& applicationTitle) {
  UseWin32Platform();
  UseDibSectionPixels();
  InstallArchiveMessageBox(applicationTitle);
  RegisterSkinComponents();
}

} // namespace vcu
