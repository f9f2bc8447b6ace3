#include "core/storage/ByteBuffer.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vcu {

namespace {

#if defined(__linux__)
constexpr std::size_t kHugePage = std::size_t(2) << 20;
#endif

} // namespace

std::uint8_t* ByteBuffer::Allocate(std::size_t capacity) {
  if (capacity == 0)
    return nullptr;
  void* block = nullptr;
#if defined(__linux__)
  if (capacity >= kHugePage) {
    if (posix_memalign(&block, kHugePage, capacity) != 0)
      throw std::bad_alloc();
    // Only whole huge pages: the tail stays in small pages, so no more memory is touched
    // than the bytes written.
    madvise(block, capacity / kHugePage * kHugePage, MADV_HUGEPAGE);
    return static_cast<std::uint8_t*>(block);
  }
#endif
  block = std::malloc(capacity);
  if (!block)
    throw std::bad_alloc();
  return static_cast<std::uint8_t*>(block);
}

void ByteBuffer::Free::operator()(std::uint8_t* bytes) const { std::free(bytes); }

} // namespace vcu
