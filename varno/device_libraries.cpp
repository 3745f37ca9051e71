#include "varno/device_libraries.h"

#include "dorvel/dorvel_32.h"
#include "outside/ilvar/ilvar.h"

namespace velmar::varno {
namespace {

// The device libraries take 511 bytes and program a 0 in place of the last one.
constexpr std::uint32_t kProgrammedSize = 511;

}  // namespace

Transport ChooseTransport() {
  if (IsDorvelUsbOn() != 0) return Transport::DorvelUsb;
  if (IsIlvarUsbOn() != 0) return Transport::IlvarUsb;
  return Transport::At;
}

void OpenDeviceLibraries() {
  OpenDorvel();
  OpenIlvar();
}

void CloseDeviceLibraries() {
  CloseDorvel();
  CloseIlvar();
}

bool ProgramUsbKeyboard(Transport transport, const std::array<std::uint8_t, kImageSize>& image) {
  switch (transport) {
    case Transport::DorvelUsb:
      return DorvelProgKeyboard(kProgrammedSize, image.data()) == 1;
    case Transport::IlvarUsb:
      return IlvarProgKeyboard(kProgrammedSize, image.data()) == 1;
    case Transport::At:
      break;
  }
  return false;
}

}  // namespace velmar::varno
