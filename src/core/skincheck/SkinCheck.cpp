#include "core/skincheck/SkinCheck.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <set>

#include "core/ByteOrder.h"
#include "core/Errors.h"
#include "core/elements/ElementReaders.h"
#include "core/elements/SectionNames.h"
#include "core/elements/SkinEntries.h"
#include "core/elements/SkinVocabulary.h"
#include "core/form/CaptionButtonRules.h"
#include "core/image/Bmp.h"
#include "core/skincheck/RecordChecks.h"
#include "core/storage/ArchiveMessages.h"
#include "core/storage/QuickIni.h"
#include "core/storage/SkinReader.h"
#include "core/text/AsciiText.h"

namespace vcu {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Three decimal numbers from 0 to 255 with commas, blanks or semicolons between them: what
// the colour parser reads as the author wrote it. Anything else it reads as something else
// (a lone "12x4" is red 12).
bool IsRgbText(const std::string& text) {
  int parts = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    int value = 0, digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      if (++digits > 3) return false;
      value = value * 10 + (text[i] - '0');
    }
    if (digits == 0 || value > 255) return false;
    ++parts;
    const std::size_t numberEnd = i;
    while (i < text.size() && (text[i] == ',' || text[i] == ' ' || text[i] == ';' || text[i] == '\t')) ++i;
    if (i < text.size() && i == numberEnd) return false; // a number glued to another character
  }
  return parts == 3;
}

// Edits (insert, delete, replace, swap of neighbours) between two names, ASCII case ignored.
std::size_t EditDistance(const std::string& a, const std::string& b) {
  const std::string x = AsciiLower(a), y = AsciiLower(b);
  std::vector<std::vector<std::size_t>> d(x.size() + 1, std::vector<std::size_t>(y.size() + 1));
  for (std::size_t i = 0; i <= x.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= y.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= x.size(); ++i)
    for (std::size_t j = 1; j <= y.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (x[i - 1] != y[j - 1])});
      if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[x.size()][y.size()];
}

std::string Suggestion(const std::vector<SkinKey>& keys, const std::string& name) {
  if (name.size() > 64) return ""; // no key is that long, and the table would be large
  const SkinKey* best = nullptr;
  std::size_t bestDistance = 3; // more edits than two is not a typo
  for (const SkinKey& k : keys) {
    const std::size_t distance = EditDistance(k.name, name);
    if (distance < bestDistance) {
      best = &k;
      bestDistance = distance;
    }
  }
  return best ? " (did you mean " + best->name + "?)" : "";
}

std::string Quoted(const std::string& text) { return QuotedOneLine(text); }

class IniChecker {
public:
  IniChecker(const MemoryEntries& entries, const TQuickIni& ini, std::vector<Finding>& out)
      : entries_(entries), ini_(ini), out_(out) {
    ini_.ReadSections(&sections_);
    for (const std::string& section : sections_) vocabulary_.push_back(DescribeSection(section));
  }

  // Sections and keys, then the value of every key the engine reads.
  void Run() {
    std::set<std::string> seenSections;
    std::vector<bool> firstOccurrence(sections_.size());
    for (std::size_t i = 0; i < sections_.size(); ++i) {
      firstOccurrence[i] = seenSections.insert(AsciiUpper(sections_[i])).second;
      CheckSection(sections_[i], vocabulary_[i], firstOccurrence[i]);
    }
    std::set<std::pair<int, std::string>> seenKeys;
    for (const TQuickIni::EntryLine& line : ini_.EntryLines()) {
      if (line.section < 0) {
        Warn("", line.key, "stands before the first section; nothing reads it");
        continue;
      }
      const std::size_t index = static_cast<std::size_t>(line.section);
      const std::string& section = sections_[index];
      if (!line.hasEquals) {
        Warn(section, line.key, "has no '='; nothing reads it");
        continue;
      }
      if (!firstOccurrence[index]) continue;
      const bool firstKey = seenKeys.insert({line.section, AsciiLower(line.key)}).second;
      CheckEntry(section, vocabulary_[index], line, firstKey);
    }
  }

  const std::set<std::string>& UnusableBitmaps() const { return unusable_; }
  const std::set<std::string>& NamedFiles() const { return named_; }

private:
  void Error(const std::string& section, const std::string& key, const std::string& text) {
    out_.push_back({Severity::Error, section, key, text});
  }
  void Warn(const std::string& section, const std::string& key, const std::string& text) {
    out_.push_back({Severity::Warning, section, key, text});
  }

