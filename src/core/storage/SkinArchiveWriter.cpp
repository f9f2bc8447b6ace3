#include "core/storage/SkinArchiveWriter.h"

#include "core/Errors.h"
#include "core/ByteOrder.h"
#include "core/storage/SkinArchiveFormat.h"
#include "core/storage/SkinReader.h"

#include <limits>

namespace vcu {

namespace {

constexpr std::size_t kMaxSize = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

std::string NamesText(const std::vector<SkinArchiveEntry>& entries) {
  std::string text;
  for (const SkinArchiveEntry& entry : entries) {
    if (entry.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
      throw Exception("skin archive: entry name \"" + entry.name + "\" holds a line break");
    text += entry.name;
    text += "\r\n";
  }
  return text;
}

} // namespace

std::vector<std::uint8_t> WriteSkinArchive(const std::vector<SkinArchiveEntry>& entries,
                                           std::uint32_t version) {
  const int extra = skinarchive::ExtraBlockSize(version);
  if (extra < 0)
    throw Exception("skin archive: unknown version " + std::to_string(version));
  if (entries.size() > static_cast<std::size_t>(TSkinReader::MaxEntries))
    throw Exception("skin archive: " + std::to_string(entries.size()) +
                    " entries, at most " + std::to_string(TSkinReader::MaxEntries) + " fit");
  const std::string names = NamesText(entries);
  std::size_t total = skinarchive::kHeaderSize + extra + names.size() + 4 * entries.size();
  for (const SkinArchiveEntry& entry : entries) {
    if (entry.data.size() > kMaxSize || total > kMaxSize)
      throw Exception("skin archive: too large");
    total += entry.data.size();
  }
  if (total > kMaxSize)
    throw Exception("skin archive: too large");

  std::vector<std::uint8_t> out;
  out.reserve(total);
  AppendU32Le(out, version);
  AppendU32Le(out, static_cast<std::uint32_t>(names.size()));
  out.resize(out.size() + 8 + static_cast<std::size_t>(extra), 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const SkinArchiveEntry& entry : entries)
    AppendU32Le(out, static_cast<std::uint32_t>(entry.data.size()));
  for (const SkinArchiveEntry& entry : entries)
    out.insert(out.end(), entry.data.begin(), entry.data.end());
  return out;
}

} // namespace vcu
