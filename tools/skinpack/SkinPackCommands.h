#pragma once
// The three commands of skinpack. Each raises vcu::Exception with a one-line reason that
// names the file or entry when it cannot do its work.
#include <cstdint>
#include <cstdio>
#include <string>

namespace vcu {
namespace skinpack {

// Packs every file of `folder` (names as the files are named, ".ini" files last) into an
// archive of `version`, compresses it and writes the skin file `output`. Refuses a folder
// without an ".ini" description and a file name that extract would refuse.
void Pack(const std::string& folder, const std::string& output, std::uint32_t version);

// Prints the archive version and every entry's size and name.
void List(const std::string& skinFile, std::FILE* out);

// Writes every entry into `folder` (created if missing) under its lower-cased name.
void Extract(const std::string& skinFile, const std::string& folder);

// Prints what the engine will not be able to use in the skin folder or skin file `skin`: one
// line per finding ("error: ..." or "warning: ..."), then a summary line. 1 when there are
// errors, 0 otherwise (warnings alone included).
int Check(const std::string& skin, std::FILE* out);

} // namespace skinpack
} // namespace vcu
