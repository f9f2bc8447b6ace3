#include "core/elements/SkinElementsLoader.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/elements/CaptionButtons.h"
#include "core/elements/DerivedElements.h"
#include "core/elements/ElementReaders.h"
#include "core/elements/SkinEntries.h"
#include "core/storage/QuickIni.h"
#include "core/storage/SkinReader.h"

namespace vcu {
namespace {

void LimitMargins(TDataSkinObject* record, int most) {
  if (!record) return;
  const Margins m = record->Margins();
  record->SetMargins({std::min(m.left, most), std::min(m.top, most), std::min(m.right, most),
                      std::min(m.bottom, most)});
}

// The program's own image for a track the skin does not draw.
void UseBuiltinTrack(std::unique_ptr<TDataSkinObject>& slot, const char* name,
                     const Bitmap& image) {
  if (slot) return;
  slot = std::make_unique<TDataSkinObject>(name);
  slot->Bitmap = image;
  slot->SetMargins({3, 3, 3, 3});
  slot->Tile = 0;
  slot->Frame = 1;
}

} // namespace

const char* const kNoSkinKey = "****";
const char* const kTitlebarSkinSection = "TitlebarSkin";
const char* const kSkinNameKey = "SkinName";

const TDataSkinObject* ElementSection::Record(const TSkinElements& e) const {
  if (plain) return (e.*plain).get();
  if (border) return (e.*border).get();
  return label ? (e.*label).get() : nullptr;
}

TDataSkinObject* ElementSection::Record(TSkinElements& e) const {
  return const_cast<TDataSkinObject*>(Record(static_cast<const TSkinElements&>(e)));
}

const std::vector<ElementSection>& ElementSections() {
  using E = TSkinElements;
  const auto plainSection = [](const char* name, std::unique_ptr<TDataSkinObject> E::*slot,
                               int fixedFrames, const char* frameCountKey = nullptr) {
    ElementSection s{name, &kPlainElement};
    s.plain = slot;
    s.fixedFrames = fixedFrames;
    s.frameCountKey = frameCountKey;
    return s;
  };
  const auto borderSection = [](const char* name, std::unique_ptr<TDataSkinBorder> E::*slot,
                                const ElementRule& rule, int fixedFrames, const char* secondKey,
                                bool secondFramed = false) {
    ElementSection s{name, &rule, secondKey};
    s.secondImageFramed = secondFramed;
    s.fixedFrames = fixedFrames;
    s.border = slot;
    return s;
  };
  ElementSection groupBox{"GroupBox", &kFramelessElement};
  groupBox.boxLabel = true;
  groupBox.fixedFrames = 1;
  groupBox.label = &E::GroupBox;
  static const std::vector<ElementSection> sections = {
      borderSection("Progress", &E::Progress, kProgressElement, 0, nullptr),
      plainSection("Progress.Chunk", &E::ProgressChunk, 0),
      plainSection("GroupBoxEdge", &E::GroupBoxEdge, 2),
      groupBox,
      borderSection("Tabs", &E::Tabs, kFramelessElement, 5, "Border"),
      plainSection("StatusBarEdges", &E::StatusBarEdges, 3),
      plainSection("Tab.Pane", &E::TabPane, 1),
      plainSection("ToolBars", &E::ToolBars, 5),
      // The combo button's second image is made from its first, never read from the skin.
      borderSection("ComboButton", &E::ComboButton, kFramelessElement, 4, kNoSkinKey),
      plainSection("SunkEdge", &E::SunkEdge, 4),
      plainSection("ExtraImages", &E::ExtraImages, 5),
      plainSection("Headerbar", &E::Headerbar, 0),
      plainSection("MenuItem", &E::MenuItem, 5),
      plainSection("MenuBackground", &E::MenuBackground, 1),
      plainSection("Scrollbar", &E::Scrollbar, 23),
      plainSection("HorzScroll", &E::HorzScroll, 4),
      plainSection("VertScroll", &E::VertScroll, 4),
      plainSection("HorzScrollThumb", &E::HorzScrollThumb, 0, "FrameCount"),
      plainSection("VertScrollThumb", &E::VertScrollThumb, 0, "FrameCount"),
      plainSection("Trackbar.ThumbHorz", &E::TrackbarThumbHorz, 5),
      plainSection("Trackbar.ThumbVert", &E::TrackbarThumbVert, 5),
      plainSection("Trackbar.ThumbLeft", &E::TrackbarThumbLeft, 5),
      plainSection("Trackbar.ThumbRight", &E::TrackbarThumbRight, 5),
      plainSection("Trackbar.ThumbUp", &E::TrackbarThumbUp, 5),
      plainSection("Trackbar.ThumbDown", &E::TrackbarThumbDown, 5),
      borderSection("UpDown.Horz", &E::UpDownHorz, kFramelessElement, 8, "GlyphImage", true),
      borderSection("UpDown.Vert", &E::UpDownVert, kFramelessElement, 8, "GlyphImage", true),
      plainSection("Track", &E::Track, 0),
      plainSection("TRACKVERT", &E::TrackVert, 0),
  };
  return sections;
}

std::vector<SkinKey> ElementSectionKeys(const ElementSection& section) {
  std::vector<SkinKey> keys = section.boxLabel ? BoxLabelKeys() : RuleKeys(*section.rule);
  if (section.secondImageKey && section.secondImageKey != kNoSkinKey)
    keys.push_back({section.secondImageKey, KeyKind::Image});
  if (section.frameCountKey) keys.push_back({section.frameCountKey, KeyKind::Integer});
  return keys;
}

namespace {

void ReadElementSection(ElementReader& reader, const ElementSection& s, TSkinElements& e) {
  if (s.label) reader.ReadBoxLabelElement(e.*s.label, s.name);
  else if (s.border && s.rule == &kProgressElement) reader.ReadProgressElement(e.*s.border, s.name);
  else if (s.border) reader.ReadBorderElement(e.*s.border, s.name, s.secondImageKey);
  else reader.ReadElement(e.*s.plain, s.name);
}

} // namespace

void ReadSkinRecords(const TQuickIni& ini, const SkinEntries& entries,
                     const BuiltinImages& builtin, TSkinElements& e) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  e.SkinName = ini.ReadString(kTitlebarSkinSection, kSkinNameKey, "");
  ElementReader reader(ini, entries, e);
  reader.ReadFrameBorders(e);
  ReadColours(ini, sections, e);
  ReadCaptionButtons(reader, sections, e);
  reader.ReadButtonsElement(e.Buttons);
  reader.ReadTitleText(e.TitleText);
  // The generic sections in the table's order, with the menu bar (in "Personality") between
  // the progress bar and the group boxes. What is done to a record after its read depends on
  // no later record, so it follows them all.
  for (const ElementSection& s : ElementSections()) {
    if (std::string_view(s.name) == "GroupBoxEdge") reader.ReadMenuBarElement(e.MenuBar);
    ReadElementSection(reader, s, e);
  }
  LimitMargins(e.TabPane.get(), 4);
  MirrorComboButton(e);
  UseBuiltinTrack(e.Track, "TRACK", builtin.Track);
  UseBuiltinTrack(e.TrackVert, "TRACKVERT", builtin.TrackVert);
  FixFrameCounts(ini, e);
}

void ReadSkinElements(const TQuickIni& ini, const SkinEntries& entries,
                      const BuiltinImages& builtin, TSkinElements& e) {
  ReadSkinRecords(ini, entries, builtin, e);
  BuildComboElements(e);
  BuildComboArrow(e);
  BuildToolbarGradient(e);
  e.FrameColour = ComputeFrameColour(e);
}

void LoadSkinElements(const SkinEntries& entries, const BuiltinImages& builtin,
                      TSkinElements& elements) {
  std::vector<std::uint8_t> text;
  std::string name;
  entries.ExtractFirstMatch(".ini", text, name);
  TQuickIni ini;
  ini.LoadFromStream(text);
  ReadSkinElements(ini, entries, builtin, elements);
}

bool LoadSkinArchive(const std::uint8_t* compressed, std::size_t size,
                     const BuiltinImages& builtin, TSkinElements& elements) {
  TSkinReader reader;
  if (!reader.LoadArchive(compressed, size)) return false;
  LoadSkinElements(ArchiveEntries(reader), builtin, elements);
  return true;
}

} // namespace vcu
