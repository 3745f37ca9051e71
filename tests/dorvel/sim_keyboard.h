#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/velmar_sim.h"

// What a virtual keyboard received, for the device library's tests.
namespace velmar::testing {

using Report = std::array<std::uint8_t, 64>;

inline std::vector<Report> receivedReports(const char* device) {
  std::vector<std::uint8_t> bytes(VelmarSimTraffic(device, nullptr, 0));
  VelmarSimTraffic(device, bytes.data(), static_cast<int>(bytes.size()));
  std::vector<Report> reports(bytes.size() / 64);
  for (std::size_t i = 0; i < reports.size(); ++i) {
    std::copy_n(bytes.begin() + i * 64, 64, reports[i].begin());
  }
  return reports;
}

inline std::vector<std::uint8_t> atBytes() {
  std::vector<std::uint8_t> bytes(VelmarSimTraffic("at-dorvel", nullptr, 0));
  VelmarSimTraffic("at-dorvel", bytes.data(), static_cast<int>(bytes.size()));
  return bytes;
}

// Command, length and data of a report, the part that means something.
inline std::vector<std::uint8_t> meaningful(const Report& report) {
  return std::vector<std::uint8_t>(report.begin() + 1, report.begin() + 3 + report[2]);
}

inline std::array<std::uint8_t, 512> eeprom(const char* device) {
  std::array<std::uint8_t, 512> bytes{};
  VelmarSimEeprom(device, bytes.data());
  return bytes;
}

}  // namespace velmar::testing