  void CheckSection(const std::string& section, const SectionVocabulary& v, bool first) {
    if (!first) {
      Warn(section, "", "section appears again; only its first occurrence is read");
      return;
    }
    if (v.role == SectionRole::Unknown)
      Warn(section, "", "unknown section; nothing reads it");
    else if (v.role == SectionRole::PushButtonAlias)
      Warn(section, "", "is not read: push buttons are described by section Buttons");
    else if (v.role == SectionRole::Element && ini_.ReadString(section, v.keys.front().name, "").empty())
      Warn(section, v.keys.front().name, "missing: without it the element is not drawn from the skin and its other keys are not read");
  }

  void CheckEntry(const std::string& section, const SectionVocabulary& v,
                  const TQuickIni::EntryLine& line, bool firstKey) {
    if (v.role == SectionRole::Unknown || v.role == SectionRole::PushButtonAlias) return;
    const SkinKey* known = FindKey(v.keys, line.key);
    if (!known) {
      Warn(section, line.key, "unknown key; nothing reads it" + Suggestion(v.keys, line.key));
      return;
    }
    if (!firstKey) {
      Warn(section, line.key, "key appears again in its section; only the first is read");
      return;
    }
    if (line.value.empty()) return;
    CheckValue(section, line.key, line.value, known->kind);
    if (v.role == SectionRole::CaptionButton) CheckCaptionValue(section, *known, line.value);
  }

  void CheckValue(const std::string& section, const std::string& key, const std::string& value,
                  KeyKind kind) {
    std::int32_t number = 0;
    switch (kind) {
    case KeyKind::Image: CheckImage(section, key, value); break;
    case KeyKind::Integer:
      if (!TQuickIni::ParseInteger(value, number))
        Warn(section, key, Quoted(value) + " is not a number; the engine takes its default");
      break;
    case KeyKind::ColourNumber:
      if (!TQuickIni::ParseInteger(value, number))
        Error(section, key, "colour " + Quoted(value) + " does not parse: give a number such as 0x00BBGGRR or -1");
      break;
    case KeyKind::ColourText:
      if (!IsRgbText(value))
        Error(section, key, "colour " + Quoted(value) + " does not parse: give three numbers R,G,B from 0 to 255");
      break;
    case KeyKind::Text: break;
    }
  }

  void CheckImage(const std::string& section, const std::string& key, const std::string& value) {
    // The file the value means, even when its name is not one the engine takes.
    named_.insert(AsciiLower(value.substr(value.find_last_of("\\:") + 1)));
    const std::string name = BitmapEntryName(value);
    if (name.empty()) {
      Warn(section, key, Quoted(value) + " is not a .bmp name (the extension is compared with case); the engine leaves the image empty");
      return;
    }
    std::vector<std::uint8_t> file;
    entries_.ExtractEntry(name, file);
    if (file.empty()) {
      const std::vector<std::string>& names = entries_.Names();
      const bool present = std::find(names.begin(), names.end(), AsciiLower(name)) != names.end();
      Error(section, key, present ? Quoted(name) + " is an empty file"
                                  : "names " + Quoted(name) + ", which the skin does not hold");
      return;
    }
    // Each file is decoded once however often it is named, and no more pixels are decoded
    // than the engine would decode for the whole skin.
    if (!decoded_.insert(AsciiLower(name)).second) return;
    try {
      const BmpDimensions size = ReadBmpDimensions(file);
      const std::int64_t pixels = std::int64_t{size.width} * size.height;
      if (pixels_ + pixels > kMaxSkinPixels) {
        Error(section, key, Quoted(name) + " takes the skin's bitmaps past the " +
                                std::to_string(kMaxSkinPixels) + " pixels a skin may hold");
        unusable_.insert(AsciiLower(name));
        return;
      }
      pixels_ += pixels;
      DecodeBmp(file);
    } catch (const EInvalidBitmap& fault) {
      Error(section, key, Quoted(name) + " is not a valid BMP: " + fault.Message());
      unusable_.insert(AsciiLower(name));
    } catch (const std::bad_alloc&) {
      Error(section, key, Quoted(name) + " is too large to decode");
      unusable_.insert(AsciiLower(name));
    }
  }

  void CheckCaptionValue(const std::string& section, const SkinKey& key, const std::string& value) {
    std::int32_t number = 0;
    if (!TQuickIni::ParseInteger(value, number)) return;
    if (AsciiEqualNoCase(key.name, "Action")) {
      const CaptionAction action = ActionOf(number);
      if (action == CaptionAction::Unknown && number != -1)
        Error(section, key.name, "Action " + std::to_string(number) +
                                     " is none the engine knows (-1 off, 0 close, 1/22 maximise, 2/23 minimise, 3/11/12 system menu, 4 help, 7-9/60-62 MDI child)");
      else if (action == CaptionAction::MdiMinimize || action == CaptionAction::MdiRestore ||
               action == CaptionAction::MdiClose)
        Warn(section, key.name, "Action " + std::to_string(number) +
                                    " acts on a maximised MDI child, whose buttons the engine adds by itself");
    } else if (AsciiEqualNoCase(key.name, "Align") && !IsKnownCaptionAlign(number)) {
      Error(section, key.name, "Align " + std::to_string(number) +
                                   " is none the engine knows (0 left, 1 right, 2/8 before the title, 3/9 after it)");
    }
  }

