#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "dorvel/dorvel_32.h"
#include "sim_keyboard.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using velmar::testing::meaningful;
using velmar::testing::receivedReports;

class DorvelUsb : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
    ASSERT_EQ(IsDorvelUsbOn(), 1);
  }
  // Command, length and data of each report received.
  static std::vector<Bytes> received() {
    std::vector<Bytes> reports;
    for (const auto& report : receivedReports("usb-dorvel"))
      reports.push_back(meaningful(report));
    return reports;
  }
};

struct UsbCase {
  const char* name;
  std::function<std::int32_t()> command;  // returns the export's result, 1 when it has none
  std::int32_t result;
  std::vector<Bytes> reports;
  friend void PrintTo(const UsbCase& c, std::ostream* os) { *os << c.name; }
};

class DorvelUsbCommands : public DorvelUsb, public ::testing::WithParamInterface<UsbCase> {};

TEST_P(DorvelUsbCommands, SendTheirReport) {
  EXPECT_EQ(GetParam().command(), GetParam().result);
  EXPECT_EQ(received(), GetParam().reports);
}

template <typename F>
std::function<std::int32_t()> none(F f) {
  return [f] {
    f();
    return 1;
  };
}

const std::uint8_t kPattern[8] = {0xFF, 0x11, 0, 0, 0, 0, 0, 0x0A};
const std::uint8_t kRaw[4] = {0, 0x0B, 1, 1};

INSTANTIATE_TEST_SUITE_P(
    Commands, DorvelUsbCommands,
    ::testing::Values(
        UsbCase{"Text", [] { return DispStr("Ab"); }, 1, {{0x19, 2, 'A', 'b'}}},
        UsbCase{"TwentyCharactersInOnePiece",
                [] { return DispStr(std::string(20, 'q').c_str()); },
                1,
                {[] {
                  Bytes piece{0x19, 20};
                  piece.insert(piece.end(), 20, 'q');
                  return piece;
                }()}},
        UsbCase{"Character", none([] { DispCh('x'); }), 1, {{0x18, 1, 'x'}}},
        UsbCase{"GoToIsZeroBasedRowFirst", none([] { GoToXY(1, 1); }), 1, {{0x17, 2, 0, 0}}},
        UsbCase{"GoToColumnFiveRowTwo", none([] { GoToXY(5, 2); }), 1, {{0x17, 2, 1, 4}}},
        UsbCase{"DisplayActions",
                none([] {
                  BackSpace();
                  LineFeed();
                  CarRet();
                  FormFeed();
                }),
                1,
                {{0x11, 0}, {0x12, 0}, {0x13, 0}, {0x14, 0}}},
        UsbCase{"ClearLineTwo", [] { return LcdClearLine(2); }, 1, {{0x16, 0}}},
        UsbCase{"ClearLineThreeIsRefused", [] { return LcdClearLine(3); }, 0, {}},
        UsbCase{"Brightness", [] { return LcdSetBright(15); }, 1, {{0x1C, 1, 15}}},
        UsbCase{"BrightnessSixteenIsRefused", [] { return LcdSetBright(16); }, 0, {}},
        UsbCase{"BrightMode", [] { return LcdBrightMode(); }, 1, {{0x07, 0}}},
        UsbCase{"Instruction", [] { return LCDInstruction(0x101); }, 1, {{0x1A, 1, 0x01}}},
        UsbCase{"Cursor", none([] { ModoCursor(2); }), 1, {{0x1F, 2, 1, 0}}},
        UsbCase{"CursorModeFourSendsNothing", none([] { ModoCursor(4); }), 1, {}},
        UsbCase{"UserCharacter", [] { return ProgSpecialChar(7, kPattern); }, 1,
                {{0x1B, 9, 7, 0x1F, 0x11, 0, 0, 0, 0, 0, 0x0A}}},
        UsbCase{"UserCharacterEightIsRefused", [] { return ProgSpecialChar(8, kPattern); }, 0, {}},
        UsbCase{"Switches",
                none([] {
                  HabilitaLCD(1);
                  SetDisp(0);
                  BeepOn(2);
                  BeepKeyOn(0);
                  SetOpKey(1);
                  SetCard(1);
                }),
                1,
                {{0x1D, 1, 1}, {0x30, 1, 0}, {0x0B, 1, 1}, {0x02, 1, 0}, {0x09, 1, 1}, {0x20, 1, 1}}},
        UsbCase{"KeyboardOff", [] { return KeyboardOnOff(0); }, 1, {{0x01, 1, 0}}},
        UsbCase{"AutoRepeat", [] { return AutoRepeatOnOff(9); }, 1, {{0x0A, 1, 1}}},
        UsbCase{"Checksum", [] { return ShowFirmCheckSum(1); }, 1, {{0x05, 1, 1}}},
        UsbCase{"TrackThree", [] { return CardTrackOnOff(1, 3); }, 1, {{0x23, 1, 1}}},
        UsbCase{"TrackFourIsRefused", [] { return CardTrackOnOff(1, 4); }, 0, {}},
        UsbCase{"SetupValueOrder",
                [] { return DorvelSetup(1, 0, 1, 1, 1, 5, 0, 1, 0, -1); },
                1,
                {{0x08, 16, 1, 1, 1, 1, 0, 3, 0, 1, 0, 3, 0, 0, 0, 0, 0, 0}}},
        UsbCase{"SetupBrightness", [] { return DorvelSetupBright(9); }, 1,
                {{0x08, 16, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 0, 0, 1, 9, 0, 0}}},
        UsbCase{"SetupBrightnessSixteenIsRefused", [] { return DorvelSetupBright(16); }, 0, {}},
        UsbCase{"SetupType", [] { return DorvelSetupType(255); }, 1,
                {{0x08, 16, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 255, 0, 0, 0, 0}}},
        UsbCase{"SetupType256IsRefused", [] { return DorvelSetupType(256); }, 0, {}},
        UsbCase{"EmptyInitialString", [] { return SetupInitStr(""); }, 1,
                {{0x0D, 1, 1}, {0x0E, 0}, {0x0D, 1, 0}}},
        UsbCase{"RawReport", [] { return RawSendReport(4, kRaw); }, 1, {{0x0B, 1, 1}}},
        UsbCase{"RawReportOfNoBytesIsRefused", [] { return RawSendReport(0, kRaw); }, 0, {}},
        UsbCase{"RawReportOf65IsRefused", [] { return RawSendReport(65, kRaw); }, 0, {}},
        UsbCase{"TxKbdShowsTheByte", [] { return TxKbd(0x141); }, 1, {{0x18, 1, 0x41}}},
        UsbCase{"NullPointersDoNothing",
                [] {
                  GetMCRBuf(nullptr);
                  GetMCRMsg(nullptr);
                  ReadOpKey(nullptr);
                  return DispStr(nullptr) + SetupInitStr(nullptr) + ProgSpecialChar(0, nullptr) +
                         RawSendReport(1, nullptr);
                },
                0,
                {}}),
    [](const auto& info) { return info.param.name; });

