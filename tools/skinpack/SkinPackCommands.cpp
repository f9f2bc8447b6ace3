#include "SkinPackCommands.h"

#include "core/Errors.h"
#include "core/text/AsciiText.h"
#include "core/ByteOrder.h"
#include "core/storage/Lzh.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinArchiveFormat.h"
#include "core/storage/SkinArchiveWriter.h"
#include "core/storage/SkinReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace vcu {
namespace skinpack {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw Exception("cannot read " + path.string());
  Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad())
    throw Exception("cannot read " + path.string());
  return bytes;
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out)
    throw Exception("cannot write " + path.string());
}

bool IsIni(const std::string& name) {
  const std::string lower = AsciiLower(name);
  return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".ini") == 0;
}

// The folder's files in name order, the INI description last (the skin data component takes
// the description first and then the bitmaps it names, whatever the order).
std::vector<fs::path> SkinFiles(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error))
    throw Exception("no such folder: " + folder.string());
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file())
      files.push_back(entry.path());
  if (error)
    throw Exception("cannot read folder " + folder.string() + ": " + error.message());
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    const std::string na = a.filename().string(), nb = b.filename().string();
    return IsIni(na) != IsIni(nb) ? IsIni(nb) : na < nb;
  });
  return files;
}

// A skin file is the compressed archive. The stored layout's SkinStream adds its own length
// word in front; such a copy is accepted too.
Bytes ExpandSkinFile(const Bytes& file, const std::string& name) {
  TLZH codec;
  Bytes archive;
  if (codec.DecodeStream(file.data(), file.size(), archive) &&
      archive.size() >= static_cast<std::size_t>(skinarchive::kHeaderSize) &&
      skinarchive::ExtraBlockSize(ReadU32Le(archive.data())) >= 0)
    return archive;
  const bool framed = file.size() >= 8 && ReadU32Le(file.data()) == file.size() - 4;
  if (framed)
    return ExpandSkinFile(Bytes(file.begin() + 4, file.end()), name);
  throw Exception(name + " is not a skin stream");
}

TSkinReader ReadSkinFile(const std::string& skinFile) {
  const Bytes archive = ExpandSkinFile(ReadFile(skinFile), skinFile);
  TSkinReader reader;
  if (!reader.LoadDecodedArchive(archive.data(), archive.size()))
    throw Exception(skinFile + " is not a skin stream: its directory is damaged");
  return reader;
}

// Entry names come from the file: write only plain names into the target folder.
bool IsSafeFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\:") == std::string::npos;
}

} // namespace

void Pack(const std::string& folder, const std::string& output, std::uint32_t version) {
  const std::vector<fs::path> files = SkinFiles(folder);
  if (files.size() > static_cast<std::size_t>(TSkinReader::MaxEntries))
    throw Exception(folder + " holds " + std::to_string(files.size()) + " files, at most " +
                    std::to_string(TSkinReader::MaxEntries) + " fit in a skin");
  std::vector<SkinArchiveEntry> entries;
  for (const fs::path& file : files)
    entries.push_back({file.filename().string(), ReadFile(file)});
  WriteFile(output, LzhEncode(WriteSkinArchive(entries, version)));
}

void List(const std::string& skinFile, std::ostream& out) {
  const TSkinReader reader = ReadSkinFile(skinFile);
  out << "version " << reader.Version() << ", " << reader.Count() << " entries\n";
  for (int i = 0; i < reader.Count(); ++i)
    out << reader.Sizes()[i] << '\t' << reader.Names()[i] << '\n';
}

void Extract(const std::string& skinFile, const std::string& folder) {
  const TSkinReader reader = ReadSkinFile(skinFile);
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder))
    throw Exception("cannot create folder " + folder);
  std::set<std::string> written; // a later entry of the same name is never handed out
  Bytes data;
  for (const std::string& name : reader.Names()) {
    if (!IsSafeFileName(name))
      throw Exception(skinFile + " holds an entry named \"" + name + "\", not a plain file name");
    if (!written.insert(name).second)
      continue;
    reader.ExtractEntry(name, data);
    WriteFile(fs::path(folder) / name, data);
  }
}

} // namespace skinpack
} // namespace vcu
