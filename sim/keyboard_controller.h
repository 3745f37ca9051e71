#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace velmar::sim {

// The PC's keyboard controller: data port 0x60, status port 0x64 (bit 0 output buffer full,
// bit 1 input buffer full), with whatever keyboard is plugged into its port.
class KeyboardController {
 public:
  static constexpr std::uint16_t kDataPort = 0x60;
  static constexpr std::uint16_t kStatusPort = 0x64;

  // Passes one byte to the keyboard and collects its answers.
  using KeyboardPort = std::function<void(std::uint8_t byte, std::vector<std::uint8_t>& answers)>;

  // An empty port means no keyboard: bytes written go nowhere and nothing answers.
  void connect(KeyboardPort keyboard) { keyboard_ = std::move(keyboard); }

  // Reading the data port takes the oldest answer waiting (or repeats the last byte when none
  // waits); other ports read 0xFF.
  std::uint8_t read(std::uint16_t port);
  // Writing the data port sends the byte to the keyboard; controller commands on the status
  // port are taken and ignored.
  void write(std::uint16_t port, std::uint8_t value);
  // Keeps the input buffer full for the next `reads` status reads; -1 for ever.
  void setBusy(int reads) { busyReads_ = reads; }

 private:
  KeyboardPort keyboard_;
  std::deque<std::uint8_t> output_;
  std::uint8_t lastData_ = 0;
  int busyReads_ = 0;
};

}  // namespace velmar::sim
