// Every test runs on the simulated platform, with no keyboard attached unless it plugs one in,
// however it is started: no test may reach this machine's ports or input devices.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
  // The libraries choose the platform while they load, before main: a process started without
  // the simulated platform starts itself again with it.
  const char* platform = std::getenv("VELMAR_PLATFORM");
  if (!platform || std::string_view(platform) != "sim") {
    setenv("VELMAR_PLATFORM", "sim", 1);
    setenv("VELMAR_SIM_DEVICES", "none", 1);
    unsetenv("VELMAR_SIM_DIR");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    execv("/proc/self/exe", argv);
    std::perror("cannot restart the test on the simulated platform");
    return 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
