#pragma once
// Where the element readers take a skin's files from: the entries of a skin archive, or files
// held in memory (a skin folder as its author edits it before packing, or a test's skin).
#include <cstdint>
#include <string>
#include <vector>

namespace vcu {

class TSkinReader;

class SkinEntries {
public:
  virtual ~SkinEntries() = default;
  // Replaces out with the entry named name (ASCII case ignored); empty when there is none.
  virtual void ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const = 0;
  // Replaces out with the first entry whose lower-cased name contains fragment and sets
  // entryName; with no match out is emptied and entryName left alone.
  virtual void ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                                 std::string& entryName) const = 0;
};

// The entries of an archive already read by the reader, which must outlive this object.
class ArchiveEntries final : public SkinEntries {
public:
  explicit ArchiveEntries(const TSkinReader& reader) : reader_(reader) {}
  void ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const override;
  void ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                         std::string& entryName) const override;

private:
  const TSkinReader& reader_;
};

// Entries held in memory, looked up as an archive looks them up (the first of equal names
// wins).
class MemoryEntries final : public SkinEntries {
public:
  MemoryEntries& Add(const std::string& name, std::vector<std::uint8_t> data);
  MemoryEntries& AddText(const std::string& name, const std::string& text);
  void ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const override;
  void ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                         std::string& entryName) const override;
  // Lower-cased names in the order they were added.
  const std::vector<std::string>& Names() const { return names_; }

private:
  std::vector<std::string> names_; // lower-cased
  std::vector<std::vector<std::uint8_t>> data_;
};

// The regular files directly inside a folder, in name order. An unreadable or missing folder
// gives no entries.
MemoryEntries ReadFolderEntries(const std::string& folder);

} // namespace vcu
