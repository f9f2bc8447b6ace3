// Replays a fuzz target's corpus without libFuzzer: every file named on the command line, or
// every file in a folder named there, is fed once to LLVMFuzzerTestOneInput. The test builds
// run this under AddressSanitizer and UndefinedBehaviorSanitizer, so a corpus file that once
// found a fault keeps guarding against it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles(const fs::path& path) {
  std::vector<fs::path> files;
  if (fs::is_directory(path)) {
    for (const auto& entry : fs::directory_iterator(path))
      if (entry.is_regular_file())
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
  } else {
    files.push_back(path);
  }
  return files;
}

bool Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "replay: cannot read %s\n", file.string().c_str());
    return false;
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  // An empty vector's data() may be null; libFuzzer never passes null.
  static const std::uint8_t none = 0;
  LLVMFuzzerTestOneInput(bytes.empty() ? &none : bytes.data(), bytes.size());
  return true;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR_OR_FILE...\n", argv[0]);
    return 2;
  }
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& file : CorpusFiles(argv[i])) {
      if (!Replay(file))
        return 1;
      ++replayed;
    }
  }
  if (replayed == 0) {
    std::fprintf(stderr, "replay: no corpus file found\n");
    return 1;
  }
  std::printf("replayed %zu inputs\n", replayed);
  return 0;
}
