#pragma once
// Reading a whole skin into the element slots: the INI entry first, then every element in
// the fixed order (borders, colours, caption buttons, push buttons, title, ...), then the
// derived elements.
#include <cstddef>
#include <cstdint>

#include "core/elements/ElementReaders.h"
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

// An element section read by one of the generic readers: the table the loader reads by and
// tools walk to know a skin's sections and keys.
struct ElementSection {
  const char* name;
  const ElementRule* rule;
  // A border record's second image comes from this key (kNoSkinKey: none a skin writes).
  const char* secondImageKey = nullptr;
  // The second image holds as many frames as the first (the up-down glyphs); else it is one
  // picture (the tab pane).
  bool secondImageFramed = false;
  // The group box label: its background keys beside the rule's.
  bool boxLabel = false;
  // The frame count after reading: fixed by the engine whatever the INI says (0: as read,
  // or as FixFrameCounts rules for the progress bar and the header bar)...
  int fixedFrames = 0;
  // ...or read from this key of the section (default 3).
  const char* frameCountKey = nullptr;
  // The slot; exactly one is set, as the record class requires.
  std::unique_ptr<TDataSkinObject> TSkinElements::*plain = nullptr;
  std::unique_ptr<TDataSkinBorder> TSkinElements::*border = nullptr;
  std::unique_ptr<TDataSkinBoxLabel> TSkinElements::*label = nullptr;

  // The record the section was read into, or null.
  const TDataSkinObject* Record(const TSkinElements& e) const;
  TDataSkinObject* Record(TSkinElements& e) const;
};
extern const char* const kNoSkinKey;
// The skin's name: section "TitlebarSkin", key "SkinName".
extern const char* const kTitlebarSkinSection;
extern const char* const kSkinNameKey;

// In reading order.
const std::vector<ElementSection>& ElementSections();
// Every key the section's reader looks up.
std::vector<SkinKey> ElementSectionKeys(const ElementSection& section);

// The records as the readers leave them, frame counts fixed, before anything is derived
// from them (combo faces, toolbar gradient, frame colour): what the skin itself says.
// Raises as ReadSkinElements.
void ReadSkinRecords(const TQuickIni& ini, const SkinEntries& entries,
                     const BuiltinImages& builtin, TSkinElements& elements);

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
