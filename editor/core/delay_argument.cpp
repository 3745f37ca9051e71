#include "core/delay_argument.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace lavrix {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The longest start of `text` that reads as a decimal number, without the leading blanks.
std::string_view NumberPrefix(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
    ++start;
  std::size_t end = start;
  if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
  while (end < text.size() && IsDigit(text[end]))
    ++end;
  if (end < text.size() && text[end] == '.') {
    ++end;
    while (end < text.size() && IsDigit(text[end]))
      ++end;
  }
  return text.substr(start, end - start);
}

}  // namespace

std::int16_t DelayArgument(std::string_view text) {
  std::string_view number = NumberPrefix(text);
  const bool negative = number.starts_with('-');
  if (number.starts_with('+') || negative) number.remove_prefix(1);
  double value = 0;
  const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::fixed);
  constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
  if (parsed.ec == std::errc::result_out_of_range) value = std::numeric_limits<double>::max();
  if (parsed.ec == std::errc::invalid_argument) return 0;
  // Outside the 16-bit range the nearest value the library can take is the end of the range.
  const double rounded = std::nearbyint(negative ? -value : value);
  if (rounded <= kLowest) return static_cast<std::int16_t>(kLowest);
  if (rounded >= kHighest) return static_cast<std::int16_t>(kHighest);
  return static_cast<std::int16_t>(rounded);
}

}  // namespace lavrix
