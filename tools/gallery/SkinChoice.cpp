#include "SkinChoice.h"

#include <windows.h>

#include "core/skincheck/SkinCheck.h"

namespace vcu {

const std::vector<BuiltInSkin>& BuiltInSkins() {
  static const std::vector<BuiltInSkin> skins{{"mnuSkinDefault", nullptr}, {"mnuSkinMidnight", "MIDNIGHT"}};
  return skins;
}

std::vector<std::uint8_t> ResourceBytes(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(10)); // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!bytes) return {};
  return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, resource));
}

bool ReadSkinFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  // A skin is a few hundred kilobytes; anything past 64 MB is no skin.
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= (64 << 20);
  if (ok) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                           read == bytes.size());
  }
  CloseHandle(file);
  return ok;
}

std::string SkinFileFault(const std::vector<std::uint8_t>& bytes) {
  for (const Finding& finding : CheckSkinFile(bytes.data(), bytes.size()))
    if (finding.severity == Severity::Error) return FindingLine(finding);
  return "";
}

} // namespace vcu
