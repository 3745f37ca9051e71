#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace velmar::bench {

// The libraries choose the platform while they load, before main: a benchmark started without
// the simulated platform starts itself again with it and the given keyboards.
inline void runOnSimulatedPlatform(char** argv, const char* devices) {
  const char* platform = std::getenv("VELMAR_PLATFORM");
  if (platform && std::string_view(platform) == "sim") return;
  setenv("VELMAR_PLATFORM", "sim", 1);
  setenv("VELMAR_SIM_DEVICES", devices, 1);
  unsetenv("VELMAR_SIM_DIR");
  execv("/proc/self/exe", argv);
  std::perror("cannot restart on the simulated platform");
  std::exit(1);
}

}  // namespace velmar::bench
