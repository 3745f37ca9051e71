#include "sim/usb_ilvar_keyboard.h"
#include "sim/state_text.h"

#include <algorithm>

namespace velmar::sim {
namespace {

constexpr std::size_t kCommandByte = 1;
constexpr std::size_t kDataStart = 2;

}  // namespace

UsbIlvarKeyboard::UsbIlvarKeyboard(const Eeprom& eeprom) : eeprom_(eeprom) {}

DeviceChanges UsbIlvarKeyboard::receive(std::span<const std::uint8_t> report) {
  if (report.size() != ilvar::kReportLength) {
    ++unknownReports_;
    return {.state = true};
  }
  const auto data = report.subspan(kDataStart);
  switch (report[kCommandByte]) {
    case ilvar::kPresence:
      return {};
    case ilvar::kBegin:
      pending_ = eeprom_;
      programming_ = true;
      return {.state = true};
    case ilvar::kBlock: {
      const std::size_t block = data[0];
      if (!programming_ || block >= ilvar::kBlockCount) return {};
      std::copy_n(data.begin() + 1, ilvar::kBlockSize,
                  pending_.begin() + block * ilvar::kBlockSize);
      return {};
    }
    case ilvar::kEnd: {
      const auto sum = static_cast<std::uint16_t>(data[0] << 8 | data[1]);
      // Whatever the outcome, the keyboard waits for a new begin afterwards.
      const bool accepted = programming_ && sum == ilvar::imageSum(pending_);
      programming_ = false;
      if (!accepted) {
        ++rejectedPrograms_;
        return {.state = true};
      }
      eeprom_ = pending_;
      ++programmed_;
      return {.eeprom = true, .state = true};
    }
    default:
      ++unknownReports_;
      return {.state = true};
  }
}

std::string UsbIlvarKeyboard::stateText() const {
  StateText state;
  state.number("programmed", programmed_);
  state.number("rejected_programs", rejectedPrograms_);
  state.number("unknown_reports", unknownReports_);
  state.flag("programming", programming_);
  return state.text();
}

}  // namespace velmar::sim
