#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/editor_state.h"

namespace lavrix {

// The content of a *.vly file. Password and reminder are the file's own character codes, one
// byte each in the Windows Latin code page 1252.
struct LayoutFile {
  std::array<std::int16_t, kCellCount> codes{};
  std::string password;
  std::string reminder;
  // Kept as read: a level without a meaning still belongs to the file.
  std::int16_t protection = 0;
  std::int16_t model = 0;
  bool operator==(const LayoutFile&) const = default;
};

// Far above the largest layout (every count at its maximum); anything bigger is no layout.
inline constexpr std::size_t kLargestLayoutFileSize = 16 * 1024 * 1024;

// The file's text: one decimal number a line, each line ended by CR LF.
std::string WriteLayoutFile(const LayoutFile& file);

enum class LayoutReadFault {
  Missing,       // the text ends before the value
  NotANumber,    // the field is empty or not a whole decimal number
  OutOfRange,    // outside -32768...32767
  BadCount,      // a number of characters below zero
  BadCharacter,  // no character of the code page
};

struct LayoutReadError {
  int line;  // 1-based line of the field that could not be read
  LayoutReadFault fault;
  bool operator==(const LayoutReadError&) const = default;
};

// Reads the whole file. A field ends at a line end or a comma, blanks around it are skipped;
// whatever follows the model number is ignored.
std::variant<LayoutFile, LayoutReadError> ReadLayoutFile(std::string_view text);

// The error as the user reads it, in Portuguese.
std::string DescribeReadError(const LayoutReadError& error);

}  // namespace lavrix
