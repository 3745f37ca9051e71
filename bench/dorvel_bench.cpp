// The device library's own costs against the virtual keyboards: programming, a probe with no
// keyboard, one AT command, one captured key event, and the CPU used while idle.
#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "bench/timing.h"
#include "dorvel/dorvel_32.h"
#include "platform/velmar_sim.h"
#include "tests/support/simulated_process.h"

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int, char** argv) {
  velmar::testing::runOnSimulatedPlatform(argv, "none");
  using velmar::bench::medianMicroseconds;
  using velmar::bench::report;

  report("USB probe with no keyboard (median of 200)",
         medianMicroseconds(200, [] { IsDorvelUsbOn(); }));

  VelmarSimAttach("usb-dorvel");
  std::array<std::uint8_t, 512> image{};
  report("DorvelProgKeyboard(511) on USB (median of 15)",
         medianMicroseconds(15, [&] { DorvelProgKeyboard(511, image.data()); }));

  OpenDorvel();
  const double idleStart = cpuSeconds();
  std::this_thread::sleep_for(std::chrono::seconds(10));
  std::printf("%-56s %12.4f %%\n", "CPU of an idle process with the library open (10 s)",
              (cpuSeconds() - idleStart) / 10 * 100);

  SetCard(1);
  const std::string card = "[1234567890123456]2612\r";
  const double perCard = medianMicroseconds(200, [&] { VelmarSimType(card.c_str()); });
  // Each character is a press and a release; shifted ones add a Shift press and release.
  report("captured key event, typing included (median)", perCard / (2.0 * card.size()));
  CloseDorvel();

  VelmarSimDetach("usb-dorvel");
  VelmarSimAttach("at-dorvel");
  OpenDorvel();
  report("BeepOn over AT, keyboard answering at once (median of 1000)",
         medianMicroseconds(1000, [] { BeepOn(1); }));
  report("TxKbd over AT, keyboard answering at once (median of 1000)",
         medianMicroseconds(1000, [] { TxKbd(0xE0); }));
  CloseDorvel();
  return 0;
}
