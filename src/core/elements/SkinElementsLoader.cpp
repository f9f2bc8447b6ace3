#include "core/elements/SkinElementsLoader.h"

#include <algorithm>
#include <string>
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

void ReadPlainElements(ElementReader& reader, TSkinElements& e) {
  const std::pair<std::unique_ptr<TDataSkinObject>*, const char*> plain[] = {
      {&e.ExtraImages, "ExtraImages"},
      {&e.Headerbar, "Headerbar"},
      {&e.MenuItem, "MenuItem"},
      {&e.MenuBackground, "MenuBackground"},
      {&e.Scrollbar, "Scrollbar"},
      {&e.HorzScroll, "HorzScroll"},
      {&e.VertScroll, "VertScroll"},
      {&e.HorzScrollThumb, "HorzScrollThumb"},
      {&e.VertScrollThumb, "VertScrollThumb"},
      {&e.TrackbarThumbHorz, "Trackbar.ThumbHorz"},
      {&e.TrackbarThumbVert, "Trackbar.ThumbVert"},
      {&e.TrackbarThumbLeft, "Trackbar.ThumbLeft"},
      {&e.TrackbarThumbRight, "Trackbar.ThumbRight"},
      {&e.TrackbarThumbUp, "Trackbar.ThumbUp"},
      {&e.TrackbarThumbDown, "Trackbar.ThumbDown"},
  };
  for (const auto& [slot, section] : plain) reader.ReadElement(*slot, section);
}

} // namespace

void ReadSkinElements(const TQuickIni& ini, const SkinEntries& entries,
                      const BuiltinImages& builtin, TSkinElements& e) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  e.SkinName = ini.ReadString("TitlebarSkin", "SkinName", "");
  ElementReader reader(ini, entries, e);
  reader.ReadFrameBorders(e);
  ReadColours(ini, sections, e);
  ReadCaptionButtons(reader, sections, e);
  reader.ReadButtonsElement(e.Buttons);
  reader.ReadTitleText(e.TitleText);
  reader.ReadProgressElement(e.Progress, "Progress");
  reader.ReadElement(e.ProgressChunk, "Progress.Chunk");
  reader.ReadMenuBarElement(e.MenuBar);
  reader.ReadElement(e.GroupBoxEdge, "GroupBoxEdge");
  reader.ReadBoxLabelElement(e.GroupBox, "GroupBox");
  reader.ReadBorderElement(e.Tabs, "Tabs", "Border");
  reader.ReadElement(e.StatusBarEdges, "StatusBarEdges");
  reader.ReadElement(e.TabPane, "Tab.Pane");
  LimitMargins(e.TabPane.get(), 4);
  reader.ReadElement(e.ToolBars, "ToolBars");
  // "****" is no key a skin writes: the combo button's second image is its mirror image.
  reader.ReadBorderElement(e.ComboButton, "ComboButton", "****");
  reader.ReadElement(e.SunkEdge, "SunkEdge");
  MirrorComboButton(e);
  ReadPlainElements(reader, e);
  reader.ReadBorderElement(e.UpDownHorz, "UpDown.Horz", "GlyphImage");
  reader.ReadBorderElement(e.UpDownVert, "UpDown.Vert", "GlyphImage");
  reader.ReadElement(e.Track, "Track");
  reader.ReadElement(e.TrackVert, "TRACKVERT");
  UseBuiltinTrack(e.Track, "TRACK", builtin.Track);
  UseBuiltinTrack(e.TrackVert, "TRACKVERT", builtin.TrackVert);
  FixFrameCounts(ini, e);
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
