#include "dorvel/transport/at_port.h"

#include <array>

#include "dorvel/library_state.h"
#include "dorvel/transport/driver_service.h"
#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

platform::DriverDevice* portDriver() {
  LibraryState& library = state();
  if (library.PlatformNt) return library.DriverHandle.get();
  if (library.Platform9x) return library.VxdHandle.get();
  return nullptr;
}

// Reads the status until none of `busy` is set (or one of `ready` is), at most `tries` times
// after the first read, pausing `pauseMs` between reads.
std::uint8_t pollStatus(int tries, std::uint32_t pauseMs, auto done) {
  std::uint8_t status = ReadPort(kStatusPort);
  for (int i = 0; i < tries && !done(status); ++i) {
    if (pauseMs) platform::clock().sleepMs(pauseMs);
    status = ReadPort(kStatusPort);
  }
  return status;
}

auto inputEmpty = [](std::uint8_t status) { return (status & kInputFull) == 0; };
auto outputWaiting = [](std::uint8_t status) { return (status & kOutputFull) != 0; };

}  // namespace

std::uint8_t ReadPort(std::uint16_t port) {
  platform::DriverDevice* driver = portDriver();
  if (!driver) return 0xFF;
  const std::array<std::uint8_t, 2> in{static_cast<std::uint8_t>(port),
                                       static_cast<std::uint8_t>(port >> 8)};
  std::array<std::uint8_t, 1> out{0xFF};
  if (!driver->control(platform::kIoctlReadPort, in, out)) return 0xFF;
  return out[0];
}

void WritePort(std::uint16_t port, std::uint8_t value) {
  platform::DriverDevice* driver = portDriver();
  if (!driver) return;
  const bool nineX = state().Platform9x != 0 && state().PlatformNt == 0;
  const std::array<std::uint8_t, 3> in =
      nineX ? std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(port), value, value}
            : std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(port),
                                          static_cast<std::uint8_t>(port >> 8), value};
  std::array<std::uint8_t, 3> out{};
  driver->control(platform::kIoctlWritePort, in, nineX ? std::span(out) : std::span(out).first(0));
}

bool AtTransportOpen() {
  const LibraryState& library = state();
  return library.DriverHandle || library.VxdHandle;
}

void SendKbdByte(std::uint8_t byte) {
  if (!AtTransportOpen()) return;
  ReadPort(kDataPort);  // drops a byte the keyboard may have left
  pollStatus(2, 1, inputEmpty);
  WritePort(kDataPort, byte);
  pollStatus(2, 0, outputWaiting);
  if (ReadPort(kDataPort) == kResend) {
    WritePort(kDataPort, byte);
    platform::clock().sleepMs(1);
  }
}

std::int32_t SendKbdByteAnswered(std::uint8_t byte) {
  if (!AtTransportOpen()) return state().NtDriverFailed ? -1 : 0;
  ReadPort(kDataPort);
  pollStatus(10, 2, inputEmpty);
  WritePort(kDataPort, byte);
  platform::clock().sleepMs(1);
  pollStatus(4, 1, outputWaiting);
  const std::uint8_t answer = ReadPort(kDataPort);
  if (answer != kResend) return answer;
  // The copy's own answer is left unread; the resend request is what the caller learns.
  WritePort(kDataPort, byte);
  platform::clock().sleepMs(1);
  return answer;
}

int OpenNtDriver() {
  LibraryState& library = state();
  auto open = [&] {
    library.DriverHandle = platform::drivers().openDevice(platform::kNtDriverDevice);
    return library.DriverHandle != nullptr;
  };
  int result;
  if (open()) {
    result = 0;
  } else if (StartDriverService() != 0) {
    InstallDriverService();
    StartDriverService();
    result = open() ? 1 : -1;
  } else {
    result = open() ? 1 : -2;
  }
  library.NtDriverFailed = result < 0;
  return result;
}

int Open9xDriver() {
  LibraryState& library = state();
  library.VxdHandle = platform::drivers().openDevice(platform::k9xDriverDevice);
  return library.VxdHandle ? 0 : -1;
}

void CloseNtDriver() {
  LibraryState& library = state();
  if (!library.DriverHandle) return;
  StopDriverService();
  library.DriverHandle.reset();
}

void Close9xDriver() {
  state().VxdHandle.reset();
}

}  // namespace velmar::dorvel
