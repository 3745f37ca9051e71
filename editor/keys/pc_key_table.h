#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lavrix {

// Captions of the arrow keys: the characters the Wingdings font draws as arrows.
inline constexpr std::string_view kArrowUpCaption = "\u00F1";
inline constexpr std::string_view kArrowDownCaption = "\u00F2";
inline constexpr std::string_view kArrowLeftCaption = "\u00EF";
inline constexpr std::string_view kArrowRightCaption = "\u00F0";

enum class PcKeyFont { Default, Large, Wingdings };

// One PC key button: its design name, caption, key code and place in the frame (twips).
struct PcKey {
  std::string_view name;
  std::string_view caption;
  std::int16_t code;
  // The text a click copies into CurrentCaption when it is not the caption itself.
  std::optional<std::string_view> shortCaption;
  int row;
  int left;
  int width;
  PcKeyFont font = PcKeyFont::Default;
};

// The 100 PC key buttons in the order of their rows.
const std::vector<PcKey>& PcKeyTable();

// The text a click on the key copies into CurrentCaption.
std::string_view SelectionCaption(const PcKey& key);

// The name of the key's font (only the name travels; size and character set stay).
std::string_view FontName(const PcKey& key);

// Twips of the key's top and height inside its frame.
int PcKeyTop(const PcKey& key);
int PcKeyHeight(const PcKey& key);

}  // namespace lavrix
