// make_bench_skins DIR: writes the storage benchmark's skin files, default.vsk (the default
// skin folder packed) and large.vsk (the large mixed archive), for whole-program timings such
// as `skinpack list DIR/large.vsk` against `classic_lzh_cat DIR/large.vsk`.
#include "SkinLikeData.h"

#include "core/storage/LzhEncoder.h"

#include <cstdio>
#include <string>

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& archive) {
  const std::vector<std::uint8_t> stream = vcu::LzhEncode(archive);
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out)
    return false;
  const bool written = std::fwrite(stream.data(), 1, stream.size(), out) == stream.size();
  const bool closed = std::fclose(out) == 0;
  std::printf("%s: %zu bytes, %zu decoded\n", path.c_str(), stream.size(), archive.size());
  return written && closed;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_bench_skins DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  if (!Write(dir + "/default.vsk", vcu::bench::FolderArchive(VCU_DEFAULT_SKIN_DIR)) ||
      !Write(dir + "/large.vsk", vcu::bench::LargeMixedArchive())) {
    std::perror(dir.c_str());
    return 1;
  }
  return 0;
}
