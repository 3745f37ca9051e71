#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "outside/ilvar/ilvar_protocol.h"
#include "sim/device_changes.h"

namespace velmar::sim {

// An Ilvar keyboard on USB (protocol in outside/ilvar/ilvar_protocol.h).
class UsbIlvarKeyboard {
 public:
  using Eeprom = std::array<std::uint8_t, ilvar::kImageSize>;

  explicit UsbIlvarKeyboard(const Eeprom& eeprom = {});

  DeviceChanges receive(std::span<const std::uint8_t> report);

  const Eeprom& eeprom() const { return eeprom_; }
  std::string stateText() const;

 private:
  Eeprom eeprom_{};
  Eeprom pending_{};
  bool programming_ = false;
  int programmed_ = 0;        // ends whose sum matched
  int rejectedPrograms_ = 0;  // ends whose sum did not match, or without a begin
  int unknownReports_ = 0;
};

}  // namespace velmar::sim
