#pragma once
// Where the element readers take a skin's files from: the entries of a skin archive, or the
// files of a skin folder (what a skin author edits before packing).
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

// The regular files directly inside a folder, in name order, as archive entries would be.
class FolderEntries final : public SkinEntries {
public:
  // An unreadable or missing folder gives no entries.
  explicit FolderEntries(const std::string& folder);
  void ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const override;
  void ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                         std::string& entryName) const override;
  // Lower-cased names, in the order ExtractFirstMatch walks them.
  const std::vector<std::string>& Names() const { return names_; }

private:
  void ReadFile(std::size_t index, std::vector<std::uint8_t>& out) const;

  std::string folder_;
  std::vector<std::string> names_; // lower-cased
  std::vector<std::string> files_; // as on disk
};

} // namespace vcu
