#include <libevdev/libevdev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/native/evdev_device.h"
#include "platform/native/native_services.h"
#include "platform/virtual_keys.h"

namespace velmar::platform::native {
namespace {

struct HookEntry {
  KeyboardHookProc proc;
  KeyboardFilter filter;
  std::atomic<bool> removed = false;
};

// The evdev key codes of a virtual key; the generic modifiers stand for both of their keys.
std::array<unsigned, 2> linuxKeysOf(std::uint8_t virtualKey) {
  switch (virtualKey) {
    case keys::kShift:
      return {KEY_LEFTSHIFT, KEY_RIGHTSHIFT};
    case keys::kControl:
      return {KEY_LEFTCTRL, KEY_RIGHTCTRL};
    case keys::kMenu:
      return {KEY_LEFTALT, KEY_RIGHTALT};
    default: {
      const keys::VirtualKeyInfo* key = keys::findByVirtualKey(virtualKey);
      return {key ? key->linuxKey : 0u, 0u};
    }
  }
}

std::optional<unsigned> ledOf(std::uint8_t virtualKey) {
  switch (virtualKey) {
    case keys::kNumLock:
      return LED_NUML;
    case keys::kCapsLock:
      return LED_CAPSL;
    case keys::kScrollLock:
      return LED_SCROLLL;
    default:
      return std::nullopt;
  }
}

void drain(int fd) {
  std::array<char, 4096> buffer;
  while (fd >= 0 && ::read(fd, buffer.data(), buffer.size()) > 0) {
  }
}

bool isAltKey(std::uint8_t virtualKey) {
  return virtualKey == keys::kMenu || virtualKey == keys::kLeftMenu ||
         virtualKey == keys::kRightMenu;
}

// State shared by the input service, its hooks and its reader thread, so that hooks and the
// thread may outlive the service object.
class EvdevInput final : public std::enable_shared_from_this<EvdevInput> {
 public:
  explicit EvdevInput(std::filesystem::path inputDirectory)
      : inputDirectory_(std::move(inputDirectory)),
        wakeFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

  // The reader holds a share of this object until it ends, so this runs once it has ended or
  // as its last act.
  ~EvdevInput() {
    if (reader_.joinable()) {
      if (reader_.get_id() == std::this_thread::get_id()) {
        reader_.detach();
      } else {
        reader_.join();
      }
    }
    if (wakeFd_ >= 0) ::close(wakeFd_);
  }

  // The service is gone: the reader ends once no hook is left either.
  void serviceGone() {
    serviceGone_ = true;
    stopIfUnused();
  }
  EvdevInput(const EvdevInput&) = delete;
  EvdevInput& operator=(const EvdevInput&) = delete;

  std::shared_ptr<HookEntry> addHook(KeyboardHookProc proc, const KeyboardFilter& filter) {
    auto hook = std::make_shared<HookEntry>();
    hook->proc = std::move(proc);
    hook->filter = filter;
    {
      std::lock_guard lock(hooksMutex_);
      hooks_.push_back(hook);
    }
    rescan();
    startReader();
    return hook;
  }

  // A call already running on another thread is not waited for: its procedure may be waiting
  // for a lock the remover holds.
  void removeHook(const std::shared_ptr<HookEntry>& hook) {
    hook->removed = true;
    {
      std::lock_guard lock(hooksMutex_);
      std::erase(hooks_, hook);
    }
    rescan();
    wake();  // to stop polling devices no hook listens to
    stopIfUnused();
  }

  bool isKeyDown(std::uint8_t virtualKey) {
    std::lock_guard lock(devicesMutex_);
    return std::ranges::any_of(linuxKeysOf(virtualKey),
                               [&](unsigned code) { return code != 0 && keyDownLocked(code); });
  }

  std::optional<bool> lockState(std::uint8_t virtualKey) {
    const std::optional<unsigned> led = ledOf(virtualKey);
    if (!led) return std::nullopt;
    std::lock_guard lock(devicesMutex_);
    for (const auto& device : devices_) {
      if (libevdev_has_event_code(device->evdev(), EV_LED, *led)) {
        return libevdev_get_event_value(device->evdev(), EV_LED, *led) != 0;
      }
    }
    return std::nullopt;
  }

