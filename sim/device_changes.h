#pragma once

namespace velmar::sim {

// What one received report or byte changed in a virtual keyboard, so that its owner knows
// which of its files to write again.
struct DeviceChanges {
  bool eeprom = false;
  bool display = false;
  bool state = false;
  bool reset = false;  // the keyboard restarts and leaves the bus for a while

  DeviceChanges& operator|=(const DeviceChanges& other) {
    eeprom |= other.eeprom;
    display |= other.display;
    state |= other.state;
    reset |= other.reset;
    return *this;
  }
};

}  // namespace velmar::sim
