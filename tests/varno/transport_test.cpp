#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dorvel/sim_keyboard.h"
#include "varno/varno.h"

namespace {

using velmar::testing::atBytes;
using velmar::testing::eeprom;
using Bytes = std::vector<std::uint8_t>;

Bytes firstFour(const char* device) {
  const auto stored = eeprom(device);
  return Bytes(stored.begin(), stored.begin() + 4);
}

// Each call asks again: Dorvel USB first, then Ilvar USB, then the AT port.
TEST(VarnoTransport, EachCallTakesTheBestKeyboardAttachedNow) {
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  ASSERT_EQ(OpenVarno(), 0);
  ASSERT_EQ(VelmarSimClearTraffic("at-dorvel"), 1);
  GravaBloco512(0, 8, 1, 2, 3, 4);
  EXPECT_EQ(atBytes().size(), 8u);

  ASSERT_EQ(VelmarSimAttach("usb-ilvar"), 1);
  GravaBloco512(0, 0, 5, 6, 7, 8);
  TerminaGravacao();
  EXPECT_EQ(firstFour("usb-ilvar"), (Bytes{5, 6, 7, 8}));

  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  GravaBloco512(0, 0, 9, 10, 11, 12);
  TerminaGravacao();
  EXPECT_EQ(firstFour("usb-dorvel"), (Bytes{9, 10, 11, 12}));
  EXPECT_EQ(firstFour("usb-ilvar"), (Bytes{5, 6, 7, 8}));
  EXPECT_EQ(atBytes().size(), 8u) << "nothing more went to the AT keyboard";
}

class VarnoWriteResult : public ::testing::TestWithParam<const char*> {};

TEST_P(VarnoWriteResult, IsOneAfterAWriteThatReachedTheKeyboard) {
  const std::string device = GetParam();
  if (device != "none") {
    ASSERT_EQ(VelmarSimAttach(device.c_str()), 1);
  }
  OpenVarno();
  GravaBloco512(0, 0, 1, 2, 3, 4);
  TerminaGravacao();
  EXPECT_EQ(ResultadoGravacao(), device == "none" ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Varno, VarnoWriteResult,
                         ::testing::Values("usb-dorvel", "usb-ilvar", "at-dorvel", "none"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::erase(name, '-');
                           return name;
                         });

TEST(VarnoWriteResult, IsZeroBeforeAnyWrite) {
  EXPECT_EQ(ResultadoGravacao(), 0);
}

}  // namespace
