#include "core/elements/SkinEntries.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/text/AsciiText.h"
#include "core/storage/SkinReader.h"

namespace vcu {

void ArchiveEntries::ExtractEntry(const std::string& name,
                                  std::vector<std::uint8_t>& out) const {
  reader_.ExtractEntry(name, out);
}

void ArchiveEntries::ExtractFirstMatch(const std::string& fragment,
                                       std::vector<std::uint8_t>& out,
                                       std::string& entryName) const {
  reader_.ExtractFirstMatch(fragment, out, entryName);
}

MemoryEntries& MemoryEntries::Add(const std::string& name, std::vector<std::uint8_t> data) {
  names_.push_back(AsciiLower(name));
  data_.push_back(std::move(data));
  return *this;
}

MemoryEntries& MemoryEntries::AddText(const std::string& name, const std::string& text) {
  return Add(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void MemoryEntries::ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const {
  const auto it = std::find(names_.begin(), names_.end(), AsciiLower(name));
  if (it == names_.end()) {
    out.clear();
    return;
  }
  const std::vector<std::uint8_t>& data = data_[static_cast<std::size_t>(it - names_.begin())];
  out.assign(data.begin(), data.end());
}

void MemoryEntries::ExtractFirstMatch(const std::string& fragment,
                                      std::vector<std::uint8_t>& out,
                                      std::string& entryName) const {
  out.clear();
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (names_[i].find(fragment) != std::string::npos) {
      out.assign(data_[i].begin(), data_[i].end());
      entryName = names_[i];
      return;
    }
}

MemoryEntries ReadFolderEntries(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error)) files.push_back(it->path());
  std::sort(files.begin(), files.end());
  MemoryEntries entries;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    entries.Add(file.filename().string(), {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
  }
  return entries;
}

} // namespace vcu
