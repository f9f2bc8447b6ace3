#include "core/storage/ArchiveMessages.h"

namespace vcu {

const char* const kOlderSkinFileMessage = "This is Older Skin File\rPlease update to new version !";

namespace {
ArchiveMessageHook installedHook = nullptr;
}

ArchiveMessageHook SetArchiveMessageHook(ArchiveMessageHook hook) {
  ArchiveMessageHook previous = installedHook;
  installedHook = hook;
  return previous;
}

void ShowArchiveMessage(const std::string& text) {
  if (installedHook)
    installedHook(text);
}

} // namespace vcu
