// skinview: renders every element of a skin onto one labelled sheet, so that a skin author can
// look at a skin without starting the program.
//
//   skinview <skin file or skin folder> -o sheet.bmp|sheet.png [--zoom N]
//
// A skin file is a stored skin (the compressed archive, as skinpack writes it); a folder holds
// the INI and bitmaps as they are edited. PNG output goes through ImageMagick's "convert".
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "Sheet.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"

extern char** environ;

namespace vcu::skinview {
namespace {

struct Arguments {
  std::string skin, output;
  int zoom = 2;
};

bool ParseArguments(int argc, char** argv, Arguments& a) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-o" && i + 1 < argc) a.output = argv[++i];
    else if (arg == "--zoom" && i + 1 < argc) a.zoom = std::max(1, std::atoi(argv[++i]));
    else if (a.skin.empty() && arg[0] != '-') a.skin = arg;
    else return false;
  }
  return !a.skin.empty() && !a.output.empty();
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

void LoadSkin(const std::string& path, TSkinElements& e) {
  if (std::filesystem::is_directory(path)) {
    LoadSkinElements(ReadFolderEntries(path), BuiltinImages{}, e);
    return;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Exception("cannot open " + path);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!LoadSkinArchive(bytes.data(), bytes.size(), BuiltinImages{}, e))
    throw Exception(path + " is not a skin archive this program reads");
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw Exception("cannot write " + path);
}

// Runs "convert bmp png" without a shell, so no file name is ever interpreted.
void ConvertToPng(const std::string& bmp, const std::string& png) {
  std::string program = "convert";
  std::vector<char*> args{program.data(), const_cast<char*>(bmp.c_str()), const_cast<char*>(png.c_str()), nullptr};
  pid_t pid;
  if (posix_spawnp(&pid, "convert", nullptr, nullptr, args.data(), environ) != 0)
    throw Exception("cannot start ImageMagick's convert for PNG output");
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw Exception("convert failed on " + bmp);
}

// The largest zoom, up to the one asked for, whose sheet stays within the bitmap limits.
int FittingZoom(const Bitmap& sheet, int zoom) {
  while (zoom > 1 && (static_cast<std::int64_t>(sheet.Width()) * zoom * sheet.Height() * zoom > kMaxBitmapPixels ||
                      sheet.Height() * zoom > kMaxBitmapSide))
    --zoom;
  return zoom;
}

int Run(const Arguments& a) {
  TSkinElements e;
  LoadSkin(a.skin, e);
  std::vector<std::string> missing;
  const std::vector<ViewedImage> images = ListImages(e, missing);
  const std::string title = e.SkinName.empty() ? std::filesystem::path(a.skin).filename().string() : e.SkinName;
  const Bitmap sheet = RenderSheet(title, images, missing, e);
  const Bitmap zoomed = Zoom(sheet, FittingZoom(sheet, a.zoom));
  if (EndsWith(a.output, ".png")) {
    const std::string temporary = a.output + ".tmp.bmp";
    WriteFile(temporary, EncodeBmp24(zoomed));
    ConvertToPng(temporary, a.output);
    std::filesystem::remove(temporary);
  } else {
    WriteFile(a.output, EncodeBmp24(zoomed));
  }
  std::cout << a.output << ": " << images.size() << " images, " << missing.size() << " empty slots, "
            << zoomed.Width() << " x " << zoomed.Height() << "\n";
  return 0;
}

} // namespace
} // namespace vcu::skinview

int main(int argc, char** argv) {
  vcu::skinview::Arguments a;
  if (!vcu::skinview::ParseArguments(argc, argv, a)) {
    std::cerr << "usage: skinview <skin file or skin folder> -o sheet.bmp|sheet.png [--zoom N]\n";
    return 2;
  }
  try {
    return vcu::skinview::Run(a);
  } catch (const std::exception& e) {
    std::cerr << "skinview: " << e.what() << "\n";
    return 1;
  }
}
