#pragma once
// TLZH: the decoder of the compressed skin. LZSS over a 4,096-byte window; literals and match
// lengths share one adaptive Huffman code, match positions use a fixed prefix code for their
// upper 6 bits followed by the lower 6 bits verbatim. A compressed stream is a signed 32-bit
// little-endian decoded length followed by the bit stream, most significant bit first.
#include "core/Errors.h"
#include "core/storage/ByteBuffer.h"

#include <cstddef>
#include <cstdint>

namespace vcu {

// Raised when the codec cannot get its tables. (Releasing them cannot fail here: they are
// freed by their owner's destructor, so there is no error for it.)
class ElzhException : public Exception {
public:
  using Exception::Exception;
};

extern const char* const kLzhNoMemoryMessage; // "LZH : Cannot get memory for dictionary tables"

class TLZH {
public:
  // Decodes the bit stream `input` until at least `length` bytes are out; the last match is
  // copied whole, so up to 59 bytes more may come out. Input missing at the end reads as zero
  // bits and decoding goes on: a truncated or corrupt stream is not an error. A length of 0
  // or below gives nothing. Raises ElzhException when the tables cannot be allocated, and
  // std::bad_alloc when the output cannot.
  ByteBuffer Decode(std::int32_t length, const std::uint8_t* input,
                                   std::size_t size);

  // Input bytes the last Decode took: what a reader pulling one byte whenever fewer than 9
  // bits are buffered would have pulled, capped at the size given.
  std::size_t InputBytesRead() const { return inputBytesRead_; }

  // Decodes a whole compressed stream (length word, then bit stream) into `out`. False, with
  // `out` empty, when the stream is shorter than its length word or declares more bytes than
  // a bit stream of its size can describe (a corrupt length word must not make us produce
  // gigabytes of zeros).
  bool DecodeStream(const std::uint8_t* stream, std::size_t size, ByteBuffer& out);

  // The most bytes `streamBytes` bytes of bit stream can describe: a match of 60 bytes costs
  // at least 10 bits (1 for its length symbol, 9 for its position), a literal at least 1.
  static std::int64_t MaxDecodedLength(std::size_t streamBytes);

private:
  std::size_t inputBytesRead_ = 0;
};

} // namespace vcu
