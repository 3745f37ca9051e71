#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "sim/device_changes.h"

// What the virtual keyboards share to keep and show their settings.
namespace velmar::sim {

// Sets a setting and says whether that changed the keyboard's state.
template <typename T>
DeviceChanges change(T& setting, T value) {
  if (setting == value) return {};
  setting = value;
  return {.state = true};
}

// "0a,1f,..."
inline std::string hexList(std::span<const std::uint8_t> bytes) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (std::uint8_t byte : bytes) {
    if (!text.empty()) text += ',';
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

inline std::string flagText(bool on) {
  return on ? "1" : "0";
}

// The "name=value" lines of a keyboard's settings.
class StateText {
 public:
  void line(std::string_view name, const std::string& value) {
    text_ += name;
    text_ += '=';
    text_ += value;
    text_ += '\n';
  }
  void flag(std::string_view name, bool on) { line(name, flagText(on)); }
  void number(std::string_view name, long long value) { line(name, std::to_string(value)); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace velmar::sim
