// Arbitrary bytes through the encoder and back through the decoder must come out unchanged,
// using the whole bit stream and nothing past it.
#include "core/storage/Lzh.h"
#include "core/storage/LzhEncoder.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> stream = vcu::LzhEncode(data, size);
  vcu::TLZH codec;
  vcu::ByteBuffer out;
  if (!codec.DecodeStream(stream.data(), stream.size(), out))
    std::abort();
  if (out.size() != size || (size > 0 && std::memcmp(out.data(), data, size) != 0))
    std::abort();
  if (codec.InputBytesRead() != stream.size() - 4)
    std::abort();
  return 0;
}
