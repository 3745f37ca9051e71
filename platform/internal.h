#pragma once

#include <memory>

#include "platform/common/clock.h"
#include "platform/common/dynamic_libraries.h"
#include "platform/common/message_boxes.h"
#include "platform/common/message_hooks.h"
#include "platform/common/named_mutexes.h"
#include "platform/common/os_version.h"
#include "platform/common/window_messages.h"
#include "platform/sim/sim_world.h"

// The one set of services of the process, with the knobs the control API turns.
namespace velmar::platform::internal {

struct Instance {
  SettableClock clock;
  SettableOsVersion os;
  ProcessNamedMutexes mutexes;
  ModuleLibraries libraries;
  RecordedMessageHooks messageHooks;
  ProcessWindowMessages windowMessages;
  std::unique_ptr<sim::World> world;  // only on the simulated platform
  std::unique_ptr<HostMessageBoxes> messageBoxes;
  std::unique_ptr<PortIo> nativePorts;
  std::unique_ptr<DriverHost> nativeDrivers;
  std::unique_ptr<HidBus> nativeHidBus;
  std::unique_ptr<ConfigStore> nativeConfig;
  std::unique_ptr<KeyboardInput> nativeKeyboard;
};

Instance& instance();

// The simulated machine, or nullptr on the native platform.
inline sim::World* world() {
  return instance().world.get();
}

}  // namespace velmar::platform::internal
