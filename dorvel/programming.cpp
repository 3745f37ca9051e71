#include <array>
#include <cstring>

#include "dorvel/debug_log.h"
#include "dorvel/export_guard.h"
#include "dorvel/transport/usb_hid.h"
#include "platform/platform.h"

using namespace velmar::dorvel;

namespace {

constexpr std::size_t kImageSize = 512;
constexpr std::size_t kBlockSize = 16;
constexpr std::uint8_t kProgramCommand = 0x03;
constexpr std::uint8_t kBlockCommand = 0x04;
// The keyboard needs these pauses to write its EEPROM: after every block, and longer after
// each quarter of the image.
constexpr std::uint32_t kBlockPauseMs = 10;
constexpr std::uint32_t kQuarterPauseMs = 100;

}  // namespace

extern "C" {

DORVEL_API uint8_t DorvelProgKeyboard(uint32_t Layoutsize, const uint8_t* image) {
  return guarded(std::uint8_t{0}, [&]() -> std::uint8_t {
    DebugLogFormat("Inicio da rotina DorvelProgKeyboard  Layoutsize = %d\n",
                   static_cast<int>(Layoutsize));
    if (Layoutsize < 2 || Layoutsize > kImageSize - 1 || image == nullptr) return 0;
    std::array<std::uint8_t, kImageSize> layout{};
    std::memcpy(layout.data(), image, Layoutsize);

    DebugLog("Inicia a Gravação da EEPROM\n");
    if (UsbLinkUp()) SendReport(MakeReport(kProgramCommand, {1}));
    DebugLog("Envia os Blocos para a EEPROM\n");
    velmar::platform::Clock& clock = velmar::platform::clock();
    for (std::uint8_t ci = 0; ci < kImageSize / kBlockSize; ++ci) {
      if (!UsbLinkUp()) {
        DebugLog("USB Desligada\n");
        continue;
      }
      std::array<std::uint8_t, 1 + kBlockSize> data{ci};
      std::memcpy(data.data() + 1, layout.data() + ci * kBlockSize, kBlockSize);
      SendReport(MakeReport(kBlockCommand, data));
      if (ci == 7 || ci == 15 || ci == 23) clock.sleepMs(kQuarterPauseMs);
      clock.sleepMs(kBlockPauseMs);
      DebugLogFormat("Envia os Blocos para a EEPROM ci = %d\n", ci);
    }
    DebugLog("Termina a Gravação da EEPROM\n");
    if (UsbLinkUp()) {
      SendReport(MakeReport(kProgramCommand, {0}));
      if (state().IsDorvelUsb == kUsbOn) return 1;
    }
    DebugLog("Fim da rotina DorvelProgKeyboard\n");
    return 0;
  });
}

}  // extern "C"
