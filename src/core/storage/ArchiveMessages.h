#pragma once
// The one message the skin archive reader shows the user ("This is Older Skin File..."). The
// core cannot open a message box itself, so it goes through a hook: the Windows layer installs
// one that shows a real message box; by default the message is dropped.
#include <string>

namespace vcu {

// Shown when an archive carries a version magic this reader does not know.
extern const char* const kOlderSkinFileMessage;

using ArchiveMessageHook = void (*)(const std::string& text);

// Installs `hook`; nullptr restores the default, which does nothing. Returns the previous hook.
ArchiveMessageHook SetArchiveMessageHook(ArchiveMessageHook hook);

// Passes `text` to the installed hook.
void ShowArchiveMessage(const std::string& text);

} // namespace vcu
