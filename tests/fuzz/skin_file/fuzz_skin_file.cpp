// Arbitrary bytes as a whole stored skin, as the program loads the one in its layout: the
// decoder, the archive, the INI, every bitmap (under the skin's pixel cap) and the derived
// elements, then the composition of every element. A load ends in a skin, a refusal, or one
// of the errors the skin data component catches; nothing else is allowed.
#include <cstdint>

#include "../common/ComposeElements.h"
#include "core/elements/ElementReaders.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/image/Bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vcu::TSkinElements e;
  try {
    if (!vcu::LoadSkinArchive(data, size, vcu::BuiltinImages{}, e)) return 0;
  } catch (const vcu::EInvalidBitmap&) {
    return 0;
  } catch (const vcu::ESkinTooLarge&) {
    return 0;
  }
  vcu::fuzz::ComposeElements(e);
  return 0;
}
