#include "dorvel/usb_ids.h"

#include <cctype>
#include <string>

#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

constexpr std::string_view kIdsKey = "\\SOFTWARE\\VELMAR\\Dorvel USB\\1.0";
constexpr std::size_t kValueCharactersUsed = 251;
constexpr std::size_t kDigitsPerId = 4;

// Up to four hex digits after any leading blanks; whatever follows them is ignored, and a
// token that does not start with a digit reads as 0.
std::int32_t hexId(std::string_view token) {
  while (!token.empty() && std::isspace(static_cast<unsigned char>(token.front()))) {
    token.remove_prefix(1);
  }
  std::int32_t value = 0;
  for (std::size_t i = 0; i < token.size() && i < kDigitsPerId; ++i) {
    const unsigned char c = static_cast<unsigned char>(token[i]);
    if (!std::isxdigit(c)) break;
    value = value * 16 + (std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
  }
  return value;
}

}  // namespace

void ParseIdList(std::string_view text, std::array<std::int32_t, kIdEntries>& table) {
  for (std::size_t i = 1; i < kIdEntries; ++i)
    table[i] = 0;
  std::size_t entry = 1;
  std::size_t tokenStart = 0;
  for (std::size_t i = 0; i < text.size() && entry < kIdEntries; ++i) {
    if (text[i] != ';') continue;
    table[entry++] = hexId(text.substr(tokenStart, i - tokenStart));
    tokenStart = i + 1;
  }
}

void ReadUsbIds(std::array<std::int32_t, kIdEntries>& vendorIds,
                std::array<std::int32_t, kIdEntries>& productIds) {
  vendorIds[0] = 0x1753;
  productIds[0] = 0x0101;
  auto key = platform::config().openLocalMachineKey(kIdsKey);
  if (!key) return;
  auto value = [&](std::string_view name) {
    return key->readText(name).value_or(std::string()).substr(0, kValueCharactersUsed);
  };
  ParseIdList(value("Vend"), vendorIds);
  ParseIdList(value("Prod"), productIds);
}

std::optional<std::size_t> MatchingIdEntry(const std::array<std::int32_t, kIdEntries>& vendorIds,
                                           const std::array<std::int32_t, kIdEntries>& productIds,
                                           platform::HidAttributes attributes) {
  for (std::size_t i = 0; i < kIdEntries; ++i) {
    if (vendorIds[i] != 0 && vendorIds[i] == attributes.vendorId && productIds[i] != 0 &&
        productIds[i] == attributes.productId) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace velmar::dorvel
