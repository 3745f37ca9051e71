#include "platform/sim/sim_files.h"

#include <cstdio>
#include <iterator>

namespace velmar::platform::sim {

SimFiles::SimFiles(std::filesystem::path directory) : directory_(std::move(directory)) {
  if (!enabled()) return;
  std::error_code error;
  std::filesystem::create_directories(directory_, error);
}

std::optional<SimFiles::Eeprom> SimFiles::readEeprom(std::string_view fileTag) {
  if (!enabled()) return std::nullopt;
  std::ifstream file(directory_ / ("eeprom-" + std::string(fileTag) + ".bin"), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.size() != Eeprom{}.size()) return std::nullopt;
  Eeprom eeprom{};
  std::copy(bytes.begin(), bytes.end(), eeprom.begin());
  return eeprom;
}

void SimFiles::writeEeprom(std::string_view fileTag, std::span<const std::uint8_t> eeprom) {
  replace("eeprom-" + std::string(fileTag) + ".bin",
          std::string_view(reinterpret_cast<const char*>(eeprom.data()), eeprom.size()));
}

void SimFiles::writeDisplay(std::string_view text) {
  replace("display.txt", text);
}

void SimFiles::writeState(std::string_view fileTag, std::string_view text) {
  replace("state-" + std::string(fileTag) + ".txt", text);
}

void SimFiles::appendTraffic(std::string_view device, std::span<const std::uint8_t> bytes) {
  if (!enabled()) return;
  std::string line(device);
  char hex[4];
  for (std::uint8_t byte : bytes) {
    std::snprintf(hex, sizeof hex, " %02x", byte);
    line += hex;
  }
  appendLine(traffic_, "traffic.log", line);
}

void SimFiles::appendMessage(std::string_view caption, std::string_view text) {
  if (!enabled()) return;
  appendLine(messages_, "messages.log", std::string(caption) + ": " + std::string(text));
}

void SimFiles::replace(const std::string& name, std::string_view content) {
  if (!enabled()) return;
  std::lock_guard lock(mutex_);
  const std::filesystem::path target = directory_ / name;
  std::filesystem::path temporary = target;
  temporary += ".new";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!file) return;
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
}

void SimFiles::appendLine(std::ofstream& stream, const char* name, std::string_view line) {
  std::lock_guard lock(mutex_);
  if (!stream.is_open()) stream.open(directory_ / name, std::ios::app);
  stream << line << '\n' << std::flush;
}

}  // namespace velmar::platform::sim
