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
  std::vector<std::size_t> offsets; // from the start of the archive
};

bool TSkinReader::LoadArchive(const std::vector<std::uint8_t>& compressed) {
  return LoadArchive(compressed.data(), compressed.size());
}

bool TSkinReader::LoadArchive(const std::uint8_t* compressed, std::size_t size) {
  ByteBuffer archive;
  TLZH codec;
  if (!codec.DecodeStream(compressed, size, archive))
    return false;
  return LoadDecodedArchive(std::move(archive));
}

bool TSkinReader::LoadDecodedArchive(const std::uint8_t* archive, std::size_t size) {
  return LoadDecodedArchive(ByteBuffer::CopyOf(archive, size));
}

bool TSkinReader::LoadDecodedArchive(ByteBuffer archive) {
  Directory dir;
  if (!ReadDirectory(archive, dir))
    return false;
  version_ = dir.version;
  names_ = std::move(dir.names);
  sizes_ = std::move(dir.sizes);
  offsets_ = std::move(dir.offsets);
  archive_ = std::move(archive);
  return true;
}

bool TSkinReader::ReadDirectory(const ByteBuffer& archive, Directory& dir) {
  using namespace skinarchive;
  const std::size_t size = archive.size();
  if (size < static_cast<std::size_t>(kHeaderSize))
    return false;
  dir.version = ReadU32Le(archive.data());
  const int extra = ExtraBlockSize(dir.version);
  if (extra < 0) {
    ShowArchiveMessage(kOlderSkinFileMessage);
    return false;
  }

  // Every offset below is checked against `size` before use; all of them stay far below
  // SIZE_MAX because namesLength and the count are bounded.
  const std::int32_t namesLength = ReadI32(archive.data() + 4);
  const std::size_t namesStart = static_cast<std::size_t>(kHeaderSize + extra);
  if (namesLength < 0 || static_cast<std::size_t>(namesLength) > size ||
      namesStart + static_cast<std::size_t>(namesLength) > size)
    return false;
  const std::string names = AsciiLower(
      std::string(reinterpret_cast<const char*>(archive.data() + namesStart), namesLength));
  dir.names = SplitLines(names.data(), names.size());
  if (dir.names.size() > static_cast<std::size_t>(MaxEntries))
    return false;

  const std::size_t sizesStart = namesStart + static_cast<std::size_t>(namesLength);
  const std::size_t dataStart = sizesStart + 4 * dir.names.size();
  if (dataStart > size)
    return false;
  std::size_t offset = dataStart;
  for (std::size_t i = 0; i < dir.names.size(); ++i) {
    const std::int32_t entrySize = ReadI32(archive.data() + sizesStart + 4 * i);
    if (entrySize < 0 || static_cast<std::size_t>(entrySize) > size - offset)
      return false;
    dir.sizes.push_back(entrySize);
    dir.offsets.push_back(offset);
    offset += static_cast<std::size_t>(entrySize);
  }
  return true;
}

ByteView TSkinReader::Entry(int index) const {
  return archive_.View(offsets_[index], static_cast<std::size_t>(sizes_[index]));
}

int TSkinReader::IndexOf(const std::string& lowerName) const {
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == lowerName)
      return static_cast<int>(i);
  return -1;
}

bool TSkinReader::FindEntry(const std::string& name, ByteView& out) const {
  const int index = IndexOf(AsciiLower(name));
  out = index < 0 ? ByteView() : Entry(index);
  return index >= 0;
}

bool TSkinReader::ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const {
  ByteView entry;
  const bool found = FindEntry(name, entry);
  out.assign(entry.begin(), entry.end());
  return found;
}

bool TSkinReader::ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                                    std::string& entryName) const {
  out.clear();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(fragment) != std::string::npos) {
      entryName = names_[i];
      const ByteView entry = Entry(static_cast<int>(i));
      out.assign(entry.begin(), entry.end());
      return true;
    }
  }
  return false;
}

} // namespace vcu
