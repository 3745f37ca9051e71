#include "dorvel/echo.h"

#include <mutex>
#include <system_error>

#include "dorvel/debug_log.h"
#include "dorvel/dorvel_32.h"
#include "dorvel/library_state.h"
#include "dorvel/transport/at_port.h"
#include "dorvel/transport/usb_hid.h"
#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

std::size_t queued(const EchoRing& ring) {
  return (ring.write + kEchoRingSize - ring.read) % kEchoRingSize;
}

void EchoWorker() {
  LibraryState& library = state();
  EchoRing& ring = library.Echo;
  for (;;) {
    {
      std::unique_lock lock(ring.lock);
      ring.filled.wait(lock, [&] { return library.EchoWorkerStop || queued(ring) > 0; });
      if (library.EchoWorkerStop) return;
    }
    while (std::optional<std::uint8_t> ch = EchoPop()) {
      if (*ch == '\b') {
        BackSpace();
      } else {
        EchoToDisplay(*ch);
      }
    }
  }
}

}  // namespace

void EchoPush(std::uint8_t ch) {
  EchoRing& ring = state().Echo;
  {
    std::lock_guard lock(ring.lock);
    if (queued(ring) >= kEchoRingSize - 1) return;
    ring.characters[ring.write] = ch;
    ring.write = (ring.write + 1) % kEchoRingSize;
  }
  ring.filled.notify_one();
}

std::optional<std::uint8_t> EchoPop() {
  EchoRing& ring = state().Echo;
  std::lock_guard lock(ring.lock);
  if (queued(ring) == 0) return std::nullopt;
  const std::uint8_t ch = ring.characters[ring.read];
  ring.read = (ring.read + 1) % kEchoRingSize;
  return ch;
}

void EmptyEchoQueue() {
  EchoRing& ring = state().Echo;
  std::lock_guard lock(ring.lock);
  ring.characters.fill(0);
  ring.write = 0;
  ring.read = 0;
}

void EchoToDisplay(std::uint8_t ch) {
  if (UsbLinkUp()) {
    SendReport(MakeReport(0x18, {ch}));
    return;
  }
  LibraryState& library = state();
  std::lock_guard lock(library.LibraryLock);
  if (library.DisplayMode) {
    SendKbdByte(ch);
    return;
  }
  // The keyboard needs a moment to switch into display-data mode and back.
  SendKbdByte(0xE7);
  platform::clock().sleepMs(5);
  SendKbdByte(ch);
  platform::clock().sleepMs(5);
  SendKbdByte(0xE8);
}

void StartEchoWorker() {
  LibraryState& library = state();
  std::lock_guard lock(library.Echo.lock);
  if (library.EchoWorkerThread.joinable()) return;
  try {
    library.EchoWorkerThread = std::thread(EchoWorker);
  } catch (const std::system_error& error) {
    DebugLogFormat("Nao foi possivel criar a thread = %d errno = %d\n", 1, error.code().value());
  }
}

void StopEchoWorker() {
  LibraryState& library = state();
  {
    std::lock_guard lock(library.Echo.lock);
    library.EchoWorkerStop = true;
  }
  library.Echo.filled.notify_all();
  if (library.EchoWorkerThread.joinable()) library.EchoWorkerThread.join();
}

}  // namespace velmar::dorvel
