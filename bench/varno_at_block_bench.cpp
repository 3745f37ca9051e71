// Varno's own cost of an AT block against a keyboard that answers at once, so that no status
// wait lasts: the whole GravaBloco512, the transport choice it starts with (the device
// libraries' USB probes), and its eight byte exchanges alone.
#include <cstdint>

#include "bench/library_entry.h"
#include "bench/timing.h"
#include "tests/support/simulated_process.h"

int main(int, char** argv) {
  velmar::testing::runOnSimulatedPlatform(argv, "at-dorvel");
  using velmar::bench::libraryEntry;
  using velmar::bench::medianMicroseconds;
  using velmar::bench::report;

  auto* openVarno = libraryEntry<std::int32_t()>("libvarno.so", "OpenVarno");
  auto* gravaBloco512 =
      libraryEntry<std::int32_t(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                std::int32_t, std::int32_t)>("libvarno.so", "GravaBloco512");
  auto* txKbd = libraryEntry<void(std::int32_t)>("libvarno.so", "TxKbd");
  auto* rxKbd = libraryEntry<std::int32_t()>("libvarno.so", "RxKbd");
  auto* isDorvelUsbOn = libraryEntry<std::uint8_t()>("libdorvel_32.so", "IsDorvelUsbOn");
  auto* isIlvarUsbOn = libraryEntry<std::uint8_t()>("libilvar.so", "IsIlvarUsbOn");

  if (openVarno() != 0) return 1;
  const double block = medianMicroseconds(200, [&] { gravaBloco512(1, 4, 1, 2, 3, 4); });
  const double choice = medianMicroseconds(200, [&] {
    isDorvelUsbOn();
    isIlvarUsbOn();
  });
  const double exchanges = medianMicroseconds(1000, [&] {
    for (std::int32_t byte : {0xE2, 1, 4, 1, 2, 3, 4, 0xE3}) {
      txKbd(byte);
      rxKbd();
    }
  });
  report("GravaBloco512 on AT, whole call (median of 200)", block);
  report("transport choice, both USB probes (median of 200)", choice);
  report("a block's 8 TxKbd + RxKbd exchanges (median of 1000)", exchanges);
  report("Varno's work per AT byte (exchanges / 8)", exchanges / 8);
  report("per AT byte: (whole call - choice) / 8", (block - choice) / 8);
  return 0;
}
