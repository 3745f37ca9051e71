// What Varno adds to a USB write: the editor's 112 blocks of model 0 and TerminaGravacao,
// against the device library programming the same image alone.
#include <array>
#include <cstdint>
#include <cstdio>

#include "bench/library_entry.h"
#include "bench/timing.h"
#include "dorvel/dorvel_32.h"
#include "tests/support/simulated_process.h"

int main(int, char** argv) {
  velmar::testing::runOnSimulatedPlatform(argv, "usb-dorvel");
  using velmar::bench::libraryEntry;
  using velmar::bench::medianMicroseconds;
  using velmar::bench::report;

  auto* openVarno = libraryEntry<std::int32_t()>("libvarno.so", "OpenVarno");
  auto* gravaBloco512 =
      libraryEntry<std::int32_t(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                std::int32_t, std::int32_t)>("libvarno.so", "GravaBloco512");
  auto* terminaGravacao = libraryEntry<std::int32_t()>("libvarno.so", "TerminaGravacao");

  // Opened as the editor has it, so each block's key-down passes the device library's hook.
  openVarno();
  std::array<std::uint8_t, 512> image{};
  constexpr int kRounds = 11;
  const double alone = medianMicroseconds(kRounds, [&] { DorvelProgKeyboard(511, image.data()); });
  const double write = medianMicroseconds(kRounds, [&] {
    for (std::int32_t h = 0; h < 2; ++h) {
      for (std::int32_t r = 0; r < 2; ++r) {
        for (std::int32_t k = 0; k < 28; ++k)
          gravaBloco512(h, 128 * r + 4 * k, k, k, k, k);
      }
    }
    terminaGravacao();
  });
  report("DorvelProgKeyboard(511) alone (median of 11)", alone);
  report("112 GravaBloco512 + TerminaGravacao (median of 11)", write);
  std::printf("%-56s %12.4f\n", "ratio write / DorvelProgKeyboard alone", write / alone);
  return 0;
}
