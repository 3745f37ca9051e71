#include <gtest/gtest.h>

#include <vector>

#include "outside/inpout32/inpout32.h"
#include "tests/dorvel/sim_keyboard.h"

namespace {

TEST(Inpout32, ReachesTheKeyboardControllerByteByByte) {
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  EXPECT_EQ(Inp32(0x64) & 0x01, 0) << "nothing to read yet";
  Out32(0x60, 0x1E4);  // only the low byte is a port's
  EXPECT_EQ(velmar::testing::atBytes(), std::vector<std::uint8_t>{0xE4});
  EXPECT_EQ(Inp32(0x64) & 0x01, 0x01);
  EXPECT_EQ(Inp32(0x60), 0xFA);
  EXPECT_EQ(Inp32(0x64) & 0x01, 0);
}

}  // namespace
