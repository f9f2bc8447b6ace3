#pragma once
// Start-up of the skin engine: the classes a stored layout may name, and the Windows services
// the engine draws with.
#include <string>

namespace vcu {

// Makes TSkinData known to the layout reader; call before the first layout that holds one is
// read. Calling it again does no harm.
void RegisterSkinComponents();

// Everything the program needs before its main window is read: system colours and metrics
// from Windows, bitmaps in DIB sections, the archive reader's message box titled with the
// application's title, and the skin components.
void StartSkinEngine(const std::string& applicationTitle);

} // namespace vcu
