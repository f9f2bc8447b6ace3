#include "WholeFile.h"

#include "core/text/AsciiText.h"

#include "core/Errors.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vcu {
namespace tools {

namespace {

class FileDescriptor {
public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, reporting the result (a write may only fail here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

private:
  int fd_;
};

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
  throw Exception("cannot " + what + " " + OneLine(path) + ": " + std::strerror(errno));
}

} // namespace

ByteBuffer ReadWholeFile(const std::string& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0)
    Fail("read", path);
  struct stat info;
  if (::fstat(file.Get(), &info) != 0)
    Fail("read", path);
  if (S_ISDIR(info.st_mode))
    throw Exception("cannot read " + OneLine(path) + ": it is a folder, not a file");
  if (!S_ISREG(info.st_mode))
    throw Exception("cannot read " + OneLine(path) + ": it is not a regular file");

  ByteBuffer bytes(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) { // one read, unless the kernel hands out less
    const ssize_t got = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      Fail("read", path);
    if (got == 0)
      break; // the file shrank meanwhile: keep what is there
    done += static_cast<std::size_t>(got);
  }
  bytes.Truncate(done);
  return bytes;
}

void WriteWholeFile(const std::string& path, ByteView bytes) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.Get() < 0)
    Fail("write", path);
  std::size_t done = 0;
  while (done < bytes.size) {
    const ssize_t put = ::write(file.Get(), bytes.data + done, bytes.size - done);
    if (put < 0 && errno == EINTR)
      continue;
    if (put < 0)
      Fail("write", path);
    done += static_cast<std::size_t>(put);
  }
  if (!file.Close())
    Fail("write", path);
}

} // namespace tools
} // namespace vcu