  bool setLockState(std::uint8_t virtualKey, bool on) {
    const std::optional<unsigned> led = ledOf(virtualKey);
    if (!led) return false;
    std::lock_guard lock(devicesMutex_);
    bool set = false;
    for (const auto& device : devices_) {
      libevdev* const evdev = device->evdev();
      if (!libevdev_has_event_code(evdev, EV_LED, *led) ||
          libevdev_kernel_set_led_value(evdev, *led, on ? LIBEVDEV_LED_ON : LIBEVDEV_LED_OFF) !=
              0) {
        continue;
      }
      // Read back at once, before the kernel's echo of the change arrives.
      libevdev_set_event_value(evdev, EV_LED, *led, on);
      set = true;
    }
    return set;
  }

  void injectKey(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
    const bool down = (flags & kInjectKeyUp) == 0;
    const bool altHeld = isKeyDown(keys::kMenu) || (down && isAltKey(virtualKey));
    deliver(KeyEvent{virtualKey, scanCode, down, true, altHeld}, nullptr);
    // The system toggles a lock after the hooks have seen the key, as they read the old state.
    if (!down || !ledOf(virtualKey)) return;
    if (const std::optional<bool> on = lockState(virtualKey)) setLockState(virtualKey, !*on);
  }

 private:
  // Calls every hook listening to the source device (every hook for an injected event),
  // holding no lock, so that procedures may use the service.
  void deliver(const KeyEvent& event, const EvdevDevice* source) {
    std::vector<std::shared_ptr<HookEntry>> targets;
    {
      std::lock_guard lock(hooksMutex_);
      for (const auto& hook : hooks_) {
        if (!source || source->matches(hook->filter)) targets.push_back(hook);
      }
    }
    for (const auto& hook : targets) {
      if (!hook->removed) hook->proc(event);
    }
  }

  // The event being delivered does not count yet: hooks see the state from before it.
  bool keyDownLocked(unsigned code) const {
    return std::ranges::any_of(devices_, [&](const auto& device) {
      if (device.get() == handling_.device && code == handling_.code) return handling_.wasDown;
      return libevdev_get_event_value(device->evdev(), EV_KEY, code) != 0;
    });
  }

  // Keeps open exactly the devices some hook listens to.
  void rescan() {
    std::lock_guard devicesLock(devicesMutex_);
    std::vector<KeyboardFilter> filters;
    {
      std::lock_guard hooksLock(hooksMutex_);
      for (const auto& hook : hooks_)
        filters.push_back(hook->filter);
    }
    auto wanted = [&](const EvdevDevice& device) {
      return std::ranges::any_of(filters, [&](const auto& f) { return device.matches(f); });
    };
    std::erase_if(devices_, [&](const auto& device) { return !wanted(*device); });
    if (filters.empty()) return;

    std::error_code error;
    for (std::filesystem::directory_iterator it(inputDirectory_, error), end; !error && it != end;
         it.increment(error)) {
      const std::filesystem::path& path = it->path();
      if (!path.filename().string().starts_with("event")) continue;
      if (std::ranges::any_of(devices_, [&](const auto& d) { return d->path() == path; })) {
        continue;
      }
      if (auto device = EvdevDevice::open(path); device && wanted(*device)) {
        devices_.push_back(std::move(device));
      }
    }
  }

  void stopIfUnused() {
    {
      std::lock_guard lock(hooksMutex_);
      if (!serviceGone_ || !hooks_.empty()) return;
    }
    stopReader_ = true;
    wake();
  }

  // One reader for the life of the service, started by the first hook; without hooks it only
  // watches the directory.
  void startReader() {
    std::lock_guard lock(threadMutex_);
    if (reader_.joinable() || wakeFd_ < 0) return;
    try {
      reader_ = std::thread([self = shared_from_this()] { self->read(); });
    } catch (const std::system_error&) {
      // Without a thread the hooks still see injected keys.
    }
  }

  void wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
  }

  void read() {
    int notifyFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (notifyFd >= 0 && ::inotify_add_watch(notifyFd, inputDirectory_.c_str(),
                                             IN_CREATE | IN_MOVED_TO | IN_ATTRIB) < 0) {
      ::close(notifyFd);
      notifyFd = -1;
    }
    while (!stopReader_) {
      std::vector<std::shared_ptr<EvdevDevice>> polled;
      {
        std::lock_guard lock(devicesMutex_);
        polled = devices_;
      }
      std::vector<pollfd> fds{{wakeFd_, POLLIN, 0}, {notifyFd, POLLIN, 0}};
      for (const auto& device : polled)
        fds.push_back({device->fd(), POLLIN, 0});
      if (::poll(fds.data(), fds.size(), -1) < 0) {
        if (errno == EINTR) continue;
        break;
      }
      bool lostDevice = false;
      for (std::size_t i = 0; i < polled.size(); ++i) {
        if (fds[i + 2].revents != 0 && !readEvents(polled[i])) lostDevice = true;
      }
      if (fds[0].revents != 0) drain(wakeFd_);
      // A device that went away may come back under the same name.
      if (fds[1].revents != 0 || lostDevice) {
        drain(notifyFd);
        rescan();
      }
    }
    if (notifyFd >= 0) ::close(notifyFd);
  }

