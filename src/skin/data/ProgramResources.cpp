#include "skin/data/ProgramResources.h"

#include "core/elements/ResourceBitmap.h"

namespace vcu {
namespace {

constexpr int kGlyphSize = 16;
constexpr COLORREF kGlyphMask = RGB(255, 255, 255);

Bitmap LoadResourceBitmap(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(2)); // RT_BITMAP
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return Bitmap();
  return DecodeResourceBitmap(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, resource));
}

struct IconSearch {
  int width, height;
  HICON icon = nullptr;
};

// The name handed over lives only during the call for a named resource, so the icon is
// loaded here, and the enumeration stops at the first.
BOOL CALLBACK LoadFirstIcon(HMODULE module, LPCSTR, LPSTR name, LONG_PTR param) {
  auto* search = reinterpret_cast<IconSearch*>(param);
  search->icon = static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, search->width, search->height, 0));
  return FALSE;
}

} // namespace

BuiltinImages LoadBuiltinImages() {
  BuiltinImages images;
  images.Track = LoadResourceBitmap("TRACK");
  images.TrackVert = LoadResourceBitmap("TRACKVERT");
  return images;
}

HIMAGELIST LoadMenuGlyphs() {
  HMODULE module = GetModuleHandleA(nullptr);
  if (!FindResourceA(module, "TESSERAMENU", MAKEINTRESOURCEA(2))) return nullptr;
  return ImageList_LoadImageA(module, "TESSERAMENU", kGlyphSize, 0, kGlyphMask, IMAGE_BITMAP, 0);
}

HICON LoadProgramIcon(int width, int height) {
  IconSearch search{width, height};
  EnumResourceNamesA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(14), // RT_GROUP_ICON
                     &LoadFirstIcon, reinterpret_cast<LONG_PTR>(&search));
  return search.icon;
}

} // namespace vcu
