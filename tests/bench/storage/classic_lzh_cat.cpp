// classic_lzh_cat FILE: decodes a skin file (length word, then bit stream) to standard output
// the way the classic 1988 program does, a byte at a time through getc and putc. The
// benchmark's whole-program baseline for `skinpack list`.
#include "ClassicLzhDecoder.h"

#include <cstdio>

namespace {

int FileGetc(void* file) { return std::getc(static_cast<std::FILE*>(file)); }
void FilePutc(int byte, void* file) { std::putc(byte, static_cast<std::FILE*>(file)); }

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: classic_lzh_cat FILE\n");
    return 2;
  }
  std::FILE* in = std::fopen(argv[1], "rb");
  if (!in) {
    std::perror(argv[1]);
    return 1;
  }
  long textsize = 0;
  for (int i = 0; i < 4; ++i) {
    const int byte = std::getc(in);
    if (byte < 0)
      return 1;
    textsize |= static_cast<long>(byte) << (8 * i);
  }
  vcu::reference::ClassicLzhDecode(textsize, FileGetc, in, FilePutc, stdout);
  std::fclose(in);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
