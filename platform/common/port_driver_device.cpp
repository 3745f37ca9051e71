#include "platform/common/port_driver_device.h"

#include <cstdint>

namespace velmar::platform {
namespace {

class PortDriverDevice final : public DriverDevice {
 public:
  PortDriverDevice(PortIo& ports, bool nineXBuffers) : ports_(ports), nineX_(nineXBuffers) {}

  bool control(std::uint32_t code, std::span<const std::uint8_t> in,
               std::span<std::uint8_t> out) override {
    if (code == kIoctlReadPort) {
      if (in.size() < 2 || out.empty()) return false;
      std::optional<std::uint8_t> value = ports_.read(portFrom(in[0], in[1]));
      if (!value) return false;
      out[0] = *value;
      return true;
    }
    if (code == kIoctlWritePort) {
      if (in.size() < 3) return false;
      // The 9x buffer holds the port's low byte only; its high byte is never used for 0x60/0x64.
      const std::uint16_t port = nineX_ ? in[0] : portFrom(in[0], in[1]);
      const std::uint8_t value = nineX_ ? in[1] : in[2];
      if (nineX_) {
        for (std::size_t i = 0; i < out.size() && i < in.size(); ++i)
          out[i] = in[i];
      }
      return ports_.write(port, value);
    }
    return false;
  }

 private:
  static std::uint16_t portFrom(std::uint8_t low, std::uint8_t high) {
    return static_cast<std::uint16_t>(low | (high << 8));
  }

  PortIo& ports_;
  bool nineX_;
};

}  // namespace

std::unique_ptr<DriverDevice> makePortDriverDevice(PortIo& ports, bool nineXBuffers) {
  return std::make_unique<PortDriverDevice>(ports, nineXBuffers);
}

}  // namespace velmar::platform
