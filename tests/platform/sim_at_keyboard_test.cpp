#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/platform.h"
#include "platform/velmar_sim.h"

namespace velmar::platform {
namespace {

constexpr std::uint16_t kData = 0x60;
constexpr std::uint16_t kStatus = 0x64;

class SimAtKeyboard : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1); }

  std::uint8_t status() { return ports().read(kStatus).value(); }

  // Writes a byte and takes the answer, if one came.
  std::optional<std::uint8_t> exchange(std::uint8_t byte) {
    EXPECT_TRUE(ports().write(kData, byte));
    if ((status() & 0x01) == 0) return std::nullopt;
    return ports().read(kData).value();
  }
};

TEST_F(SimAtKeyboard, AnswersEveryByteAndWritesABlock) {
  for (std::uint8_t byte : {0xE2, 0x00, 0x08, 0x1C, 0x00, 0x00, 0x00, 0xE3, 0xE4}) {
    EXPECT_EQ(exchange(byte), 0xFA);
  }
  EXPECT_EQ(status() & 0x03, 0) << "nothing waits, nothing pending";
  std::array<std::uint8_t, 512> eeprom{};
  ASSERT_EQ(VelmarSimEeprom("at-dorvel", eeprom.data()), 1);
  EXPECT_EQ(eeprom[8], 0x1C);
  std::array<std::uint8_t, 9> traffic{};
  EXPECT_EQ(VelmarSimTraffic("at-dorvel", traffic.data(), 9), 9);
  EXPECT_EQ(traffic[0], 0xE2);
  EXPECT_EQ(traffic[8], 0xE4);
}

TEST_F(SimAtKeyboard, AsksForResendsWhenTold) {
  ASSERT_EQ(VelmarSimAtResend(1), 1);
  EXPECT_EQ(exchange(0xE0), 0xFE);
  EXPECT_EQ(exchange(0xE0), 0xFA);
  std::vector<char> state(512);
  VelmarSimDeviceState("at-dorvel", state.data(), static_cast<int>(state.size()));
  EXPECT_NE(std::string(state.data()).find("beeper=1"), std::string::npos);
}

TEST_F(SimAtKeyboard, StaysSilentWhenTold) {
  ASSERT_EQ(VelmarSimAtSilent(1), 1);
  EXPECT_EQ(exchange(0xE0), std::nullopt);
  ASSERT_EQ(VelmarSimAtSilent(0), 1);
  EXPECT_EQ(exchange(0xE0), 0xFA);
}

TEST_F(SimAtKeyboard, ControllerCanStayBusy) {
  ASSERT_EQ(VelmarSimAtBusy(2), 1);
  EXPECT_EQ(status() & 0x02, 0x02);
  EXPECT_EQ(status() & 0x02, 0x02);
  EXPECT_EQ(status() & 0x02, 0);
}

TEST(SimAtPort, WithoutAKeyboardNothingAnswers) {
  EXPECT_TRUE(ports().write(kData, 0xE4));
  EXPECT_EQ(ports().read(kStatus).value() & 0x01, 0);
  EXPECT_EQ(VelmarSimAttach("at-dorvel"), 1);
  EXPECT_EQ(VelmarSimAttach("at-dorvel"), 0) << "one AT keyboard at most";
}

}  // namespace
}  // namespace velmar::platform
