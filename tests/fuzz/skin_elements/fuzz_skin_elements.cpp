// Arbitrary bytes as a skin's INI, over the bitmaps of our default skin: every element is
// read, the derived elements are built, and each element's frames are composed the way the
// painters compose them, so that hostile margins, frame counts and names are exercised.
#include <cstdint>
#include <string>

#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/image/Slicing.h"

namespace {

const vcu::MemoryEntries& Bitmaps() {
  static const vcu::MemoryEntries entries =
      vcu::ReadFolderEntries(std::string(VCU_SOURCE_DIR) + "/skins/default");
  return entries;
}

// The entries of the default skin with the fuzz input as its only INI.
class FuzzSkin final : public vcu::SkinEntries {
public:
  FuzzSkin(const std::uint8_t* data, std::size_t size) : ini_(data, data + size) {}
  void ExtractEntry(const std::string& name, std::vector<std::uint8_t>& out) const override {
    Bitmaps().ExtractEntry(name, out);
  }
  void ExtractFirstMatch(const std::string& fragment, std::vector<std::uint8_t>& out,
                         std::string& entryName) const override {
    out = ini_;
    entryName = "fuzz" + fragment;
  }

private:
  std::vector<std::uint8_t> ini_;
};

void Compose(const vcu::TDataSkinObject* r) {
  if (!r) return;
  for (const vcu::Rect& at : {vcu::Rect{0, 0, 7, 5}, vcu::Rect{0, 0, 60, 24}})
    for (int frame : {1, r->Frame})
      (void)vcu::SlicedFrameImage(at, r->Bitmap, r->Margins(), frame, r->Frame, r->Tile != 0, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vcu::TSkinElements e;
  try {
    vcu::LoadSkinElements(FuzzSkin(data, size), vcu::BuiltinImages{}, e);
  } catch (const vcu::EInvalidBitmap&) {
    return 0; // an INI naming a non-bitmap entry (skin.ini itself) abandons the load
  }
  const vcu::TDataSkinObject* records[] = {
      &e.LeftBorder, &e.TopBorder, &e.Buttons, e.TabPane.get(), e.ComboButton.get(),
      e.SunkEdge.get(), e.ComboArrow.get(), e.Scrollbar.get(), e.Track.get(),
      e.Headerbar.get(), e.ToolBars.get(), e.MenuBar.get()};
  for (const vcu::TDataSkinObject* r : records) Compose(r);
  for (const vcu::TDataSkinSysButton& b : e.CaptionButtons) Compose(&b);
  return 0;
}