  const MemoryEntries& entries_;
  const TQuickIni& ini_;
  std::vector<Finding>& out_;
  std::vector<std::string> sections_;
  std::vector<SectionVocabulary> vocabulary_; // one per section, in the same order
  std::set<std::string> unusable_; // lower-cased names of bitmaps the engine cannot load
  std::set<std::string> named_;    // lower-cased names of every bitmap the INI names
  std::set<std::string> decoded_;  // lower-cased names of the bitmaps looked at
  std::int64_t pixels_ = 0;        // in those bitmaps
};

// The entries without the bitmaps that would stop a load, so the records of every other
// element can still be read and measured.
MemoryEntries UsableEntries(const MemoryEntries& entries, const std::set<std::string>& unusable) {
  MemoryEntries usable;
  std::vector<std::uint8_t> data;
  for (const std::string& name : entries.Names()) {
    if (unusable.count(name)) continue;
    entries.ExtractEntry(name, data);
    usable.Add(name, data);
  }
  return usable;
}

} // namespace

std::vector<Finding> CheckSkinEntries(const MemoryEntries& entries) {
  std::vector<Finding> out;
  std::vector<std::uint8_t> text;
  std::string iniName;
  entries.ExtractFirstMatch(".ini", text, iniName);
  if (iniName.empty()) {
    out.push_back({Severity::Error, "", "", "not a skin: it holds no INI description (*.ini)"});
    return out;
  }
  TQuickIni ini;
  ini.LoadFromStream(text);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  if (sections.empty()) {
    out.push_back({Severity::Error, "", iniName, "not a skin description: it has no [section]"});
    return out;
  }
  IniChecker checker(entries, ini, out);
  checker.Run();
  CheckRecords(ini, UsableEntries(entries, checker.UnusableBitmaps()), out);
  for (const std::string& name : entries.Names())
    if (name != iniName && !checker.NamedFiles().count(name))
      out.push_back({Severity::Warning, "", name,
                     name.find(".ini") != std::string::npos
                         ? "a second INI description; only " + Quoted(iniName) + " is read"
                         : "no key of the INI names this file"});
  return out;
}

// The reader's own message to the user stays unshown while a skin is checked: the check
// reports what it finds itself.
class QuietArchiveMessages {
public:
  QuietArchiveMessages() : previous_(SetArchiveMessageHook(nullptr)) {}
  ~QuietArchiveMessages() { SetArchiveMessageHook(previous_); }
  QuietArchiveMessages(const QuietArchiveMessages&) = delete;
  QuietArchiveMessages& operator=(const QuietArchiveMessages&) = delete;

private:
  ArchiveMessageHook previous_;
};

std::vector<Finding> CheckSkinFile(const std::uint8_t* data, std::size_t size) {
  const QuietArchiveMessages quiet;
  TSkinReader reader;
  bool read = false;
  try {
    read = reader.LoadArchive(data, size);
    // A stored layout's SkinStream: its own length word, then the skin file.
    if (!read && size >= 8 && ReadU32Le(data) == size - 4) read = reader.LoadArchive(data + 4, size - 4);
  } catch (const std::exception&) {
    read = false;
  }
  if (!read)
    return {{Severity::Error, "", "", "not a skin file, or a damaged one: its archive cannot be read"}};
  MemoryEntries entries;
  for (int i = 0; i < reader.Count(); ++i) entries.Add(reader.Names()[static_cast<std::size_t>(i)], reader.Entry(i).ToVector());
  return CheckSkinEntries(entries);
}

std::vector<Finding> CheckSkinFolder(const std::string& folder) {
  return CheckSkinEntries(ReadFolderEntries(folder));
}

std::string FindingLine(const Finding& f) {
  std::string line = f.severity == Severity::Error ? "error: " : "warning: ";
  if (!f.section.empty()) line += "[" + OneLine(f.section) + "] ";
  if (!f.key.empty()) line += OneLine(f.key) + ": ";
  return line + OneLine(f.text);
}

std::string FindingsSummary(const std::vector<Finding>& findings) {
  const auto errors = std::count_if(findings.begin(), findings.end(),
                                    [](const Finding& f) { return f.severity == Severity::Error; });
  const auto warnings = static_cast<std::ptrdiff_t>(findings.size()) - errors;
  return std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") + std::to_string(warnings) +
         (warnings == 1 ? " warning" : " warnings");
}

bool HasErrors(const std::vector<Finding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::Error; });
}

} // namespace vcu
