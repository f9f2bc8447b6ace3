#pragma once
// An owned block of bytes that is not zero-filled when made: the decoder and the file reader
// overwrite every byte they hand out, so clearing megabytes first would only cost time. A
// ByteView is a borrowed piece of one (or of any other bytes), valid while its owner lives.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vcu {

struct ByteView {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;

  const std::uint8_t* begin() const { return data; }
  const std::uint8_t* end() const { return data + size; }
  std::vector<std::uint8_t> ToVector() const { return std::vector<std::uint8_t>(begin(), end()); }
};

class ByteBuffer {
public:
  ByteBuffer() = default;
  // Room for `capacity` bytes, left as they come from the allocator; size() starts equal to
  // the capacity. Raises std::bad_alloc when the memory is not there.
  explicit ByteBuffer(std::size_t capacity)
      : bytes_(Allocate(capacity)), size_(capacity), capacity_(capacity) {}
  static ByteBuffer CopyOf(const std::uint8_t* data, std::size_t size);

  std::uint8_t* data() { return bytes_.get(); }
  const std::uint8_t* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const std::uint8_t* begin() const { return data(); }
  const std::uint8_t* end() const { return data() + size_; }
  std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

  // Keeps the first `size` bytes (at most the capacity); the memory stays allocated.
  void Truncate(std::size_t size) { size_ = size < capacity_ ? size : capacity_; }
  void Clear() { *this = ByteBuffer(); }

  ByteView View() const { return {data(), size_}; }
  ByteView View(std::size_t offset, std::size_t size) const { return {data() + offset, size}; }

private:
  struct Free {
    void operator()(std::uint8_t* bytes) const;
  };
  // Large blocks are asked for in huge pages where the system offers them: a decoded archive
  // of megabytes is otherwise faulted in 4 KB at a time, which costs more than decoding it.
  static std::uint8_t* Allocate(std::size_t capacity);

  std::unique_ptr<std::uint8_t[], Free> bytes_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

inline ByteBuffer ByteBuffer::CopyOf(const std::uint8_t* data, std::size_t size) {
  ByteBuffer copy(size);
  std::copy(data, data + size, copy.data());
  return copy;
}

inline bool operator==(const ByteView& a, const std::vector<std::uint8_t>& b) {
  return a.size == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

} // namespace vcu