  // Delivers the device's pending key events one by one; false when the device is gone.
  bool readEvents(const std::shared_ptr<EvdevDevice>& device) {
    bool syncing = false;
    for (;;) {
      std::optional<KeyEvent> key;
      {
        std::lock_guard lock(devicesMutex_);
        input_event event{};
        const int rc = libevdev_next_event(
            device->evdev(), syncing ? LIBEVDEV_READ_FLAG_SYNC : LIBEVDEV_READ_FLAG_NORMAL, &event);
        if (rc == -EAGAIN) {
          if (!syncing) return true;
          syncing = false;
          continue;
        }
        if (rc < 0) {
          std::erase(devices_, device);
          return false;
        }
        // After dropped events the state difference arrives as events, keys included.
        if (rc == LIBEVDEV_READ_STATUS_SYNC && !syncing) syncing = true;
        const keys::VirtualKeyInfo* info =
            event.type == EV_KEY ? keys::findByLinuxKey(event.code) : nullptr;
        if (!info) continue;
        const bool altHeld = keyDownLocked(KEY_LEFTALT) || keyDownLocked(KEY_RIGHTALT);
        key = KeyEvent{info->virtualKey, info->scanCode, event.value != 0, false, altHeld};
        handling_ = {device.get(), event.code, event.value != 1};
      }
      deliver(*key, device.get());
      std::lock_guard lock(devicesMutex_);
      handling_ = {};
    }
  }

  const std::filesystem::path inputDirectory_;
  const int wakeFd_;

  std::mutex hooksMutex_;
  std::vector<std::shared_ptr<HookEntry>> hooks_;

  // Taken before hooksMutex_ where both are held.
  std::mutex devicesMutex_;
  std::vector<std::shared_ptr<EvdevDevice>> devices_;
  struct {
    const EvdevDevice* device = nullptr;
    unsigned code = 0;
    bool wasDown = false;
  } handling_;  // the key event being delivered

  std::mutex threadMutex_;
  std::thread reader_;
  std::atomic<bool> stopReader_ = false;
  std::atomic<bool> serviceGone_ = false;
};

class EvdevHook final : public KeyboardHook {
 public:
  EvdevHook(std::shared_ptr<EvdevInput> input, std::shared_ptr<HookEntry> entry)
      : input_(std::move(input)), entry_(std::move(entry)) {}
  ~EvdevHook() override { input_->removeHook(entry_); }
  EvdevHook(const EvdevHook&) = delete;
  EvdevHook& operator=(const EvdevHook&) = delete;

 private:
  std::shared_ptr<EvdevInput> input_;
  std::shared_ptr<HookEntry> entry_;
};

class EvdevKeyboardInput final : public KeyboardInput {
 public:
  explicit EvdevKeyboardInput(const std::filesystem::path& inputDirectory)
      : input_(std::make_shared<EvdevInput>(inputDirectory)) {}
  ~EvdevKeyboardInput() override { input_->serviceGone(); }
  EvdevKeyboardInput(const EvdevKeyboardInput&) = delete;
  EvdevKeyboardInput& operator=(const EvdevKeyboardInput&) = delete;

  std::unique_ptr<KeyboardHook> installHook(KeyboardHookProc proc,
                                            const KeyboardFilter& filter) override {
    return std::make_unique<EvdevHook>(input_, input_->addHook(std::move(proc), filter));
  }
  bool isKeyDown(std::uint8_t virtualKey) override { return input_->isKeyDown(virtualKey); }
  std::optional<bool> lockState(std::uint8_t virtualKey) override {
    return input_->lockState(virtualKey);
  }
  bool setLockState(std::uint8_t virtualKey, bool on) override {
    return input_->setLockState(virtualKey, on);
  }
  void injectKey(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override {
    input_->injectKey(virtualKey, scanCode, flags);
  }

 private:
  std::shared_ptr<EvdevInput> input_;
};

}  // namespace

std::unique_ptr<KeyboardInput> makeKeyboardInput(const std::filesystem::path& inputDirectory) {
  return std::make_unique<EvdevKeyboardInput>(inputDirectory);
}

}  // namespace velmar::platform::native
