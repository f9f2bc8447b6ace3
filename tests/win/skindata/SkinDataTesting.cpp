#include "SkinDataTesting.h"

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

} // namespace vcu::test
