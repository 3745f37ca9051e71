// What the virtual keyboards cost the libraries measured against them: one USB report write
// and one AT byte exchange through the simulated platform.
#include <array>

#include "bench/timing.h"
#include "platform/platform.h"
#include "platform/velmar_sim.h"
#include "tests/support/simulated_process.h"

int main(int, char** argv) {
  velmar::testing::runOnSimulatedPlatform(argv, "usb-dorvel,at-dorvel");
  using namespace velmar::platform;

  auto devices = hidBus().enumerate();
  auto device = hidBus().open(devices.at(0).path);
  std::array<std::uint8_t, 64> report{0, 0x18, 1, 'x'};
  velmar::bench::report("USB report write (median of 10000)",
                        velmar::bench::medianMicroseconds(10000, [&] { device->write(report); }));

  velmar::bench::report("AT byte: write, status read, data read (median of 10000)",
                        velmar::bench::medianMicroseconds(10000, [&] {
                          ports().write(0x60, 0xE0);
                          ports().read(0x64);
                          ports().read(0x60);
                        }));
  velmar::bench::report("USB enumeration with two keyboards (median of 1000)",
                        velmar::bench::medianMicroseconds(1000, [&] { hidBus().enumerate(); }));
  return 0;
}
