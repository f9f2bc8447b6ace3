#pragma once
// The skin archive: one INI description and the bitmaps it names, stored LZH-compressed.
// TSkinReader expands the compressed skin, reads the archive's directory and hands out single
// entries by name. Names are kept ASCII lower-cased, in archive order.
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

  // Reads an archive that is already expanded; same rules and result as LoadArchive.
  bool LoadDecodedArchive(const std::uint8_t* archive, std::size_t size);

  // Replaces `out` with the entry whose name equals `name` ASCII lower-cased; `out` is left
  // empty when there is none. With duplicate names the first one wins. True when found.
  bool ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const;

  // Replaces `out` with the first entry, in archive order, whose lower-cased name contains
  // `fragment` (taken as given, not lower-cased) and sets `entryName` to that name. With no
  // match `out` is left empty and `entryName` untouched. True when found.
  bool ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                         std::string& entryName) const;

  // The directory of the archive last read.
  std::uint32_t Version() const { return version_; }
  int Count() const { return static_cast<int>(names_.size()); }
  const std::vector<std::string>& Names() const { return names_; }
  const std::vector<std::int32_t>& Sizes() const { return sizes_; }

private:
  struct Directory;
  bool Extract(std::size_t index, std::vector<std::uint8_t>& out) const;

  std::uint32_t version_ = 0;
  std::vector<std::string> names_;
  std::vector<std::int32_t> sizes_;
  std::vector<std::size_t> offsets_; // of each entry in data_
  std::vector<std::uint8_t> data_;
};

} // namespace vcu
