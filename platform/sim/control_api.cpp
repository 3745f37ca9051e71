#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "platform/internal.h"
#include "platform/velmar_sim.h"

using velmar::platform::OsKind;
using velmar::platform::internal::instance;
using velmar::platform::internal::world;
using velmar::platform::sim::ServiceFault;
using velmar::platform::sim::World;

namespace {

// Runs `body` with the simulated machine; 0 on the native platform or on any failure, so that
// no exception reaches a C caller.
template <typename Body>
int withWorld(Body body) {
  try {
    World* simulated = world();
    return simulated ? body(*simulated) : 0;
  } catch (...) {
    return 0;
  }
}

// The value a name stands for, among the names a control function knows.
template <typename Value>
std::optional<Value> named(const char* name,
                           std::initializer_list<std::pair<std::string_view, Value>> names) {
  if (!name) return std::nullopt;
  for (const auto& [known, value] : names) {
    if (known == name) return value;
  }
  return std::nullopt;
}

int copyText(const std::string& text, char* out, int size) {
  if (out && size > 0) {
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
  }
  return static_cast<int>(text.size());
}

}  // namespace

extern "C" {

VELMAR_PLATFORM_API int VelmarSimAttach(const char* device) {
  return withWorld([&](World& w) { return device && w.devices.attach(device) ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimDetach(const char* device) {
  return withWorld([&](World& w) { return device && w.devices.detach(device) ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimEeprom(const char* device, unsigned char* out512) {
  return withWorld([&](World& w) {
    return device && out512 && w.devices.eeprom(device, std::span<std::uint8_t, 512>(out512, 512))
               ? 1
               : 0;
  });
}

VELMAR_PLATFORM_API int VelmarSimTraffic(const char* device, unsigned char* out, int max) {
  return withWorld([&](World& w) {
    if (!device) return 0;
    auto traffic = w.devices.traffic(device);
    if (!traffic) return 0;
    if (out && max > 0) {
      std::copy_n(traffic->begin(), std::min<std::size_t>(traffic->size(), max), out);
    }
    return static_cast<int>(traffic->size());
  });
}

VELMAR_PLATFORM_API int VelmarSimClearTraffic(const char* device) {
  return withWorld([&](World& w) { return device && w.devices.clearTraffic(device) ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimFailWrites(const char* device, int count) {
  return withWorld([&](World& w) { return device && w.devices.failWrites(device, count) ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimFailEnumeration(int count) {
  return withWorld([&](World& w) { return w.devices.failEnumerations(count) ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimDeviceState(const char* device, char* out, int size) {
  return withWorld([&](World& w) {
    if (!device) return 0;
    auto state = w.devices.state(device);
    return state ? copyText(*state, out, size) : 0;
  });
}

VELMAR_PLATFORM_API int VelmarSimType(const char* text) {
  return withWorld([&](World& w) { return text ? static_cast<int>(w.keyboard.type(text)) : 0; });
}

VELMAR_PLATFORM_API int VelmarSimDisplay(char* out, int size) {
  return withWorld([&](World& w) { return copyText(w.devices.display(), out, size); });
}

VELMAR_PLATFORM_API int VelmarSimMessages(char* out, int size) {
  return withWorld([&](World&) {
    std::string text;
    for (const auto& message : instance().messageBoxes->shown()) {
      text += message.caption + ": " + message.text + '\n';
    }
    return copyText(text, out, size);
  });
}

VELMAR_PLATFORM_API int VelmarSimInjectedKeys(char* out, int size) {
  return withWorld([&](World& w) { return copyText(w.keyboard.injectedText(), out, size); });
}

VELMAR_PLATFORM_API int VelmarSimLockKeys(void) {
  return withWorld([](World& w) { return w.keyboard.lockMask(); });
}

VELMAR_PLATFORM_API int VelmarSimSetLockKeys(int mask) {
  return withWorld([&](World& w) {
    w.keyboard.setLockMask(mask);
    return 1;
  });
}

VELMAR_PLATFORM_API int VelmarSimKeyboardHooks(void) {
  return withWorld([](World& w) { return w.keyboard.hookCount(); });
}

VELMAR_PLATFORM_API int VelmarSimMessageHooks(void) {
  return withWorld([](World&) { return instance().messageHooks.installedCount(); });
}

VELMAR_PLATFORM_API int VelmarSimRetrieveMessage(void) {
  return withWorld([](World&) {
    instance().messageHooks.retrieveMessage();
    return 1;
  });
}

VELMAR_PLATFORM_API int VelmarSimSetConfig(const char* key, const char* name, const char* value) {
  return withWorld([&](World& w) {
    if (!key || !name) return 0;
    w.config.set(key, name, value ? std::optional<std::string>(value) : std::nullopt);
    return 1;
  });
}

VELMAR_PLATFORM_API int VelmarSimAtSilent(int on) {
  return withWorld([&](World& w) { return w.devices.setAtSilent(on != 0) ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimAtResend(int count) {
  return withWorld([&](World& w) { return w.devices.requestAtResends(count) ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimAtBusy(int reads) {
  return withWorld([&](World& w) { return w.devices.setControllerBusy(reads) ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimSetPlatform(const char* platform) {
  return withWorld([&](World&) {
    const auto kind = named<OsKind>(platform, {{"nt", OsKind::Nt},
                                               {"9x", OsKind::Windows9x},
                                               {"other", OsKind::Other},
                                               {"fail", OsKind::QueryFails}});
    if (!kind) return 0;
    instance().os.set(*kind);
    return 1;
  });
}

VELMAR_PLATFORM_API int VelmarSimSetService(const char* state) {
  return withWorld([&](World& w) {
    const auto fault = named<ServiceFault>(state, {{"installed", ServiceFault::None},
                                                   {"absent", ServiceFault::Absent},
                                                   {"denied", ServiceFault::AccessDenied},
                                                   {"startfails", ServiceFault::StartFails}});
    if (!fault) return 0;
    w.drivers.setFault(*fault);
    return 1;
  });
}

VELMAR_PLATFORM_API int VelmarSimServiceRunning(void) {
  return withWorld([](World& w) { return w.drivers.running() ? 1 : 0; });
}

VELMAR_PLATFORM_API int VelmarSimSetTimeOfDay(int hour, int minute, int second) {
  return withWorld([&](World&) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return 0;
    instance().clock.setTimeOfDay(hour, minute, second);
    return 1;
  });
}

VELMAR_PLATFORM_API int VelmarSimHideLibrary(const char* library, const char* entry) {
  return withWorld([&](World&) {
    if (!library || (entry && !*entry)) return 0;
    instance().libraries.hide(library, entry ? entry : "");
    return 1;
  });
}

VELMAR_PLATFORM_API int VelmarSimFailMutex(const char* name) {
  return withWorld([&](World&) {
    if (!name) return 0;
    instance().mutexes.failCreation(name);
    return 1;
  });
}

}  // extern "C"
