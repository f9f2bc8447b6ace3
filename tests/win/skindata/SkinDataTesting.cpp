#include "SkinDataTesting.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/image/Bmp.h"
#include "core/storage/ArchiveMessages.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinArchiveWriter.h"
#include "framework/Classes.h"
#include "skin/form/SkinManage.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

std::vector<std::string>& ArchiveMessages() {
  static std::vector<std::string> messages;
  return messages;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

Bytes PackSkin(const std::vector<std::pair<std::string, Bytes>>& entries) {
  std::vector<SkinArchiveEntry> archive;
  for (const auto& [name, data] : entries) archive.push_back({name, data});
  return LzhEncode(WriteSkinArchive(archive, 40000));
}

Bytes StreamOf(const Bytes& archive) {
  Bytes stream;
  const auto n = static_cast<std::uint32_t>(archive.size());
  for (int i = 0; i < 4; ++i) stream.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
  stream.insert(stream.end(), archive.begin(), archive.end());
  return stream;
}

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes BmpFile(int width, int height) { return EncodeBmp24(Bitmap(width, height)); }

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void RecordArchiveMessages() {
  SetArchiveMessageHook([](const std::string& text) { ArchiveMessages().push_back(text); });
}

std::vector<std::string> TakeArchiveMessages() { return std::exchange(ArchiveMessages(), {}); }

ManagerScope::ManagerScope() { TSkinManage::Destroy(); }
ManagerScope::~ManagerScope() { TSkinManage::Destroy(); }

void PumpFor(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    Pump();
    Sleep(1);
  }
}

PlainIni::PlainIni(const std::string& path) {
  std::ifstream file(path);
  std::string line, section;
  while (std::getline(file, line)) {
    line = Trimmed(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = AsciiLower(line.substr(1, line.size() - 2));
      order_.push_back(line.substr(1, line.size() - 2));
      values_[section];
      continue;
    }
    const auto eq = line.find('=');
    if (eq != std::string::npos) values_[section][AsciiLower(Trimmed(line.substr(0, eq)))] = Trimmed(line.substr(eq + 1));
  }
}

bool PlainIni::HasSection(const std::string& section) const { return values_.count(AsciiLower(section)) != 0; }

std::string PlainIni::Value(const std::string& section, const std::string& key) const {
  auto s = values_.find(AsciiLower(section));
  if (s == values_.end()) return "";
  auto k = s->second.find(AsciiLower(key));
  return k == s->second.end() ? "" : k->second;
}

int PlainIni::Int(const std::string& section, const std::string& key, int fallback) const {
  const std::string text = Value(section, key);
  return text.empty() ? fallback : std::atoi(text.c_str());
}

std::pair<int, int> BmpFileSize(const std::string& path) {
  const Bytes file = ReadFileBytes(path);
  if (file.size() < 26) return {0, 0};
  auto le32 = [&file](size_t at) {
    return static_cast<std::int32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 |
                                     static_cast<std::uint32_t>(file[at + 3]) << 24);
  };
  return {le32(18), std::abs(le32(22))};
}

} // namespace vcu::test
