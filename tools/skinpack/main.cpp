// skinpack: makes and inspects skin files (the compressed skin archive).
#include "core/Errors.h"
#include "core/text/AsciiText.h"
#include "SkinPackCommands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage:\n"
    "  skinpack pack DIR -o FILE [--version 20000|30000|40000|50000]\n"
    "      pack every file of DIR (the .ini last) into the skin file FILE (default 40000)\n"
    "  skinpack list FILE\n"
    "      print the archive version and every entry's size and name\n"
    "  skinpack extract FILE DIR\n"
    "      write every entry of FILE into DIR under its lower-cased name\n"
    "  skinpack check DIR-or-FILE\n"
    "      print what the engine cannot use in the skin (errors) and names it never reads,\n"
    "      probably typos (warnings); exit 1 when there are errors\n"
    "  skinpack --help\n";

struct UsageError {
  std::string text;
};

std::uint32_t ParseVersion(const std::string& text) {
  for (const char* v : {"20000", "30000", "40000", "50000"})
    if (text == v)
      return static_cast<std::uint32_t>(std::stoul(text));
  throw UsageError{"unknown archive version " + vcu::OneLine(text)};
}

int Pack(const std::vector<std::string>& args) {
  std::string folder, output;
  std::uint32_t version = 40000;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "-o" && hasValue)
      output = args[++i];
    else if (args[i] == "--version" && hasValue)
      version = ParseVersion(args[++i]);
    else if (folder.empty() && !args[i].empty() && args[i][0] != '-')
      folder = args[i];
    else
      throw UsageError{"unexpected argument " + vcu::OneLine(args[i])};
  }
  if (folder.empty() || output.empty())
    throw UsageError{"pack needs a folder and -o FILE"};
  vcu::skinpack::Pack(folder, output, version);
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty())
    throw UsageError{"no command"};
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (command == "pack")
    return Pack(rest);
  if (command == "list" && rest.size() == 1) {
    vcu::skinpack::List(rest[0], stdout);
    return 0;
  }
  if (command == "check" && rest.size() == 1)
    return vcu::skinpack::Check(rest[0], stdout);
  if (command == "extract" && rest.size() == 2) {
    vcu::skinpack::Extract(rest[0], rest[1]);
    return 0;
  }
  throw UsageError{"unknown command or wrong arguments: " + vcu::OneLine(command)};
}

} // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& e) {
    std::fprintf(stderr, "skinpack: %s (see skinpack --help)\n", e.text.c_str());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpack: %s\n", e.what());
    return 1;
  }
}
