#include "skin/data/ArchiveMessages.h"

#include "core/storage/ArchiveMessages.h"

#include <windows.h>

namespace vcu {

namespace {

std::string& Caption() {
  static std::string caption;
  return caption;
}

void ShowMessageBox(const std::string& text) {
  MessageBoxA(GetActiveWindow(), text.c_str(), Caption().c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace

void InstallArchiveMessageBox(const std::string& caption) {
  Caption() = caption;
  SetArchiveMessageHook(ShowMessageBox);
}

} // namespace vcu
