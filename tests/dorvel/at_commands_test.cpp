#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <vector>

#include "dorvel/dorvel_32.h"
#include "sim_keyboard.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using velmar::testing::atBytes;

// A keyboard on the AT port, reached through the port driver service that OpenDorvel starts.
class DorvelAtPort : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
    ASSERT_EQ(OpenDorvel(), 0);
    ASSERT_EQ(IsDorvelUsbOn(), 0);
    ASSERT_EQ(VelmarSimServiceRunning(), 1);
    VelmarSimClearTraffic("at-dorvel");
  }
};

struct AtCase {
  const char* name;
  std::function<void()> command;
  Bytes wire;
  friend void PrintTo(const AtCase& c, std::ostream* os) { *os << c.name; }
};

class DorvelAtCommands : public DorvelAtPort, public ::testing::WithParamInterface<AtCase> {};

TEST_P(DorvelAtCommands, SendTheirBytesInTheirFraming) {
  GetParam().command();
  EXPECT_EQ(atBytes(), GetParam().wire);
}

const std::int32_t kRows[8] = {0x1F, 0x20 | 0x11, 0, 0, 0, 0, 0, 0x0A};

INSTANTIATE_TEST_SUITE_P(
    Commands, DorvelAtCommands,
    ::testing::Values(AtCase{"BeepOn", [] { BeepOn(1); }, {0xE0}},
                      AtCase{"BeepOff", [] { BeepOn(0); }, {0xE1}},
                      AtCase{"KeyClick", [] { BeepKeyOn(7); }, {0xE5}},
                      AtCase{"OperatorKey", [] { SetOpKey(1); }, {0xEB}},
                      AtCase{"CardOff", [] { SetCard(0); }, {0xDF}},
                      AtCase{"Cursor", [] { ModoCursor(3); }, {0xDB, 0x0F}},
                      AtCase{"UnknownCursorMode", [] { ModoCursor(4); }, {}},
                      AtCase{"UserCharacter",
                             [] { ProgSpecialChar(2, kRows); },
                             {0xDD, 2, 0x1F, 0x11, 0, 0, 0, 0, 0, 0x0A}},
                      AtCase{"Text", [] { DispStr("Ab"); }, {0xE7, 'A', 'b', 0xE8}},
                      AtCase{"Character", [] { DispCh('x'); }, {0xE7, 'x', 0xE8}},
                      AtCase{"GoToCountsFromOne", [] { GoToXY(1, 1); }, {0xE7, 0x09, 1, 1, 0xE8}},
                      AtCase{"GoToRowThenColumn", [] { GoToXY(5, 2); }, {0xE7, 0x09, 2, 5, 0xE8}},
                      AtCase{"BackSpace", [] { BackSpace(); }, {0xE7, 0x08, 0xE8}},
                      AtCase{"LineFeed", [] { LineFeed(); }, {0xE7, 0x0A, 0xE8}},
                      AtCase{"CarriageReturn", [] { CarRet(); }, {0xE7, 0x0D, 0xE8}},
                      AtCase{"FormFeed", [] { FormFeed(); }, {0xE7, 0x0C, 0xE8}},
                      AtCase{"CapsModeUpperCasesText",
                             [] {
                               SetCapsL(1);
                               DispStr("ab1");
                               DispCh('c');
                             },
                             {0xE7, 'A', 'B', '1', 0xE8, 0xE7, 'C', 0xE8}},
                      AtCase{"DisplayEnabledTwiceEntersOnce",
                             [] {
                               HabilitaLCD(1);
                               HabilitaLCD(1);
                             },
                             {0xE7}},
                      AtCase{"CommandsLeaveDisplayModeAroundThem",
                             [] {
                               HabilitaLCD(1);
                               BeepOn(1);
                               ModoCursor(4);
                               DispStr("a");
                               SetDisp(0);
                             },
                             {0xE7, 0xE8, 0xE0, 0xE7, 0xE8, 0xE7, 'a', 0xE8}},
                      AtCase{"UsbOnlyCommandsSendNothing",
                             [] {
                               EXPECT_EQ(LcdClearLine(1), 0);
                               EXPECT_EQ(LcdSetBright(3), 0);
                               EXPECT_EQ(LcdBrightMode(), 0);
                               EXPECT_EQ(LCDInstruction(1), 0);
                               EXPECT_EQ(KeyboardOnOff(1), 0);
                               EXPECT_EQ(AutoRepeatOnOff(1), 0);
                               EXPECT_EQ(ShowFirmCheckSum(1), 0);
                               EXPECT_EQ(CardTrackOnOff(1, 1), 0);
                               EXPECT_EQ(DorvelSetup(1, 1, 1, 1, 1, 1, 1, 1, 1, 1), 0);
                               EXPECT_EQ(DorvelSetupBright(1), 0);
                               EXPECT_EQ(DorvelSetupType(1), 0);
                               EXPECT_EQ(SetupInitStr("x"), 0);
                               const std::uint8_t report[2] = {0, 0x0B};
                               EXPECT_EQ(RawSendReport(2, report), 0);
                             },
                             {}}),
    [](const auto& info) { return info.param.name; });

