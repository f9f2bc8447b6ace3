#pragma once
// Whole-file reads and writes for the skin tools. Errors are vcu::Exception with one line that
// names the file and the reason.
#include "core/storage/ByteBuffer.h"

#include <string>

namespace vcu {
namespace tools {

// The file's bytes, taken with one read of its size. A folder or other non-file is refused.
ByteBuffer ReadWholeFile(const std::string& path);

// Replaces the file's contents with `bytes`.
void WriteWholeFile(const std::string& path, ByteView bytes);

} // namespace tools
} // namespace vcu
