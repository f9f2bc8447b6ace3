// Arbitrary bytes as a skin's INI, over the bitmaps of our default skin: every element is
// read, the derived elements are built, and each element's frames are composed the way the
// painters compose them, so that hostile margins, frame counts and names are exercised.
#include <cstdint>
#include <string>

#include "core/elements/ElementReaders.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "../common/ComposeElements.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vcu::TSkinElements e;
  try {
    vcu::LoadSkinElements(FuzzSkin(data, size), vcu::BuiltinImages{}, e);
  } catch (const vcu::EInvalidBitmap&) {
    return 0; // an INI naming a non-bitmap entry (skin.ini itself) abandons the load
  } catch (const vcu::ESkinTooLarge&) {
    return 0; // so does one naming the same images thousands of times
  }
  vcu::fuzz::ComposeElements(e);
  return 0;
}
