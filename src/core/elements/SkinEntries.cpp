#include "core/elements/SkinEntries.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/storage/AsciiText.h"
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

FolderEntries::FolderEntries(const std::string& folder) : folder_(folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error)) files_.push_back(it->path().filename().string());
  std::sort(files_.begin(), files_.end());
  for (const std::string& file : files_) names_.push_back(AsciiLower(file));
}

void FolderEntries::ReadFile(std::size_t index, std::vector<std::uint8_t>& out) const {
  std::ifstream in(std::filesystem::path(folder_) / files_[index], std::ios::binary);
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void FolderEntries::ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const {
  out.clear();
  const auto it = std::find(names_.begin(), names_.end(), AsciiLower(name));
  if (it != names_.end()) ReadFile(static_cast<std::size_t>(it - names_.begin()), out);
}

void FolderEntries::ExtractFirstMatch(const std::string& fragment,
                                      std::vector<std::uint8_t>& out,
                                      std::string& entryName) const {
  out.clear();
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (names_[i].find(fragment) != std::string::npos) {
      ReadFile(i, out);
      entryName = names_[i];
      return;
    }
}

} // namespace vcu
