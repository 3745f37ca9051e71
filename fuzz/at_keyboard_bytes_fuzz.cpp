// Takes the input two bytes at a time: a control byte, whose bits make the keyboard silent,
// ask for resends, keep the controller busy and choose which ports the host reads, and the
// byte the host then writes to the data port.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "sim/at_dorvel_keyboard.h"
#include "sim/keyboard_controller.h"

namespace {

using velmar::sim::AtDorvelKeyboard;
using velmar::sim::CharacterDisplay;
using velmar::sim::KeyboardController;

constexpr std::uint8_t kToggleSilent = 0x01;
constexpr std::uint8_t kRequestResends = 0x02;
constexpr std::uint8_t kSetBusy = 0x04;
constexpr std::uint8_t kReadStatusFirst = 0x08;
constexpr std::uint8_t kDrainAnswers = 0x10;
constexpr int kCountShift = 5;  // bits 5-7: a resend or busy count
constexpr std::uint8_t kOutputFull = 0x01;

void checkDisplay(const CharacterDisplay& display) {
  const bool cursorInside = display.row() >= 0 && display.row() < CharacterDisplay::kRows &&
                            display.column() >= 0 && display.column() < CharacterDisplay::kColumns;
  if (!cursorInside) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  AtDorvelKeyboard keyboard;
  KeyboardController controller;
  controller.connect([&keyboard](std::uint8_t byte, std::vector<std::uint8_t>& answers) {
    keyboard.receive(byte, answers);
  });
  bool silent = false;
  int writesSinceDrain = 0;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const std::uint8_t control = data[i];
    const int count = control >> kCountShift;
    if (control & kToggleSilent) keyboard.setSilent(silent = !silent);
    if (control & kRequestResends) keyboard.requestResends(count);
    if (control & kSetBusy) controller.setBusy(count == 7 ? -1 : count);
    if (control & kReadStatusFirst) controller.read(KeyboardController::kStatusPort);
    controller.write(KeyboardController::kDataPort, data[i + 1]);
    ++writesSinceDrain;
    if (control & kDrainAnswers) {
      // No byte brings more than two answers, so the buffer must empty within that many reads.
      int reads = 0;
      while (controller.read(KeyboardController::kStatusPort) & kOutputFull) {
        controller.read(KeyboardController::kDataPort);
        if (++reads > 2 * writesSinceDrain) std::abort();
      }
      writesSinceDrain = 0;
    }
    checkDisplay(keyboard.display());
  }
  if (keyboard.stateText().empty()) std::abort();
  return 0;
}
