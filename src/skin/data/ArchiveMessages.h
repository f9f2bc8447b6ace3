#pragma once
// Shows the skin archive reader's messages in a real message box.
#include <string>

namespace vcu {

// Installs the message box for the archive reader's messages; `caption` is the box's title
// (the application's title). Call once at start-up, before the first skin is read.
void InstallArchiveMessageBox(const std::string& caption);

} // namespace vcu
