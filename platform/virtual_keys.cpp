#include "platform/virtual_keys.h"

#include <algorithm>
#include <array>

namespace velmar::platform::keys {
namespace {

constexpr std::array kTable = std::to_array<VirtualKeyInfo>({
    {kBack, 0x0E, false, 14, 0x08, 0x08},   {kTab, 0x0F, false, 15, 0x09, 0x09},
    {kReturn, 0x1C, false, 28, 0x0D, 0x0D}, {kShift, 0x2A, false, 0, 0, 0},
    {kControl, 0x1D, false, 0, 0, 0},       {kMenu, 0x38, false, 0, 0, 0},
    {0x13, 0x45, false, 119, 0, 0},  // Pause
    {kCapsLock, 0x3A, false, 58, 0, 0},     {kEscape, 0x01, false, 1, 0x1B, 0x1B},
    {kSpace, 0x39, false, 57, ' ', ' '},    {0x21, 0x49, true, 104, 0, 0},  // Page Up
    {0x22, 0x51, true, 109, 0, 0},                                          // Page Down
    {0x23, 0x4F, true, 107, 0, 0},                                          // End
    {0x24, 0x47, true, 102, 0, 0},                                          // Home
    {0x25, 0x4B, true, 105, 0, 0},                                          // Left
    {0x26, 0x48, true, 103, 0, 0},                                          // Up
    {0x27, 0x4D, true, 106, 0, 0},                                          // Right
    {0x28, 0x50, true, 108, 0, 0},                                          // Down
    {0x2C, 0x37, true, 99, 0, 0},                                           // Print Screen
    {0x2D, 0x52, true, 110, 0, 0},                                          // Insert
    {0x2E, 0x53, true, 111, 0, 0},                                          // Delete
    {'0', 0x0B, false, 11, '0', ')'},       {'1', 0x02, false, 2, '1', '!'},
    {'2', 0x03, false, 3, '2', '@'},        {'3', 0x04, false, 4, '3', '#'},
    {'4', 0x05, false, 5, '4', '$'},        {'5', 0x06, false, 6, '5', '%'},
    {'6', 0x07, false, 7, '6', '^'},        {'7', 0x08, false, 8, '7', '&'},
    {'8', 0x09, false, 9, '8', '*'},        {'9', 0x0A, false, 10, '9', '('},
    {'A', 0x1E, false, 30, 'A', 'A'},       {'B', 0x30, false, 48, 'B', 'B'},
    {'C', 0x2E, false, 46, 'C', 'C'},       {'D', 0x20, false, 32, 'D', 'D'},
    {'E', 0x12, false, 18, 'E', 'E'},       {'F', 0x21, false, 33, 'F', 'F'},
    {'G', 0x22, false, 34, 'G', 'G'},       {'H', 0x23, false, 35, 'H', 'H'},
    {'I', 0x17, false, 23, 'I', 'I'},       {'J', 0x24, false, 36, 'J', 'J'},
    {'K', 0x25, false, 37, 'K', 'K'},       {'L', 0x26, false, 38, 'L', 'L'},
    {'M', 0x32, false, 50, 'M', 'M'},       {'N', 0x31, false, 49, 'N', 'N'},
    {'O', 0x18, false, 24, 'O', 'O'},       {'P', 0x19, false, 25, 'P', 'P'},
    {'Q', 0x10, false, 16, 'Q', 'Q'},       {'R', 0x13, false, 19, 'R', 'R'},
    {'S', 0x1F, false, 31, 'S', 'S'},       {'T', 0x14, false, 20, 'T', 'T'},
    {'U', 0x16, false, 22, 'U', 'U'},       {'V', 0x2F, false, 47, 'V', 'V'},
    {'W', 0x11, false, 17, 'W', 'W'},       {'X', 0x2D, false, 45, 'X', 'X'},
    {'Y', 0x15, false, 21, 'Y', 'Y'},       {'Z', 0x2C, false, 44, 'Z', 'Z'},
    {0x5B, 0x5B, true, 125, 0, 0},  // left Windows key
    {0x5C, 0x5C, true, 126, 0, 0},  // right Windows key
    {0x5D, 0x5D, true, 127, 0, 0},  // menu key
    {0x60, 0x52, false, 82, '0', 0},        {0x61, 0x4F, false, 79, '1', 0},
    {0x62, 0x50, false, 80, '2', 0},        {0x63, 0x51, false, 81, '3', 0},
    {0x64, 0x4B, false, 75, '4', 0},        {0x65, 0x4C, false, 76, '5', 0},
    {0x66, 0x4D, false, 77, '6', 0},        {0x67, 0x47, false, 71, '7', 0},
    {0x68, 0x48, false, 72, '8', 0},        {0x69, 0x49, false, 73, '9', 0},
    {0x6A, 0x37, false, 55, '*', '*'},      {0x6B, 0x4E, false, 78, '+', '+'},
    {0x6D, 0x4A, false, 74, '-', '-'},      {0x6E, 0x53, false, 83, '.', 0},
    {0x6F, 0x35, true, 98, '/', '/'},       {0x70, 0x3B, false, 59, 0, 0},  // F1
    {0x71, 0x3C, false, 60, 0, 0},          {0x72, 0x3D, false, 61, 0, 0},
    {0x73, 0x3E, false, 62, 0, 0},          {0x74, 0x3F, false, 63, 0, 0},
    {0x75, 0x40, false, 64, 0, 0},          {0x76, 0x41, false, 65, 0, 0},
    {0x77, 0x42, false, 66, 0, 0},          {0x78, 0x43, false, 67, 0, 0},
    {0x79, 0x44, false, 68, 0, 0},          {0x7A, 0x57, false, 87, 0, 0},  // F11
    {0x7B, 0x58, false, 88, 0, 0},                                          // F12
    {kNumLock, 0x45, false, 69, 0, 0},      {kScrollLock, 0x46, false, 70, 0, 0},
    {kLeftShift, 0x2A, false, 42, 0, 0},    {kRightShift, 0x36, false, 54, 0, 0},
    {kLeftControl, 0x1D, false, 29, 0, 0},  {kRightControl, 0x1D, true, 97, 0, 0},
    {kLeftMenu, 0x38, false, 56, 0, 0},     {kRightMenu, 0x38, true, 100, 0, 0},
    {0xBA, 0x27, false, 39, ';', ':'},      {0xBB, 0x0D, false, 13, '=', '+'},
    {0xBC, 0x33, false, 51, ',', '<'},      {0xBD, 0x0C, false, 12, '-', '_'},
    {0xBE, 0x34, false, 52, '.', '>'},      {0xBF, 0x35, false, 53, '/', '?'},
    {0xC0, 0x29, false, 41, '`', '~'},      {0xDB, 0x1A, false, 26, '[', '{'},
    {0xDC, 0x2B, false, 43, '\\', '|'},     {0xDD, 0x1B, false, 27, ']', '}'},
    {0xDE, 0x28, false, 40, '\'', '"'},
});

// Keys that type characters, main block first, so that a character is typed the usual way.
bool typesCharacters(const VirtualKeyInfo& key) {
  return key.virtualKey < 0x60 || key.virtualKey >= 0xBA || key.virtualKey == kReturn;
}

}  // namespace

const VirtualKeyInfo* findByVirtualKey(std::uint8_t virtualKey) {
  auto it = std::find_if(kTable.begin(), kTable.end(),
                         [&](const VirtualKeyInfo& key) { return key.virtualKey == virtualKey; });
  return it == kTable.end() ? nullptr : &*it;
}

const VirtualKeyInfo* findByLinuxKey(std::uint16_t linuxKey) {
  if (linuxKey == 0) return nullptr;
  auto it = std::find_if(kTable.begin(), kTable.end(),
                         [&](const VirtualKeyInfo& key) { return key.linuxKey == linuxKey; });
  return it == kTable.end() ? nullptr : &*it;
}

std::uint8_t characterOf(std::uint8_t virtualKey) {
  const VirtualKeyInfo* key = findByVirtualKey(virtualKey);
  return key ? static_cast<std::uint8_t>(key->plain) : 0;
}

std::uint8_t scanCodeOf(std::uint8_t virtualKey) {
  const VirtualKeyInfo* key = findByVirtualKey(virtualKey);
  return key ? key->scanCode : 0;
}

std::optional<KeyStroke> strokeFor(unsigned char ch) {
  if (ch == 0) return std::nullopt;
  if (ch == '\n') ch = '\r';
  if (ch >= 'a' && ch <= 'z') return KeyStroke{static_cast<std::uint8_t>(ch - 'a' + 'A'), false};
  if (ch >= 'A' && ch <= 'Z') return KeyStroke{ch, true};
  for (const VirtualKeyInfo& key : kTable) {
    if (!typesCharacters(key)) continue;
    if (static_cast<unsigned char>(key.plain) == ch) return KeyStroke{key.virtualKey, false};
    if (static_cast<unsigned char>(key.shifted) == ch) return KeyStroke{key.virtualKey, true};
  }
  return std::nullopt;
}

}  // namespace velmar::platform::keys
