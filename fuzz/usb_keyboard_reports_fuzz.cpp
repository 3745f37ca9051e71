// Cuts the input into 64-byte output reports and gives each to both USB keyboards; a shorter
// last piece goes in as it is, as a report of the wrong length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "sim/usb_dorvel_keyboard.h"
#include "sim/usb_ilvar_keyboard.h"

namespace {

using velmar::sim::CharacterDisplay;

void checkDisplay(const CharacterDisplay& display) {
  const bool cursorInside = display.row() >= 0 && display.row() < CharacterDisplay::kRows &&
                            display.column() >= 0 && display.column() < CharacterDisplay::kColumns;
  const std::size_t textLength = CharacterDisplay::kRows * (CharacterDisplay::kColumns + 1);
  if (!cursorInside || display.text().size() != textLength) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kReportLength = velmar::sim::UsbDorvelKeyboard::kReportLength;
  velmar::sim::UsbDorvelKeyboard dorvel;
  velmar::sim::UsbIlvarKeyboard ilvar;
  const std::span<const std::uint8_t> input(data, size);
  for (std::size_t offset = 0; offset < size; offset += kReportLength) {
    const auto report = input.subspan(offset, std::min(kReportLength, size - offset));
    dorvel.receive(report);
    ilvar.receive(report);
    checkDisplay(dorvel.display());
  }
  if (dorvel.stateText().empty() || ilvar.stateText().empty()) std::abort();
  return 0;
}
