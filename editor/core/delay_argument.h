#pragma once

#include <cstdint>
#include <string_view>

namespace lavrix {

// The number at the start of the "Delay" field, as the programming library takes it: leading
// blanks skipped, a sign, digits and a fraction read as far as they go ("12ms" is 12, "abc" is
// 0), rounded to the nearest whole number (halves to even) and held to -32768...32767.
std::int16_t DelayArgument(std::string_view text);

}  // namespace lavrix
