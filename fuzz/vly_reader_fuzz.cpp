// Layout files are made by hand as well as by the editor. Besides running clean, whatever reads
// as a layout writes back to a text that reads as the same layout, and an error names a line
// the text has (or the one after its end).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "core/cp1252.h"
#include "core/layout_file.h"

using lavrix::LayoutFile;
using lavrix::LayoutReadError;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto read = lavrix::ReadLayoutFile(text);
  if (const auto* error = std::get_if<LayoutReadError>(&read)) {
    const auto lines = std::ranges::count(text, '\n') + std::ranges::count(text, '\r');
    if (error->line < 1 || error->line > lines + 1) std::abort();
    return 0;
  }
  const LayoutFile& file = std::get<LayoutFile>(read);
  const auto again = lavrix::ReadLayoutFile(lavrix::WriteLayoutFile(file));
  if (!std::holds_alternative<LayoutFile>(again) || std::get<LayoutFile>(again) != file) {
    std::abort();
  }
  // The editor's text of the password comes back to the same codes.
  if (lavrix::Utf8ToCp1252(lavrix::Cp1252ToUtf8(file.password)) != file.password) std::abort();
  return 0;
}
