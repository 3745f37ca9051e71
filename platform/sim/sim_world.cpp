#include "platform/sim/sim_world.h"

#include <unistd.h>

#include <string>

namespace velmar::platform::sim {
namespace {

std::filesystem::path systemDirectoryFor(const std::filesystem::path& directory) {
  if (!directory.empty()) return directory / "system";
  std::error_code error;
  return std::filesystem::temp_directory_path(error) / ("velmar-sim-" + std::to_string(getpid())) /
         "system";
}

}  // namespace

World::World(const std::filesystem::path& directory, std::string_view deviceList,
             SettableOsVersion& os)
    : files(directory),
      devices(files),
      ports(devices),
      hid(devices),
      drivers(ports, os, systemDirectoryFor(directory)) {
  for (const std::string& name : velmar::sim::splitDeviceList(deviceList))
    devices.attach(name);
}

}  // namespace velmar::platform::sim
