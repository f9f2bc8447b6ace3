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

// Dispatches messages for a fixed while. Left only for the main-window skin test, which is
// to wait on its condition with PumpUntil (support/Pump.h) instead; nothing new uses it.
void PumpFor(int ms);

// An INI read with the plainest rules: "[name]" opens a section, "key=value" lines belong to
// it, lines starting with ';' and blank lines are skipped; names compare without case.
class PlainIni {
public:
  explicit PlainIni(const std::string& path);
  bool HasSection(const std::string& section) const;
  std::string Value(const std::string& section, const std::string& key) const;
  int Int(const std::string& section, const std::string& key, int fallback) const;
  const std::vector<std::string>& Sections() const { return order_; }

private:
  std::map<std::string, std::map<std::string, std::string>> values_; // lower-cased names
  std::vector<std::string> order_;
};

// Width and height written in a BMP file's header.
std::pair<int, int> BmpFileSize(const std::string& path);

} // namespace vcu::test
