#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::platform::sim {

// What the virtual keyboards keep in VELMAR_SIM_DIR for a person to look at, and the plug
// commands other processes leave there. Without that directory every call does nothing.
class SimFiles {
 public:
  using Eeprom = std::array<std::uint8_t, 512>;

  explicit SimFiles(std::filesystem::path directory);

  bool enabled() const { return !directory_.empty(); }
  const std::filesystem::path& directory() const { return directory_; }

  // The EEPROM a keyboard left in an earlier run; nullopt when there is none of 512 bytes.
  std::optional<Eeprom> readEeprom(std::string_view fileTag);
  void writeEeprom(std::string_view fileTag, std::span<const std::uint8_t> eeprom);
  void writeDisplay(std::string_view text);
  void writeState(std::string_view fileTag, std::string_view text);
  void appendTraffic(std::string_view device, std::span<const std::uint8_t> bytes);
  void appendMessage(std::string_view caption, std::string_view text);

  // The complete lines appended to plug.txt since the last call, oldest first; a last line
  // without its '\n' waits for it.
  std::vector<std::string> takePlugLines();

 private:
  // Replaces a file whole, so a reader never sees half of it.
  void replace(const std::string& name, std::string_view content);
  void appendLine(std::ofstream& stream, const char* name, std::string_view line);

  const std::filesystem::path directory_;
  std::mutex mutex_;
  std::ofstream traffic_;
  std::ofstream messages_;
  std::streamoff plugOffset_ = 0;  // plug.txt up to here has been taken
};

}  // namespace velmar::platform::sim