TEST_F(DorvelAtPort, LongTextGoesOutWhole) {
  const std::string text(50, 'z');
  EXPECT_EQ(DispStr(text.c_str()), 0);
  Bytes expected{0xE7};
  expected.insert(expected.end(), 50, 'z');
  expected.push_back(0xE8);
  EXPECT_EQ(atBytes(), expected);
}

TEST_F(DorvelAtPort, TxKbdReturnsTheAnswerAndSendsOneCopyOnResend) {
  EXPECT_EQ(TxKbd(0x1E0), 0xFA) << "the low byte goes out";
  ASSERT_EQ(VelmarSimAtResend(1), 1);
  EXPECT_EQ(TxKbd(0xE5), 0xFE);
  EXPECT_EQ(atBytes(), (Bytes{0xE0, 0xE5, 0xE5}));
}

TEST_F(DorvelAtPort, ACommandByteAskedAgainIsSentAgain) {
  ASSERT_EQ(VelmarSimAtResend(1), 1);
  BeepOn(1);
  EXPECT_EQ(atBytes(), (Bytes{0xE0, 0xE0}));
}

TEST_F(DorvelAtPort, ASilentKeyboardDoesNotHoldTheCommandsUp) {
  ASSERT_EQ(VelmarSimAtSilent(1), 1);
  BeepOn(1);
  EXPECT_EQ(TxKbd(0xE0), 0) << "the data port repeats what it held";
  EXPECT_EQ(atBytes(), (Bytes{0xE0, 0xE0}));
}

TEST_F(DorvelAtPort, ResetSendsItsByteAndCloseStopsTheService) {
  Reset();
  EXPECT_EQ(atBytes(), (Bytes{0xFF}));
  CloseDorvel();
  EXPECT_EQ(VelmarSimServiceRunning(), 0);
  BeepOn(1);
  EXPECT_EQ(atBytes(), (Bytes{0xFF})) << "nothing goes out once closed";
}

TEST_F(DorvelAtPort, LockKeysFollowAndCapsLockUpperCases) {
  HabilitaLCD(1);
  VelmarSimClearTraffic("at-dorvel");
  SetNumL(1);
  EXPECT_EQ(VelmarSimLockKeys(), 1);
  SetNumL(0);
  SetCapsL(1);
  EXPECT_EQ(VelmarSimLockKeys(), 2);
  SetPIN(1);
  EXPECT_EQ(VelmarSimLockKeys() & 4, 4);
  EXPECT_EQ(atBytes(), (Bytes{0xE8, 0xE7, 0xE8, 0xE7, 0xE8, 0xE7, 0xE8, 0xE7}))
      << "each lock-key command leaves display-data mode around it";
}

TEST(DorvelAtDriver, WithoutDriverTxKbdSendsNothing) {
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  EXPECT_EQ(TxKbd(0xE0), 0) << "never opened";
  ASSERT_EQ(VelmarSimSetService("absent"), 1);
  ASSERT_EQ(OpenDorvel(), 0);  // no kbdorvel.sys in the current directory
  EXPECT_EQ(TxKbd(0xE0), -1) << "opening the driver failed";
  BeepOn(1);
  EXPECT_EQ(VelmarSimTraffic("at-dorvel", nullptr, 0), 0);
}

TEST(DorvelAtDriver, InstallsTheDriverFromTheCurrentDirectory) {
  const auto directory =
      std::filesystem::temp_directory_path() / ("velmar-driver-" + std::to_string(getpid()));
  std::filesystem::create_directories(directory);
  std::filesystem::current_path(directory);
  std::ofstream("kbdorvel.sys") << "driver";
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  ASSERT_EQ(VelmarSimSetService("absent"), 1);
  ASSERT_EQ(OpenDorvel(), 0);
  EXPECT_EQ(TxKbd(0xE0), 0xFA);
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  std::filesystem::remove_all(directory);
  // Where the simulated system keeps the installed driver.
  std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                              ("velmar-sim-" + std::to_string(getpid())));
}

TEST(DorvelAt9x, FirstResetAfterOpenDoesNothing) {
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  ASSERT_EQ(VelmarSimSetPlatform("9x"), 1);
  ASSERT_EQ(OpenDorvel(), 0);
  EXPECT_EQ(VelmarSimServiceRunning(), 0) << "9x has no service";
  VelmarSimClearTraffic("at-dorvel");
  Reset();
  EXPECT_TRUE(atBytes().empty());
  BeepOn(1);
  EXPECT_EQ(atBytes(), (Bytes{0xE0})) << "the 9x driver carries the bytes";
}

}  // namespace
