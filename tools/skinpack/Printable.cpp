#include "Printable.h"

namespace vcu {
namespace skinpack {

std::string Printable(const std::string& text) {
  static const char hex[] = "0123456789abcdef";
  std::string out;
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else if (u < 0x20 || u == 0x7F)
      out += {'\\', 'x', hex[u >> 4], hex[u & 15]};
    else
      out += c;
  }
  return out;
}

} // namespace skinpack
} // namespace vcu
