#pragma once
// Reading a whole skin into the element slots: the INI entry first, then every element in
// the fixed order (borders, colours, caption buttons, push buttons, title, ...), then the
// derived elements.
#include <cstddef>
#include <cstdint>

#include "core/elements/ElementSlots.h"

namespace vcu {

class SkinEntries;
class TQuickIni;

// The program's own bitmaps used when a skin lacks "Track" or "TRACKVERT": the resources
// "TRACK" (16 x 4) and "TRACKVERT" (4 x 16). The Windows layer decodes them from the
// program's resources (DecodeResourceBitmap); native code hands in bitmaps it builds.
struct BuiltinImages {
  Bitmap Track;
  Bitmap TrackVert;
};

// Every element from an INI already parsed. An entry that is not a bitmap raises
// EInvalidBitmap, and bitmaps that together pass kMaxSkinPixels raise ESkinTooLarge (both
// name the entry); the slots are then partly refilled and the caller treats the skin as
// unread.
void ReadSkinElements(const TQuickIni& ini, const SkinEntries& entries,
                      const BuiltinImages& builtin, TSkinElements& elements);

// The INI is the first entry whose name contains ".ini"; without one every slot takes its
// default, which is still a complete read.
void LoadSkinElements(const SkinEntries& entries, const BuiltinImages& builtin,
                      TSkinElements& elements);

// A stored skin: the compressed archive (32-bit decoded length, then the LZH stream). False,
// with the slots untouched, when the archive cannot be read; errors of the elements' bitmaps
// propagate as in ReadSkinElements.
bool LoadSkinArchive(const std::uint8_t* compressed, std::size_t size,
                     const BuiltinImages& builtin, TSkinElements& elements);

} // namespace vcu
