#include "platform/platform.h"

#include <cstdlib>
#include <string_view>

#include "platform/internal.h"
#include "platform/native/native_services.h"

namespace velmar::platform {
namespace internal {
namespace {

std::string_view environment(const char* name, std::string_view fallback = {}) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : fallback;
}

Instance* build() {
  auto* instance = new Instance;
  if (environment("VELMAR_PLATFORM") == "sim") {
    instance->world =
        std::make_unique<sim::World>(environment("VELMAR_SIM_DIR"),
                                     environment("VELMAR_SIM_DEVICES", "usb-dorvel"), instance->os);
    sim::SimFiles& files = instance->world->files;
    instance->messageBoxes =
        std::make_unique<HostMessageBoxes>(true, [&files](const ShownMessage& message) {
          files.appendMessage(message.caption, message.text);
        });
    return instance;
  }
  instance->messageBoxes = std::make_unique<HostMessageBoxes>(false);
  instance->nativePorts = native::makePortIo();
  instance->nativeDrivers = native::makeDriverHost();
  instance->nativeHidBus = native::makeHidBus();
  instance->nativeConfig = native::makeConfigStore(environment("VELMAR_CONFIG_DIR", "/etc/velmar"));
  instance->nativeKeyboard = native::makeKeyboardInput();
  return instance;
}

}  // namespace

// Never destroyed: libraries use the services from their own unload handling, which may run
// after this library's static objects would have been destroyed.
Instance& instance() {
  static Instance* const instance = build();
  return *instance;
}

}  // namespace internal

using internal::instance;
using internal::world;

bool isSimulated() {
  return world() != nullptr;
}

PortIo& ports() {
  return world() ? world()->ports : *instance().nativePorts;
}
DriverHost& drivers() {
  return world() ? world()->drivers : *instance().nativeDrivers;
}
HidBus& hidBus() {
  return world() ? static_cast<HidBus&>(world()->hid) : *instance().nativeHidBus;
}
ConfigStore& config() {
  return world() ? world()->config : *instance().nativeConfig;
}
KeyboardInput& keyboard() {
  return world() ? world()->keyboard : *instance().nativeKeyboard;
}
MessageHooks& messageHooks() {
  return instance().messageHooks;
}
WindowMessages& windowMessages() {
  return instance().windowMessages;
}
MessageBoxes& messageBoxes() {
  return *instance().messageBoxes;
}
NamedMutexes& mutexes() {
  return instance().mutexes;
}
OsVersion& osVersion() {
  return instance().os;
}
Clock& clock() {
  return instance().clock;
}
DynamicLibraries& libraries() {
  return instance().libraries;
}

}  // namespace velmar::platform
