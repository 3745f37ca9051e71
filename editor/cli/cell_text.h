#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lavrix::cli {

// The caption a position button draws for a code, as one line of text: blanks collapsed and the
// arrow keys as arrows. Empty for a code without a caption.
std::string CellText(int code);

// How many characters a UTF-8 text takes on a terminal (one column each).
std::size_t TextWidth(std::string_view text);

}  // namespace lavrix::cli
