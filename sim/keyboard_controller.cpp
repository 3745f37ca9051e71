#include "sim/keyboard_controller.h"

namespace velmar::sim {
namespace {

constexpr std::uint8_t kOutputFull = 0x01;
constexpr std::uint8_t kInputFull = 0x02;
constexpr std::uint8_t kNoPort = 0xFF;  // what an unconnected port reads as

}  // namespace

std::uint8_t KeyboardController::read(std::uint16_t port) {
  if (port == kDataPort) {
    if (!output_.empty()) {
      lastData_ = output_.front();
      output_.pop_front();
    }
    return lastData_;
  }
  if (port == kStatusPort) {
    std::uint8_t status = output_.empty() ? 0 : kOutputFull;
    if (busyReads_ != 0) {
      status |= kInputFull;
      if (busyReads_ > 0) --busyReads_;
    }
    return status;
  }
  return kNoPort;
}

void KeyboardController::write(std::uint16_t port, std::uint8_t value) {
  if (port != kDataPort || !keyboard_) return;
  std::vector<std::uint8_t> answers;
  keyboard_(value, answers);
  output_.insert(output_.end(), answers.begin(), answers.end());
}

}  // namespace velmar::sim
