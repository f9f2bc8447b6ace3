#include "SkinPackCommands.h"

#include "core/text/AsciiText.h"
#include "WholeFile.h"

#include "core/Errors.h"
#include "core/ByteOrder.h"
#include "core/storage/Lzh.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinArchiveFormat.h"
#include "core/storage/SkinArchiveWriter.h"
#include "core/storage/SkinReader.h"
#include "core/skincheck/SkinCheck.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace vcu {
namespace skinpack {

namespace {

namespace fs = std::filesystem;

bool IsIni(const std::string& name) {
  const std::string lower = AsciiLower(name);
  return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".ini") == 0;
}

// Why `name` cannot be an entry written into a folder, or nullptr when it can: entry names
// come from the file, so extract writes only plain names, and pack makes only such entries.
const char* WhyNotPlainFileName(const std::string& name) {
  if (name.empty())
    return "it is empty";
  if (name == "." || name == "..")
    return "it names a folder";
  if (name.find_first_of("/\\:") != std::string::npos)
    return "it holds a path separator";
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      return "it holds a control character";
  return nullptr;
}

// The folder's files in name order, the INI description last (the skin data component takes
// the description first and then the bitmaps it names, whatever the order).
std::vector<fs::path> SkinFiles(const std::string& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error))
    throw Exception("no such folder: " + OneLine(folder));
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file())
      files.push_back(entry.path());
  if (error)
    throw Exception("cannot read folder " + OneLine(folder) + ": " + error.message());
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    const std::string na = a.filename().string(), nb = b.filename().string();
    return IsIni(na) != IsIni(nb) ? IsIni(nb) : na < nb;
  });
  return files;
}

// Each file becomes an entry under its own name; the names must come back out of extract.
void CheckEntryNames(const std::string& folder, const std::vector<fs::path>& files) {
  std::set<std::string> lowerNames;
  for (const fs::path& file : files) {
    const std::string name = file.filename().string();
    if (const char* why = WhyNotPlainFileName(name))
      throw Exception("cannot pack " + OneLine(file.string()) + ": " + why);
    if (!lowerNames.insert(AsciiLower(name)).second)
      throw Exception("cannot pack " + OneLine(file.string()) +
                      ": another file of the folder has the same name but for case");
  }
  if (std::none_of(files.begin(), files.end(),
                   [](const fs::path& f) { return IsIni(f.filename().string()); }))
    throw Exception("cannot pack " + OneLine(folder) + ": it holds no .ini description");
}

// True when `stream` (length word, then bit stream) starts like a skin archive: its first
// decoded bytes carry a known version magic. Decodes only those, so a wrong guess is cheap.
bool StartsLikeArchive(const std::uint8_t* stream, std::size_t size) {
  const int header = skinarchive::kHeaderSize;
  if (size < 4)
    return false;
  const std::int32_t length = static_cast<std::int32_t>(ReadU32Le(stream));
  if (length < header || length > TLZH::MaxDecodedLength(size - 4))
    return false;
  TLZH codec;
  const ByteBuffer head = codec.Decode(header, stream + 4, size - 4);
  return skinarchive::ExtraBlockSize(ReadU32Le(head.data())) >= 0;
}

// A skin file is the compressed archive. The stored layout's SkinStream adds its own length
// word in front; such a copy is accepted too.
ByteBuffer ExpandSkinFile(const ByteBuffer& file, const std::string& name) {
  std::size_t skip = 0;
  if (!StartsLikeArchive(file.data(), file.size())) {
    const bool framed = file.size() >= 8 && ReadU32Le(file.data()) == file.size() - 4;
    if (!framed || !StartsLikeArchive(file.data() + 4, file.size() - 4))
      throw Exception(OneLine(name) + " is not a skin stream");
    skip = 4;
  }
  TLZH codec;
  ByteBuffer archive;
  codec.DecodeStream(file.data() + skip, file.size() - skip, archive);
  return archive;
}

TSkinReader ReadSkinFile(const std::string& skinFile) {
  TSkinReader reader;
  if (!reader.LoadDecodedArchive(ExpandSkinFile(tools::ReadWholeFile(skinFile), skinFile)))
    throw Exception(OneLine(skinFile) + " is not a skin stream: its directory is damaged");
  return reader;
}

} // namespace

void Pack(const std::string& folder, const std::string& output, std::uint32_t version) {
  const std::vector<fs::path> files = SkinFiles(folder);
  if (files.size() > static_cast<std::size_t>(TSkinReader::MaxEntries))
    throw Exception(OneLine(folder) + " holds " + std::to_string(files.size()) +
                    " files, at most " + std::to_string(TSkinReader::MaxEntries) +
                    " fit in a skin");
  CheckEntryNames(folder, files);
  std::vector<SkinArchiveEntry> entries;
  for (const fs::path& file : files)
    entries.push_back({file.filename().string(), tools::ReadWholeFile(file.string()).View().ToVector()});
  const std::vector<std::uint8_t> stream = LzhEncode(WriteSkinArchive(entries, version));
  tools::WriteWholeFile(output, ByteView{stream.data(), stream.size()});
}

void List(const std::string& skinFile, std::FILE* out) {
  const TSkinReader reader = ReadSkinFile(skinFile);
  std::fprintf(out, "version %u, %d entries\n", static_cast<unsigned>(reader.Version()),
               reader.Count());
  for (int i = 0; i < reader.Count(); ++i)
    std::fprintf(out, "%d\t%s\n", static_cast<int>(reader.Sizes()[i]),
                 OneLine(reader.Names()[i]).c_str());
}

void Extract(const std::string& skinFile, const std::string& folder) {
  const TSkinReader reader = ReadSkinFile(skinFile);
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder))
    throw Exception("cannot create folder " + OneLine(folder));
  std::set<std::string> written; // a later entry of the same name is never handed out
  for (int i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    if (const char* why = WhyNotPlainFileName(name))
      throw Exception(OneLine(skinFile) + " holds an entry named \"" + OneLine(name) +
                      "\", not a plain file name: " + why);
    if (written.insert(name).second)
      tools::WriteWholeFile((fs::path(folder) / name).string(), reader.Entry(i));
  }
}

int Check(const std::string& skin, std::FILE* out) {
  std::error_code error;
  std::vector<Finding> findings;
  if (fs::is_directory(skin, error)) {
    findings = CheckSkinFolder(skin);
  } else {
    const ByteBuffer file = tools::ReadWholeFile(skin);
    findings = CheckSkinFile(file.data(), file.size());
  }
  for (const Finding& f : findings) std::fprintf(out, "%s\n", FindingLine(f).c_str());
  std::fprintf(out, "%s: %s\n", OneLine(skin).c_str(), FindingsSummary(findings).c_str());
  return HasErrors(findings) ? 1 : 0;
}

} // namespace skinpack
} // namespace vcu
