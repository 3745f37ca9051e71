// Configuration files are edited by hand. Besides running clean, every name comes out
// lower-cased and non-empty, and no name or value is longer than the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/native/ini_file.h"

using velmar::platform::native::iniName;
using velmar::platform::native::parseIni;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const auto& [name, value] : parseIni(text)) {
    if (name.empty() || name != iniName(name)) std::abort();
    if (name.size() + value.size() >= size) std::abort();  // the '=' is in the text too
  }
  return 0;
}
