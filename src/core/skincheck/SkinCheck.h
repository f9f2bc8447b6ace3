#pragma once
// What the engine will not be able to use in a skin, found before the skin is shipped: a
// bitmap the INI names that is missing or not a BMP, a strip that does not divide into its
// frames, margins wider than a frame, a colour that does not parse, a caption button whose
// Action or Align the engine does not know (errors), and names the engine never reads, most
// likely typos, or values it reads otherwise than the author probably meant (warnings).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vcu {

class MemoryEntries;

enum class Severity { Error, Warning };

struct Finding {
  Severity severity;
  std::string section; // as written in the INI; empty for the skin as a whole
  std::string key;     // as written; for a file of the skin, its name
  std::string text;
};

// The files of a skin (a folder's files, or a skin file's entries). Never raises for any
// content, however damaged.
std::vector<Finding> CheckSkinEntries(const MemoryEntries& entries);

// A skin file as skinpack writes it (length word, then the LZH stream), or a stored layout's
// SkinStream copy of one (another length word in front).
std::vector<Finding> CheckSkinFile(const std::uint8_t* data, std::size_t size);

// The files directly inside folder.
std::vector<Finding> CheckSkinFolder(const std::string& folder);

// "error: [Section] Key: text" (the section and key parts left out when empty).
std::string FindingLine(const Finding& finding);

// "N errors, M warnings".
std::string FindingsSummary(const std::vector<Finding>& findings);

bool HasErrors(const std::vector<Finding>& findings);

} // namespace vcu