TEST_F(DorvelUsb, LongTextGoesInPiecesOfTwentyUpTo47) {
  const std::string text = std::string(20, 'a') + std::string(20, 'b') + std::string(10, 'c');
  EXPECT_EQ(DispStr(text.c_str()), 1);
  const auto reports = received();
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0], (Bytes{0x19, 20,  'a', 'a', 'a', 'a', 'a', 'a', 'a', 'a', 'a',
                               'a',  'a', 'a', 'a', 'a', 'a', 'a', 'a', 'a', 'a', 'a'}));
  EXPECT_EQ(reports[1][2], 'b');
  EXPECT_EQ(reports[2], (Bytes{0x19, 7, 'c', 'c', 'c', 'c', 'c', 'c', 'c'}));
  EXPECT_EQ(receivedReports("usb-dorvel")[2][3 + 7], 0) << "a 0 byte after the final piece";
}

TEST_F(DorvelUsb, InitialStringOf45GoesInTwoPiecesOf20) {
  const std::string text(45, 'i');
  EXPECT_EQ(SetupInitStr(text.c_str()), 1);
  const auto reports = received();
  ASSERT_EQ(reports.size(), 4u);
  EXPECT_EQ(reports[1][1], 20);
  EXPECT_EQ(reports[2][1], 20);
  EXPECT_EQ(reports[3], (Bytes{0x0D, 1, 0}));
  char state[2048];
  VelmarSimDeviceState("usb-dorvel", state, sizeof state);
  EXPECT_NE(std::string(state).find("init_string=" + std::string(40, 'i') + "\n"),
            std::string::npos);
}

TEST_F(DorvelUsb, ACommandThatCannotBeWrittenReturnsZeroAndDropsTheLink) {
  ASSERT_EQ(VelmarSimFailWrites("usb-dorvel", 2), 1);  // the write and its one retry
  EXPECT_EQ(LcdSetBright(1), 0);
  EXPECT_EQ(ShowFirmCheckSum(1), 1) << "found again at the next command";
}

TEST_F(DorvelUsb, ResetSendsFiveAndLetsTheKeyboardRestart) {
  Reset();
  EXPECT_EQ(received(), (std::vector<Bytes>{{0x0C, 1, '5'}}));
  EXPECT_EQ(IsDorvelUsbOn(), 1) << "back on the bus after its restart";
}

}  // namespace
