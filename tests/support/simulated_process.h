#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace velmar::testing {

// The libraries choose the platform while they load, before main: a test or benchmark started
// without the simulated platform starts itself again with it and the given keyboards, so that
// it never reaches this machine's ports or input devices.
inline void runOnSimulatedPlatform(char** argv, const char* devices) {
  const char* platform = std::getenv("VELMAR_PLATFORM");
  if (platform && std::string_view(platform) == "sim") return;
  setenv("VELMAR_PLATFORM", "sim", 1);
  setenv("VELMAR_SIM_DEVICES", devices, 1);
  unsetenv("VELMAR_SIM_DIR");
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  execv("/proc/self/exe", argv);
  std::perror("cannot restart on the simulated platform");
  std::exit(1);
}

}  // namespace velmar::testing
