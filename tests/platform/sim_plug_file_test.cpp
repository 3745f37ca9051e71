#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/velmar_sim.h"
#include "tests/platform/native_temp_dir.h"

namespace velmar::platform {
namespace {

// Each test is a process of its own, so the simulated machine it loads reads this directory.
class SimPlugFile : public ::testing::Test {
 protected:
  void SetUp() override { setenv("VELMAR_SIM_DIR", directory_.path().c_str(), 1); }

  void append(std::string_view text) const {
    std::ofstream(directory_.path() / "plug.txt", std::ios::binary | std::ios::app) << text;
  }

  void rewrite(std::string_view text) const { directory_.write("plug.txt", text); }

  static std::vector<std::string> listed() {
    std::vector<std::string> paths;
    for (const HidDeviceInfo& info : hidBus().enumerate())
      paths.push_back(info.path);
    return paths;
  }

  using Paths = std::vector<std::string>;

 private:
  native::fixtures::TempDir directory_;
};

TEST_F(SimPlugFile, AppendedLinesPlugKeyboardsInAndOutAtTheNextListing) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_EQ(listed(), Paths{"sim:usb-dorvel"}) << "no file: no commands";

  append("attach usb-ilvar\n");
  const auto devices = hidBus().enumerate();
  ASSERT_EQ(devices.size(), 2u);
  EXPECT_EQ(devices[1].path, "sim:usb-ilvar");
  EXPECT_EQ(devices[1].attributes.vendorId, 0x1753);
  EXPECT_EQ(devices[1].attributes.productId, 0x0301);
  EXPECT_NE(hidBus().open(devices[1].path), nullptr);

  append("detach usb-dorvel\nattach usb-dorvel:abcd:0001\n");
  EXPECT_EQ(listed(), (Paths{"sim:usb-ilvar", "sim:usb-dorvel:abcd:0001"}));
}

TEST_F(SimPlugFile, LinesAlreadyThereAtStartRunAtTheFirstListingAtKeyboardsToo) {
  rewrite("attach usb-ilvar\nattach at-dorvel\ndetach usb-ilvar\nattach usb-dorvel\n");
  EXPECT_EQ(VelmarSimDeviceState("at-dorvel", nullptr, 0), 0) << "nothing runs before a listing";
  EXPECT_EQ(listed(), Paths{"sim:usb-dorvel"});
  EXPECT_GT(VelmarSimDeviceState("at-dorvel", nullptr, 0), 0);
}

TEST_F(SimPlugFile, APartialLineWaitsForItsEndAndThenRunsOnce) {
  append("attach usb-il");
  EXPECT_EQ(listed(), Paths{});
  EXPECT_EQ(listed(), Paths{});
  append("var");
  EXPECT_EQ(listed(), Paths{});
  append("\ndetach usb-");
  EXPECT_EQ(listed(), Paths{"sim:usb-ilvar"});
  append("ilvar\n");
  EXPECT_EQ(listed(), Paths{});
}

TEST_F(SimPlugFile, EachLineRunsOnlyOnce) {
  append("attach usb-ilvar\n");
  EXPECT_EQ(listed(), Paths{"sim:usb-ilvar"});
  ASSERT_EQ(VelmarSimDetach("usb-ilvar"), 1);
  EXPECT_EQ(listed(), Paths{});
  EXPECT_EQ(listed(), Paths{});

  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  append("detach usb-dorvel\n");
  EXPECT_EQ(listed(), Paths{});
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_EQ(listed(), Paths{"sim:usb-dorvel"});
}

TEST_F(SimPlugFile, LinesThatMeanNothingAreSkipped) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  for (std::string_view line :
       {"", "   ", "\r", "plug usb-ilvar", "attach", "detach", "ATTACH usb-ilvar",
        "attach usb-nothing", "attach usb-dorvel:zz:1", "detach usb-ilvar", "detach sim:usb-dorvel",
        "\x01\xff\xfe binary"}) {
    append(std::string(line) + "\n");
  }
  append("  attach   usb-ilvar  \r\n");
  EXPECT_EQ(listed(), (Paths{"sim:usb-dorvel", "sim:usb-ilvar"}));
}

TEST_F(SimPlugFile, AFileWrittenAnewShorterIsReadFromItsStart) {
  append("attach usb-dorvel\nattach usb-ilvar\n");
  EXPECT_EQ(listed(), (Paths{"sim:usb-dorvel", "sim:usb-ilvar"}));
  rewrite("detach usb-ilvar\n");
  EXPECT_EQ(listed(), Paths{"sim:usb-dorvel"});
}

// Listings from several threads while lines arrive: each line runs once, in file order.
TEST_F(SimPlugFile, ListingsFromManyThreadsRunEachLineOnceInOrder) {
  constexpr int kKeyboards = 100;
  auto name = [](int i) {
    char text[32];
    std::snprintf(text, sizeof text, "usb-dorvel:abcd:%04x", i);
    return std::string(text);
  };
  std::vector<std::thread> threads;
  threads.emplace_back([&] {
    // Each keyboard is unplugged right after the next one comes: a line run twice, or late,
    // leaves one behind.
    for (int i = 1; i <= kKeyboards; ++i) {
      append("attach " + name(i) + "\n");
      append("detach " + name(i - 1) + "\n");
    }
  });
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([] {
      for (int i = 0; i < 200; ++i)
        hidBus().enumerate();
    });
  }
  for (auto& thread : threads)
    thread.join();
  EXPECT_EQ(listed(), Paths{"sim:" + name(kKeyboards)});
}

}  // namespace
}  // namespace velmar::platform
