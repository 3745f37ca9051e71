#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "dorvel/library_state.h"

namespace velmar::dorvel {

// The keyboard's output report: byte 0 the report id 0, byte 1 the command, byte 2 the data
// length, data from byte 3, zeros after it.
using Report = std::array<std::uint8_t, 64>;
inline constexpr std::size_t kReportDataMax = 61;

Report MakeReport(std::uint8_t command, std::span<const std::uint8_t> data);
inline Report MakeReport(std::uint8_t command, std::initializer_list<std::uint8_t> data = {}) {
  return MakeReport(command, std::span(data.begin(), data.size()));
}

// Whether the USB link is up; re-probes the bus when it is down (see the link states).
bool UsbLinkUp();

// Looks for the keyboard on the bus and sets IsDorvelUsb to 'U' or 0.
void VerificaSeEhUSBHID();

// Opens the first present HID device whose ids match an entry of the tables and keeps it in
// hidhandle, its output report length in `caps`. Returns the entry's index, or -1.
int FindHidDevice(int entries, const std::array<std::int32_t, kIdEntries>& vendorIds,
                  const std::array<std::int32_t, kIdEntries>& productIds,
                  std::atomic<std::size_t>& caps);

// Writes one report, re-discovering the keyboard and trying once more when the write fails.
// 0 written, -1 not.
int HIDEnviaPacote(const Report& report);

// HIDEnviaPacote that also marks the link down when the report could not be written.
int SendReport(const Report& report);

void CloseHid();

}  // namespace velmar::dorvel
