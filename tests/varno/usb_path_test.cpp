#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "sim_texts.h"
#include "tests/dorvel/sim_keyboard.h"
#include "varno/varno.h"

namespace {

using velmar::testing::eeprom;
using velmar::testing::injectedKeys;
using Image = std::array<std::uint8_t, 512>;

// What the Dorvel keyboard holds after the write ends: the image, whose byte 511 the device
// library always programs as 0.
Image programmed() {
  EXPECT_EQ(TerminaGravacao(), 0);
  EXPECT_EQ(ResultadoGravacao(), 1);
  return eeprom("usb-dorvel");
}

class VarnoUsbPath : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1); }
};

struct OffsetCase {
  const char* name;
  std::function<std::int32_t()> call;
  int offset;  // where the codes 0x11, 0x22, 0x33, 0x44 land; -1 for nowhere
};

void PrintTo(const OffsetCase& c, std::ostream* out) {
  *out << c.name;
}

class VarnoImageOffset : public VarnoUsbPath, public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(VarnoImageOffset, CodesLandAtTheBlocksOffset) {
  EXPECT_EQ(GetParam().call(), 0);
  Image expected{};
  const std::array<std::uint8_t, 4> codes{0x11, 0x22, 0x33, 0x44};
  for (int i = 0; i < 4 && GetParam().offset >= 0; ++i) {
    if (GetParam().offset + i < 511) expected[GetParam().offset + i] = codes[i];
  }
  EXPECT_EQ(programmed(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Varno, VarnoImageOffset,
    ::testing::Values(
        OffsetCase{"Page0", [] { return GravaBloco512(0, 8, 0x111, 0x22, 0x33, 0x44); }, 8},
        OffsetCase{"Page1LowAddress", [] { return GravaBloco512(1, 1, 0x11, 0x22, 0x33, 0x44); },
                   257},
        OffsetCase{"Page1FullAddress", [] { return GravaBloco512(1, 257, 0x11, 0x22, 0x33, 0x44); },
                   257},
        OffsetCase{"PageLowByteOnly",
                   [] { return GravaBloco512(0x101, 2, 0x11, 0x22, 0x33, 0x44); }, 258},
        OffsetCase{"Short", [] { return GravaBloco256(200, 0x11, 0x22, 0x33, 0x44); }, 200},
        OffsetCase{"LastBytesDropped", [] { return GravaBloco512(1, 254, 0x11, 0x22, 0x33, 0x44); },
                   510},
        OffsetCase{"BeyondTheImage", [] { return GravaBloco256(600, 0x11, 0x22, 0x33, 0x44); }, -1},
        OffsetCase{"NegativeAddress", [] { return GravaBloco512(0, -4, 0x11, 0x22, 0x33, 0x44); },
                   -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VarnoUsbPath, OverlappingSingleCodeBlocksKeepEachCode) {
  GravaBloco512(0, 1, 7, 0, 0, 0);
  GravaBloco512(0, 2, 8, 0, 0, 0);
  GravaBloco512(0, 3, 9, 0, 0, 0);
  const Image image = programmed();
  EXPECT_EQ(std::vector(image.begin(), image.begin() + 8),
            (std::vector<std::uint8_t>{0, 7, 8, 9, 0, 0, 0, 0}));
}

TEST_F(VarnoUsbPath, EveryBlockIsMarkedByOneKeyDown) {
  GravaBloco512(0, 4, 1, 2, 3, 4);
  GravaBloco256(8, 1, 2, 3, 4);
  EXPECT_EQ(injectedKeys(), "59 15 0\n59 15 0\n");
}

TEST_F(VarnoUsbPath, ProgrammingAgainAfterAFailureReportsEachOutcome) {
  GravaBloco512(0, 0, 1, 2, 3, 4);
  programmed();
  ASSERT_EQ(VelmarSimFailWrites("usb-dorvel", 1000), 1);
  EXPECT_EQ(TerminaGravacao(), 0);
  EXPECT_EQ(ResultadoGravacao(), 0);
}

// The block at offset 0 (either form) starts a write: it clears bytes 0-199 only.
TEST_F(VarnoUsbPath, TheBlockAtOffsetZeroClearsTheFirst200Bytes) {
  const std::vector<std::function<void()>> firstBlocks = {[] { GravaBloco512(0, 0, 1, 2, 3, 4); },
                                                          [] { GravaBloco256(0, 1, 2, 3, 4); }};
  for (const auto& firstBlock : firstBlocks) {
    GravaBloco512(0, 196, 5, 5, 5, 5);
    GravaBloco512(0, 200, 6, 6, 6, 6);
    GravaBloco512(1, 300, 7, 7, 7, 7);
    programmed();
    firstBlock();
    const Image image = programmed();
    EXPECT_EQ(std::vector(image.begin(), image.begin() + 4),
              (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(image[196], 0);
    EXPECT_EQ(image[199], 0);
    EXPECT_EQ(image[200], 6);
    EXPECT_EQ(image[303], 7);
  }
}

TEST_F(VarnoUsbPath, OpenVarnoClearsTheFirst200Bytes) {
  GravaBloco512(0, 100, 5, 5, 5, 5);
  GravaBloco512(0, 252, 6, 6, 6, 6);
  ASSERT_EQ(OpenVarno(), 0);
  const Image image = programmed();
  EXPECT_EQ(image[100], 0);
  EXPECT_EQ(image[255], 6);
}

TEST(VarnoIlvarPath, BlocksAreProgrammedIntoTheIlvarKeyboard) {
  ASSERT_EQ(VelmarSimAttach("usb-ilvar"), 1);
  EXPECT_EQ(GravaBloco512(0, 0, 1, 2, 3, 4), 0);
  EXPECT_EQ(GravaBloco512(1, 252, 5, 6, 7, 8), 0);
  EXPECT_EQ(TerminaGravacao(), 0);
  EXPECT_EQ(ResultadoGravacao(), 1);
  const Image stored = eeprom("usb-ilvar");
  EXPECT_EQ(stored[3], 4);
  EXPECT_EQ(stored[508], 5);
  EXPECT_EQ(stored[510], 7);
  EXPECT_EQ(stored[511], 0) << "511 bytes are programmed";
}

}  // namespace
