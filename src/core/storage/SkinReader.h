#pragma once
// The skin archive: one INI description and the bitmaps it names, stored LZH-compressed.
// TSkinReader expands the compressed skin, reads the archive's directory and hands out single
// entries by name. Names are kept ASCII lower-cased, in archive order. The expanded archive is
// held once: entries are handed out as views into it, or copied on request.
#include "core/storage/ByteBuffer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vcu {

class TSkinReader {
public:
  // The size table of the archive format holds this many entries at most.
  static constexpr int MaxEntries = 1001;

  // Expands `compressed` (the 32-bit decoded length, then the LZH bit stream) and reads the
  // archive's directory. False when the archive was not read: an unknown version magic (the
  // user is told the skin is too old), or a directory that is cut short, holds more than
  // MaxEntries names, a negative size, or sizes running past the data. A refused archive
  // leaves the names and data of the previous one in place.
  bool LoadArchive(const std::uint8_t* compressed, std::size_t size);
  bool LoadArchive(const std::vector<std::uint8_t>& compressed);

  // Reads an archive that is already expanded; same rules and result as LoadArchive. The
  // first form copies the bytes, the second takes them over (and drops them when refused).
  bool LoadDecodedArchive(const std::uint8_t* archive, std::size_t size);
  bool LoadDecodedArchive(ByteBuffer archive);

  // Replaces `out` with the entry whose name equals `name` ASCII lower-cased; `out` is left
  // empty when there is none. With duplicate names the first one wins. True when found.
  bool ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const;

  // Replaces `out` with the first entry, in archive order, whose lower-cased name contains
  // `fragment` (taken as given, not lower-cased) and sets `entryName` to that name. With no
  // match `out` is left empty and `entryName` untouched. True when found.
  bool ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                         std::string& entryName) const;

  // The bytes of entry `index` (0..Count()-1) and of the entry named `name` (lower-cased
  // first, the first of duplicates); an empty view for a name that is not there. Views stay
  // valid until the next archive is read or the reader goes.
  ByteView Entry(int index) const;
  bool FindEntry(const std::string& name, ByteView& out) const;

  // The directory of the archive last read.
  std::uint32_t Version() const { return version_; }
  int Count() const { return static_cast<int>(names_.size()); }
  const std::vector<std::string>& Names() const { return names_; }
  const std::vector<std::int32_t>& Sizes() const { return sizes_; }

private:
  struct Directory;
  static bool ReadDirectory(const ByteBuffer& archive, Directory& dir);
  int IndexOf(const std::string& lowerName) const;

  std::uint32_t version_ = 0;
  std::vector<std::string> names_;
  std::vector<std::int32_t> sizes_;
  std::vector<std::size_t> offsets_; // of each entry in archive_
  ByteBuffer archive_;
};

} // namespace vcu
