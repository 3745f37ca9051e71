#include "platform/sim/sim_files.h"

#include <cstdio>
#include <iterator>
#include <sstream>

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

std::vector<std::string> SimFiles::takePlugLines() {
  if (!enabled()) return {};
  std::lock_guard lock(mutex_);
  std::ifstream file(directory_ / "plug.txt", std::ios::binary | std::ios::ate);
  if (!file) return {};
  const std::streamoff size = file.tellg();
  // A file shorter than what was taken was written anew: its commands start at its beginning.
  if (size < plugOffset_) plugOffset_ = 0;
  file.seekg(plugOffset_);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::size_t end = text.rfind('\n');
  if (end == std::string::npos) return {};
  text.resize(end + 1);
  plugOffset_ += static_cast<std::streamoff>(text.size());
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(std::move(line));
  return lines;
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
