// Arbitrary bytes as a skin description: every section it names is looked up with the keys
// found in the text, as strings and as integers.
#include "core/storage/QuickIni.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vcu::TQuickIni ini;
  ini.LoadFromStream(data, size);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  // Keys to try: the text before each "=" in the input, plus a few fixed ones.
  std::vector<std::string> keys{"SkinName", "", "LeftWidth"};
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (std::size_t eq = text.find('='); eq != std::string::npos && keys.size() < 64;
       eq = text.find('=', eq + 1)) {
    const std::size_t start = text.find_last_of("\r\n", eq);
    keys.push_back(text.substr(start == std::string::npos ? 0 : start + 1,
                               eq - (start == std::string::npos ? 0 : start + 1)));
  }
  for (const std::string& section : sections) {
    for (const std::string& key : keys) {
      const std::string value = ini.ReadString(section, key, "\x01");
      if (value.empty()) // a found value is never empty; the default is not
        std::abort();
      ini.ReadInteger(section, key, -1);
    }
  }
  return 0;
}
