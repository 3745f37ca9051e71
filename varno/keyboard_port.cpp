#include "varno/keyboard_port.h"

#include "platform/platform.h"
#include "varno/export_guard.h"
#include "varno/varno.h"

namespace velmar::varno {
namespace {

constexpr std::uint8_t kOutputFull = 0x01;
constexpr std::uint8_t kInputFull = 0x02;
constexpr std::uint8_t kUnreachable = 0xFF;
constexpr std::uint32_t kAnswerWaitTicks = 5;
constexpr std::uint32_t kReceiveWaitTicks = 8;
// A keyboard has 15 ms to start clocking in a byte and 2 ms to finish it; a controller busy
// longer than that is stuck, and the editor must not hang on it.
constexpr std::uint32_t kInputEmptyWaitTicks = 20;

// Reads the status until `bit` is as wanted or `ticks` milliseconds have passed; whether it
// came.
bool waitForStatus(std::uint8_t bit, bool set, std::uint32_t ticks) {
  platform::Clock& clock = platform::clock();
  const std::uint32_t start = clock.tickCount();
  do {
    if (((PortIn(kStatusPort) & bit) != 0) == set) return true;
  } while (clock.tickCount() - start < ticks);
  return false;
}

}  // namespace

bool PortLibraryUsable() {
  VarnoState& varno = state();
  std::lock_guard lock(varno.VarnoLock);
  return varno.OpenError == 0 && varno.PortLibrary && varno.Inp32 && varno.Out32;
}

std::uint8_t PortIn(std::uint16_t port) {
  VarnoState& varno = state();
  std::lock_guard lock(varno.VarnoLock);
  if (!PortLibraryUsable()) return kUnreachable;
  return static_cast<std::uint8_t>(varno.Inp32(static_cast<std::int16_t>(port)));
}

void PortOut(std::uint16_t port, std::uint8_t value) {
  VarnoState& varno = state();
  std::lock_guard lock(varno.VarnoLock);
  if (PortLibraryUsable()) varno.Out32(static_cast<std::int16_t>(port), value);
}

bool SendKbdByte(std::uint8_t value) {
  std::lock_guard lock(state().VarnoLock);
  if (!PortLibraryUsable() || !waitForStatus(kInputFull, false, kInputEmptyWaitTicks)) {
    return false;
  }
  PortOut(kDataPort, value);
  waitForStatus(kOutputFull, true, kAnswerWaitTicks);
  return true;
}

KbdAnswer ReceiveKbdByte() {
  std::lock_guard lock(state().VarnoLock);
  if (!PortLibraryUsable()) return {};
  const bool answered = waitForStatus(kOutputFull, true, kReceiveWaitTicks);
  return {.byte = PortIn(kDataPort), .answered = answered};
}

}  // namespace velmar::varno

using namespace velmar::varno;

extern "C" {

VARNO_API void TxKbd(int32_t value) {
  guarded([&] { SendKbdByte(static_cast<std::uint8_t>(value)); });
}

VARNO_API int32_t RxKbd(void) {
  return guarded(0, [] { return static_cast<std::int32_t>(ReceiveKbdByte().byte); });
}

}  // extern "C"
