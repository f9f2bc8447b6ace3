// skinview: renders every element of a skin onto one labelled sheet, so that a skin author can
// look at a skin without starting the program.
//
//   skinview <skin file or skin folder> -o sheet.bmp|sheet.png [--zoom N]
//
// A skin file is a stored skin (the compressed archive, as skinpack writes it); a folder holds
// the INI and bitmaps as they are edited. PNG output goes through ImageMagick's "convert".
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "Sheet.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/skincheck/SkinCheck.h"
#include "core/text/AsciiText.h"
#include "WholeFile.h"

extern char** environ;

namespace vcu::skinview {
namespace {

const char* const kUsage =
    "usage: skinview <skin file or skin folder> -o sheet.bmp|sheet.png [--zoom N]\n";

struct Arguments {
  std::string skin, output;
  int zoom = 2;
  bool help = false;
};

bool ParseArguments(int argc, char** argv, Arguments& a) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") a.help = true;
    else if (arg == "-o" && i + 1 < argc) a.output = argv[++i];
    else if (arg == "--zoom" && i + 1 < argc) a.zoom = std::max(1, std::atoi(argv[++i]));
    else if (a.skin.empty() && !arg.empty() && arg[0] != '-') a.skin = arg;
    else return false;
  }
  return a.help || (!a.skin.empty() && !a.output.empty());
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A file name as messages show it: quoted, with any line break escaped.
std::string Named(const std::string& path) { return QuotedOneLine(path); }

// The skin's entries: a folder's files, or a stored skin's archive.
MemoryEntries ReadFolderSkin(const std::string& path) {
  MemoryEntries entries = ReadFolderEntries(path);
  std::vector<std::uint8_t> ini;
  std::string iniName;
  entries.ExtractFirstMatch(".ini", ini, iniName);
  if (iniName.empty())
    throw Exception(Named(path) + " is a folder without a skin INI (*.ini), not a skin file");
  return entries;
}

// Errors of the skin's content (a bad bitmap, a skin too large) name the skin they come from.
void LoadSkin(const std::string& path, TSkinElements& e) {
  std::error_code error;
  const bool folder = std::filesystem::is_directory(path, error);
  const MemoryEntries files = folder ? ReadFolderSkin(path) : MemoryEntries{};
  const ByteBuffer stored = folder ? ByteBuffer{} : tools::ReadWholeFile(path);
  bool read = true;
  try {
    if (folder) LoadSkinElements(files, BuiltinImages{}, e);
    else read = LoadSkinArchive(stored.data(), stored.size(), BuiltinImages{}, e);
  } catch (const Exception& fault) {
    throw Exception(Named(path) + ": " + fault.what());
  }
  if (!read) throw Exception(Named(path) + " is not a skin file this program reads");
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  tools::WriteWholeFile(path, ByteView{bytes.data(), bytes.size()});
}

// A BMP file in the temporary folder, removed when this goes out of scope.
class TemporaryBmp {
public:
  TemporaryBmp() {
    path_ = (std::filesystem::temp_directory_path() / "skinview-XXXXXX.bmp").string();
    const int fd = mkstemps(path_.data(), 4);
    if (fd < 0) throw Exception("cannot create a temporary file in " + Named(path_));
    close(fd);
  }
  ~TemporaryBmp() { std::filesystem::remove(path_, ignored_); }
  TemporaryBmp(const TemporaryBmp&) = delete;
  TemporaryBmp& operator=(const TemporaryBmp&) = delete;
  const std::string& Path() const { return path_; }

private:
  std::string path_;
  std::error_code ignored_;
};

// Runs "convert bmp png" without a shell, so no file name is ever interpreted; its own
// messages are dropped so that a failure is reported in one line, here.
void ConvertToPng(const std::string& bmp, const std::string& png) {
  std::string program = "convert";
  std::vector<char*> args{program.data(), const_cast<char*>(bmp.c_str()), const_cast<char*>(png.c_str()), nullptr};
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  const int started = posix_spawnp(&pid, "convert", &quiet, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (started != 0) throw Exception("cannot write " + Named(png) + ": ImageMagick's convert does not start");
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::error_code error;
    const bool folder = std::filesystem::is_directory(png, error);
    throw Exception("cannot write " + Named(png) + (folder ? ": it is a folder" : " (ImageMagick's convert failed)"));
  }
}

void WriteSheet(const std::string& output, const Bitmap& sheet) {
  if (!EndsWith(output, ".png")) {
    WriteBytes(output, EncodeBmp24(sheet));
    return;
  }
  const TemporaryBmp temporary;
  WriteBytes(temporary.Path(), EncodeBmp24(sheet));
  ConvertToPng(temporary.Path(), output);
}

// The largest zoom, up to the one asked for, whose sheet stays within the bitmap limits.
int FittingZoom(const Bitmap& sheet, int zoom) {
  while (zoom > 1 && (static_cast<std::int64_t>(sheet.Width()) * zoom * sheet.Height() * zoom > kMaxBitmapPixels ||
                      static_cast<std::int64_t>(sheet.Height()) * zoom > kMaxBitmapSide))
    --zoom;
  return zoom;
}

// What skinpack check prints for the same skin, as the sheet shows it.
CheckLines CheckForSheet(const std::string& path) {
  std::error_code error;
  std::vector<Finding> findings;
  if (std::filesystem::is_directory(path, error)) {
    findings = CheckSkinFolder(path);
  } else {
    const ByteBuffer file = tools::ReadWholeFile(path);
    findings = CheckSkinFile(file.data(), file.size());
  }
  CheckLines lines;
  for (const Finding& f : findings)
    (f.severity == Severity::Error ? lines.errors : lines.warnings).push_back(FindingLine(f));
  lines.summary = FindingsSummary(findings);
  return lines;
}

int Run(const Arguments& a) {
  TSkinElements e;
  LoadSkin(a.skin, e);
  const CheckLines check = CheckForSheet(a.skin);
  std::vector<std::string> missing;
  const std::vector<ViewedImage> images = ListImages(e, missing);
  const std::string title = e.SkinName.empty() ? std::filesystem::path(a.skin).filename().string() : e.SkinName;
  const Bitmap sheet = RenderSheet(title, images, missing, e, check);
  const Bitmap zoomed = Zoom(sheet, FittingZoom(sheet, a.zoom));
  WriteSheet(a.output, zoomed);
  std::cout << OneLine(a.output) << ": " << images.size() << " images, " << missing.size() << " empty slots, "
            << zoomed.Width() << " x " << zoomed.Height() << ", check: " << check.summary << "\n";
  return 0;
}

} // namespace
} // namespace vcu::skinview

int main(int argc, char** argv) {
  vcu::skinview::Arguments a;
  if (!vcu::skinview::ParseArguments(argc, argv, a)) {
    std::cerr << "skinview: " << vcu::skinview::kUsage;
    return 2;
  }
  if (a.help) {
    std::cout << vcu::skinview::kUsage;
    return 0;
  }
  try {
    return vcu::skinview::Run(a);
  } catch (const std::exception& e) {
    std::cerr << "skinview: " << vcu::OneLine(e.what()) << "\n";
    return 1;
  }
}
