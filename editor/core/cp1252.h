#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lavrix {

// Layout files keep texts in the Windows Latin code page 1252; the editor keeps them in UTF-8.

// Whether a code 0-255 stands for a character of the code page; 0x81, 0x8D, 0x8F, 0x90 and
// 0x9D stand for none.
bool IsCp1252Code(int code);

// The UTF-8 text of code-page bytes, each of which is a character of the code page.
std::string Cp1252ToUtf8(std::string_view bytes);

// The code-page bytes of UTF-8 text; nullopt when the text is not UTF-8 or holds a character
// the code page lacks.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

}  // namespace lavrix
