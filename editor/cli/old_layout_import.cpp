#include "cli/old_layout_import.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "cli/headless_view.h"
#include "core/layout_document.h"
#include "import/import_layout.h"

namespace lavrix::cli {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

bool SameCaption(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

const OldLayoutButton* FindImportButton(std::string_view kind) {
  kind = Trimmed(kind);
  std::int16_t number = 0;
  const auto [end, error] = std::from_chars(kind.data(), kind.data() + kind.size(), number);
  if (error == std::errc() && end == kind.data() + kind.size()) return FindOldLayoutKind(number);
  for (const OldLayoutButton& button : OldLayoutButtons()) {
    if (SameCaption(button.caption, kind)) return &button;
  }
  return nullptr;
}

Outcome<LayoutFile> ImportedLayout(const OldLayoutButton& button,
                                   std::span<const std::uint8_t> bytes) {
  if (bytes.size() != button.fileLength) {
    return Failure{std::string(kWrongLengthText) + " O arquivo tem " +
                   std::to_string(bytes.size()) + " bytes; \"" + std::string(button.caption) +
                   "\" espera " + std::to_string(button.fileLength) + "."};
  }
  EditorState state;
  SetStartValues(state, {});
  HeadlessView view;
  ApplyOldLayout(state, view, button.kind, bytes, [] {});
  auto file = LayoutFileOfState(state);
  // The start values are plain letters, which the file always keeps.
  return std::move(*file);
}

}  // namespace lavrix::cli
