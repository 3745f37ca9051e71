#pragma once

#include <string_view>

namespace lavrix {

// Font names travel with the captions as data; the drawing side substitutes what is installed.
inline constexpr std::string_view kSansSerifFont = "MS Sans Serif";
inline constexpr std::string_view kSerifFont = "MS Serif";
inline constexpr std::string_view kWingdingsFont = "Wingdings";

// The window's default size for captions and the two larger sizes of the PC key buttons.
inline constexpr double kDefaultPointSize = 8.25;
inline constexpr double kLargePointSize = 9.75;
inline constexpr double kArrowPointSize = 15.75;

}  // namespace lavrix
