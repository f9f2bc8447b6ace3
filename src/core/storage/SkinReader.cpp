#include "core/storage/SkinReader.h"

#include "core/storage/ArchiveMessages.h"
#include "core/text/AsciiText.h"
#include "core/ByteOrder.h"
#include "core/storage/Lzh.h"
#include "core/storage/SkinArchiveFormat.h"

namespace vcu {

namespace {

std::int32_t ReadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadU32Le(p)); }

} // namespace

// A directory read and checked, not yet taken over by the reader.
struct TSkinReader::Directory {
  std::uint32_t version = 0;
  std::vector<std::string> names;
  std::vector<std::int32_t> sizes;
  std::vector<std::size_t> offsets;
  std::size_t dataStart = 0;
};

bool TSkinReader::LoadArchive(const std::vector<std::uint8_t>& compressed) {
  return LoadArchive(compressed.data(), compressed.size());
}

bool TSkinReader::LoadArchive(const std::uint8_t* compressed, std::size_t size) {
  std::vector<std::uint8_t> archive;
  TLZH codec;
  if (!codec.DecodeStream(compressed, size, archive))
    return false;
  return LoadDecodedArchive(archive.data(), archive.size());
}

bool TSkinReader::LoadDecodedArchive(const std::uint8_t* archive, std::size_t size) {
  using namespace skinarchive;
  if (size < static_cast<std::size_t>(kHeaderSize))
    return false;
  Directory dir;
  dir.version = ReadU32Le(archive);
  const int extra = ExtraBlockSize(dir.version);
  if (extra < 0) {
    ShowArchiveMessage(kOlderSkinFileMessage);
    return false;
  }

  // Every offset below is checked against `size` before use; all of them stay far below
  // SIZE_MAX because namesLength and the count are bounded.
  const std::int32_t namesLength = ReadI32(archive + 4);
  const std::size_t namesStart = static_cast<std::size_t>(kHeaderSize + extra);
  if (namesLength < 0 || static_cast<std::size_t>(namesLength) > size ||
      namesStart + static_cast<std::size_t>(namesLength) > size)
    return false;
  const std::string names = AsciiLower(
      std::string(reinterpret_cast<const char*>(archive + namesStart), namesLength));
  dir.names = SplitLines(names.data(), names.size());
  if (dir.names.size() > static_cast<std::size_t>(MaxEntries))
    return false;

  const std::size_t sizesStart = namesStart + static_cast<std::size_t>(namesLength);
  dir.dataStart = sizesStart + 4 * dir.names.size();
  if (dir.dataStart > size)
    return false;
  const std::size_t dataSize = size - dir.dataStart;
  std::size_t offset = 0;
  for (std::size_t i = 0; i < dir.names.size(); ++i) {
    const std::int32_t entrySize = ReadI32(archive + sizesStart + 4 * i);
    if (entrySize < 0 || static_cast<std::size_t>(entrySize) > dataSize - offset)
      return false;
    dir.sizes.push_back(entrySize);
    dir.offsets.push_back(offset);
    offset += static_cast<std::size_t>(entrySize);
  }

  version_ = dir.version;
  names_ = std::move(dir.names);
  sizes_ = std::move(dir.sizes);
  offsets_ = std::move(dir.offsets);
  data_.assign(archive + dir.dataStart, archive + size);
  return true;
}

bool TSkinReader::ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const {
  out.clear();
  const std::string wanted = AsciiLower(name);
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == wanted)
      return Extract(i, out);
  return false;
}

bool TSkinReader::ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                                    std::string& entryName) const {
  out.clear();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(fragment) != std::string::npos) {
      entryName = names_[i];
      return Extract(i, out);
    }
  }
  return false;
}

bool TSkinReader::Extract(std::size_t index, std::vector<std::uint8_t>& out) const {
  const auto from = data_.begin() + static_cast<std::ptrdiff_t>(offsets_[index]);
  out.assign(from, from + sizes_[index]);
  return true;
}

} // namespace vcu
