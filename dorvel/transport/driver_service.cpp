#include "dorvel/transport/driver_service.h"

#include <filesystem>
#include <fstream>

#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

using platform::ServiceManagerAccess;

enum class Control { Start, Stop };

int controlService(Control control) {
  auto act = [control](platform::Service& service) {
    return control == Control::Start ? service.start() : service.stop();
  };
  platform::ServiceManagerOpen full =
      platform::drivers().openServiceManager(ServiceManagerAccess::Full);
  if (full.manager) {
    auto service = full.manager->openService(platform::kDriverService);
    if (!service) return 1;
    return act(*service) ? 0 : 3;
  }
  if (!full.accessDenied) return 1;
  platform::ServiceManagerOpen reduced =
      platform::drivers().openServiceManager(ServiceManagerAccess::ReadOnly);
  if (!reduced.manager) return 1;
  auto service = reduced.manager->openService(platform::kDriverService);
  if (!service) return 1;
  return act(*service) ? 1 : 4;
}

}  // namespace

int StartDriverService() {
  return controlService(Control::Start);
}

int StopDriverService() {
  return controlService(Control::Stop);
}

int InstallDriverService() {
  std::error_code error;
  const std::filesystem::path source = std::filesystem::current_path(error) / "kbdorvel.sys";
  if (error || !std::ifstream(source, std::ios::binary)) return -1;
  const std::filesystem::path target =
      std::filesystem::path(platform::drivers().systemDirectory()) / "Drivers" / "kbdorvel.sys";
  std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing,
                             error);
  if (error) return -2;
  platform::ServiceManagerOpen full =
      platform::drivers().openServiceManager(ServiceManagerAccess::Full);
  if (!full.manager) return full.accessDenied ? 5 : 0;
  full.manager->createService(platform::kDriverService, "kbdorvel",
                              "System32\\Drivers\\kbdorvel.sys");
  return 0;
}

}  // namespace velmar::dorvel
