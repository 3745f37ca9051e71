#include "core/cp1252.h"

#include <algorithm>
#include <array>

namespace lavrix {
namespace {

// Characters of the codes 0x80-0x9F; an undefined code keeps its own value here and is never
// produced from text.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOf(unsigned char code) {
  return code >= 0x80 && code <= 0x9F ? kHighControls[code - 0x80] : char32_t{code};
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The next character of UTF-8 text, advancing `at`; nullopt for a malformed sequence.
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int length = 0;
  char32_t c = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 1;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 2;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 3;
    c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < length; ++i) {
    if (at >= text.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(text[at++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  constexpr std::array<char32_t, 4> kSmallest = {0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  return c;
}

std::optional<unsigned char> CodeOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  const auto found = std::ranges::find(kHighControls, c);
  if (found == kHighControls.end()) return std::nullopt;
  const auto code = static_cast<unsigned char>(0x80 + (found - kHighControls.begin()));
  if (!IsCp1252Code(code)) return std::nullopt;
  return code;
}

}  // namespace

bool IsCp1252Code(int code) {
  return code >= 0 && code <= 0xFF && code != 0x81 && code != 0x8D && code != 0x8F &&
         code != 0x90 && code != 0x9D;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string text;
  for (char byte : bytes)
    AppendUtf8(text, CharacterOf(static_cast<unsigned char>(byte)));
  return text;
}

std::optional<std::string> Utf8ToCp1252(std::string_view text) {
  std::string bytes;
  for (std::size_t at = 0; at < text.size();) {
    const auto c = NextCharacter(text, at);
    if (!c) return std::nullopt;
    const auto code = CodeOf(*c);
    if (!code) return std::nullopt;
    bytes += static_cast<char>(*code);
  }
  return bytes;
}

}  // namespace lavrix
