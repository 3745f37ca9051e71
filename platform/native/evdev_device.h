#pragma once

#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/keyboard_input.h"

namespace velmar::platform::native {

// One open evdev device with the identity the filters look at; closed when destroyed.
class EvdevDevice {
 public:
  // Nullptr for anything that is not a readable evdev character device.
  static std::shared_ptr<EvdevDevice> open(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISCHR(status.st_mode)) return nullptr;
    constexpr int kFlags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    // Writing is only needed for the lock indicators; reading alone still delivers keys.
    int fd = ::open(path.c_str(), O_RDWR | kFlags);
    if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | kFlags);
    if (fd < 0) return nullptr;
    libevdev* evdev = nullptr;
    if (libevdev_new_from_fd(fd, &evdev) < 0) {
      ::close(fd);
      return nullptr;
    }
    return std::shared_ptr<EvdevDevice>(new EvdevDevice(path, fd, evdev));
  }

  ~EvdevDevice() {
    libevdev_free(evdev_);
    ::close(fd_);
  }
  EvdevDevice(const EvdevDevice&) = delete;
  EvdevDevice& operator=(const EvdevDevice&) = delete;

  const std::filesystem::path& path() const { return path_; }
  int fd() const { return fd_; }
  libevdev* evdev() const { return evdev_; }

  bool matches(const KeyboardFilter& filter) const {
    if (filter.atKeyboard && atKeyboard_) return true;
    return std::ranges::any_of(filter.usbIds, [&](const auto& ids) {
      return ids.first == vendor_ && ids.second == product_;
    });
  }

 private:
  EvdevDevice(std::filesystem::path path, int fd, libevdev* evdev)
      : path_(std::move(path)),
        fd_(fd),
        evdev_(evdev),
        vendor_(libevdev_get_id_vendor(evdev)),
        product_(libevdev_get_id_product(evdev)),
        atKeyboard_(libevdev_get_id_bustype(evdev) == BUS_I8042 &&
                    libevdev_has_event_type(evdev, EV_KEY)) {}

  const std::filesystem::path path_;
  const int fd_;
  libevdev* const evdev_;
  // Fixed at opening, so that filters match without taking the device's lock.
  const int vendor_;
  const int product_;
  const bool atKeyboard_;
};

}  // namespace velmar::platform::native
