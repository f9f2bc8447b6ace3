#pragma once
// Helpers for the skin data tests: skins built in memory, the stored-skin framing, the
// manager's life per test, and a plain INI reading of the default skin's description.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

namespace vcu::test {

using Bytes = std::vector<std::uint8_t>;

// The compressed archive of the entries (name, bytes), as skinpack makes it.
Bytes PackSkin(const std::vector<std::pair<std::string, Bytes>>& entries);
// The SkinStream value of an archive: its length as 4 bytes little-endian, then the archive.
Bytes StreamOf(const Bytes& archive);
Bytes TextBytes(const std::string& text);
// A 24-bit BMP file of the given size.
Bytes BmpFile(int width, int height);
Bytes ReadFileBytes(const std::string& path);

// The archive reader's messages since the last call.
void RecordArchiveMessages();
std::vector<std::string> TakeArchiveMessages();

// Each test starts and ends without a skin manager.
class ManagerScope {
public:
  ManagerScope();
  ~ManagerScope();
  ManagerScope(const ManagerScope&) = delete;
  ManagerScope& operator=(const ManagerScope&) = delete;
};

} // namespace vcu::test
