#include "cli/cell_text.h"

#include <algorithm>
#include <array>
#include <utility>

#include "keys/cell_caption.h"
#include "keys/pc_key_table.h"

namespace lavrix::cli {
namespace {

// The editor draws these captions as arrows.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kArrows{{
    {kArrowUpCaption, "\u2191"},
    {kArrowDownCaption, "\u2193"},
    {kArrowLeftCaption, "\u2190"},
    {kArrowRightCaption, "\u2192"},
}};

}  // namespace

std::string CellText(int code) {
  const auto caption = CaptionOfCode(code);
  if (!caption) return {};
  for (const auto& [drawn, arrow] : kArrows) {
    if (caption->text == drawn) return std::string(arrow);
  }
  // Two-line captions ("   !   1") wrap on the button; on one line a blank parts them.
  std::string text;
  for (char c : caption->text) {
    if (c != ' ') {
      text += c;
    } else if (!text.empty() && text.back() != ' ') {
      text += ' ';
    }
  }
  if (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::size_t TextWidth(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace lavrix::cli
