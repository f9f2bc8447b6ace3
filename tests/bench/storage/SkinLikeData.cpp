#include "SkinLikeData.h"

#include "core/storage/SkinArchiveWriter.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace vcu {
namespace bench {

namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 24-bit bottom-up BMP of `frames` state frames side by side, each a bevelled button face
// with a vertical gradient, a magenta corner cut-out and a faint dither.
std::vector<std::uint8_t> FrameStrip(int frameWidth, int height, int frames, std::mt19937& rng) {
  const int width = frameWidth * frames;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<std::uint8_t> bmp{'B', 'M'};
  PutLe(bmp, static_cast<std::uint32_t>(54 + stride * height), 4);
  PutLe(bmp, 0, 4);
  PutLe(bmp, 54, 4);
  PutLe(bmp, 40, 4);
  PutLe(bmp, static_cast<std::uint32_t>(width), 4);
  PutLe(bmp, static_cast<std::uint32_t>(height), 4);
  PutLe(bmp, 1, 2);
  PutLe(bmp, 24, 2);
  PutLe(bmp, 0, 4);
  PutLe(bmp, static_cast<std::uint32_t>(stride * height), 4);
  PutLe(bmp, 2835, 4);
  PutLe(bmp, 2835, 4);
  PutLe(bmp, 0, 8);
  const int base = static_cast<int>(rng() % 120) + 100;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int fx = x % frameWidth, frame = x / frameWidth;
      const bool corner = (fx + y < 3) || (frameWidth - 1 - fx + y < 3);
      const bool bevel = fx == 0 || y == 0 || fx == frameWidth - 1 || y == height - 1;
      int r, g, b;
      if (corner) {
        r = 255; g = 0; b = 255;
      } else if (bevel) {
        r = g = b = frame == 1 ? 64 : 200;
      } else {
        const int shade = base + frame * 10 - y * 40 / height + static_cast<int>(rng() % 8 == 0);
        r = shade; g = shade + 8; b = shade + 24;
      }
      bmp.push_back(static_cast<std::uint8_t>(b < 255 ? b : 255));
      bmp.push_back(static_cast<std::uint8_t>(g < 255 ? g : 255));
      bmp.push_back(static_cast<std::uint8_t>(r < 255 ? r : 255));
    }
    bmp.resize(bmp.size() + static_cast<std::size_t>(stride - width * 3), 0);
  }
  return bmp;
}

std::string SkinIni(int elements, const std::string& prefix = "") {
  std::string ini = "; skin description\r\n[SkinInfo]\r\nVersion=4\r\nAuthor=bench\r\n";
  for (int i = 0; i < elements; ++i) {
    const std::string n = std::to_string(i);
    ini += "\r\n[Element" + n + "]\r\nSkinName=" + prefix + "element" + n + ".bmp\r\nLeftWidth=" +
           std::to_string(3 + i % 5) + "\r\nRightWidth=" + std::to_string(3 + i % 4) +
           "\r\nTopHeight=4\r\nBottomHeight=4\r\nFrame=5\r\nTrans=1\r\nTile=0\r\n"
           "NormalColour=0xFF00000F\r\nMouseOverColour=-1\r\n";
  }
  return ini;
}

std::vector<std::uint8_t> FromText(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

// A one-colour 24-bit BMP: the long runs of a flat background.
std::vector<std::uint8_t> FlatBitmap(int width, int height, std::mt19937& rng) {
  std::vector<std::uint8_t> bmp = FrameStrip(width, 1, 1, rng);
  const std::uint8_t pixel[3] = {bmp[54], bmp[55], bmp[56]};
  const int stride = (width * 3 + 3) & ~3;
  bmp.resize(54);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      bmp.insert(bmp.end(), pixel, pixel + 3);
    bmp.resize(bmp.size() + static_cast<std::size_t>(stride - width * 3), 0);
  }
  const std::uint32_t fileSize = static_cast<std::uint32_t>(bmp.size());
  for (int i = 0; i < 4; ++i) {
    bmp[2 + i] = static_cast<std::uint8_t>(fileSize >> (8 * i));
    bmp[22 + i] = static_cast<std::uint8_t>(height >> (8 * i));
  }
  return bmp;
}

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::mt19937& rng) {
  std::vector<std::uint8_t> bytes(size);
  for (std::uint8_t& b : bytes)
    b = static_cast<std::uint8_t>(rng());
  return bytes;
}

} // namespace

std::vector<std::uint8_t> LargeMixedArchive() {
  constexpr int kSets = 14, kStripsPerSet = 35;
  constexpr std::size_t kRandomPerSet = 30 * 1024;
  std::mt19937 rng(1988);
  std::vector<SkinArchiveEntry> entries;
  for (int set = 0; set < kSets; ++set) {
    const std::string prefix = "set" + std::to_string(set) + "_";
    for (int i = 0; i < kStripsPerSet; ++i) {
      const int frameWidth = 12 + static_cast<int>(rng() % 36);
      const int height = 12 + static_cast<int>(rng() % 24);
      entries.push_back({prefix + "element" + std::to_string(i) + ".bmp",
                         FrameStrip(frameWidth, height, 5, rng)});
    }
    entries.push_back({prefix + "background.bmp", FlatBitmap(240, 60, rng)});
    entries.push_back({prefix + "noise.dat", RandomBytes(kRandomPerSet, rng)});
    entries.push_back({prefix + "skin.ini", FromText(SkinIni(kStripsPerSet, prefix))});
  }
  return WriteSkinArchive(entries, 50000);
}

std::vector<std::uint8_t> FolderArchive(const std::string& folder) {
  namespace fs = std::filesystem;
  const auto isIni = [](const fs::path& p) { return p.extension() == ".ini"; };
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file())
      files.push_back(entry.path());
  std::sort(files.begin(), files.end(), [&](const fs::path& a, const fs::path& b) {
    return isIni(a) != isIni(b) ? isIni(b) : a.filename() < b.filename();
  });
  std::vector<SkinArchiveEntry> entries;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    entries.push_back({file.filename().string(),
                       std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                                 std::istreambuf_iterator<char>())});
  }
  return WriteSkinArchive(entries, 40000);
}

} // namespace bench
} // namespace vcu
