#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "dorvel/dorvel_32.h"
#include "platform/velmar_messages.h"
#include "sim_keyboard.h"

namespace {

using velmar::testing::meaningful;
using velmar::testing::receivedReports;

struct CardRead {
  unsigned message = 0;
  unsigned long count = 0;
  std::string text;  // fetched inside the listener, while the library still holds its lock
};

class DorvelCapture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
    ASSERT_EQ(OpenDorvel(), 0);
    ASSERT_EQ(VelmarSimKeyboardHooks(), 1);
    listener_ = VelmarAddMessageListener(
        [](unsigned message, unsigned long wparam, long, void* context) {
          auto& reads = *static_cast<std::vector<CardRead>*>(context);
          std::uint8_t buffer[400] = {};
          GetMCRBuf(buffer);
          reads.push_back({message, wparam, reinterpret_cast<const char*>(buffer)});
        },
        &reads_);
    VelmarSimClearTraffic("usb-dorvel");
  }
  void TearDown() override { VelmarRemoveMessageListener(listener_); }

  static std::string cardBuffer() {
    std::uint8_t buffer[400] = {};
    GetMCRBuf(buffer);
    return reinterpret_cast<const char*>(buffer);
  }

  // The echo worker shows characters a moment later: wait for the reports it sends.
  static std::vector<std::vector<std::uint8_t>> echoed(std::size_t expected) {
    std::vector<std::vector<std::uint8_t>> reports;
    for (int wait = 0; wait < 1000 && reports.size() < expected; ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      reports.clear();
      for (const auto& report : receivedReports("usb-dorvel"))
        reports.push_back(meaningful(report));
    }
    return reports;
  }

  std::vector<CardRead> reads_;
  int listener_ = 0;
};

TEST_F(DorvelCapture, ACardReadIsAnnouncedWithItsLengthAndFetchedOnce) {
  SetCard(1);
  ASSERT_EQ(VelmarSimType("[1234]56\r"), 9);
  ASSERT_EQ(reads_.size(), 1u);
  std::uint32_t message = 0;
  GetMCRMsg(&message);
  EXPECT_EQ(reads_[0].message, message);
  EXPECT_EQ(reads_[0].count, 8u);
  EXPECT_EQ(reads_[0].text, "[1234]56");
  EXPECT_EQ(cardBuffer(), "") << "a second fetch finds it empty";
}

TEST_F(DorvelCapture, ShiftPressesInACardAreStoredAsZeroBytes) {
  SetCard(1);
  VelmarSimType("[#]Ab\r");
  ASSERT_EQ(reads_.size(), 1u);
  // '[', Shift, '#', ']', Shift, 'A', 'b': the count tells all the keyboard sent, the text ends
  // at the first Shift.
  EXPECT_EQ(reads_[0].count, 7u);
  EXPECT_EQ(reads_[0].text, "[");
}

TEST_F(DorvelCapture, ShiftedCharactersOfTheOperatorKey) {
  SetOpKey(1);
  const std::pair<const char*, std::uint8_t> cases[] = {
      {"!#", '#'}, {"!%", '%'}, {"!^", 0xA8}, {"!A", 'A'}, {"!a", 'a'}, {"!0", '0'}, {"!)", '0'}};
  for (const auto& [typed, key] : cases) {
    VelmarSimType(typed);
    std::uint8_t read = 0;
    ReadOpKey(&read);
    EXPECT_EQ(read, key) << typed;
  }
}

TEST_F(DorvelCapture, WithoutCardModeABracketIsAnOrdinaryCharacter) {
  SetEcho(1, 0);
  VelmarSimType("[");
  EXPECT_TRUE(reads_.empty());
  EXPECT_EQ(echoed(1), (std::vector<std::vector<std::uint8_t>>{{0x18, 1, '['}}));
}

TEST_F(DorvelCapture, OperatorKeyIgnoresTheShiftBetween) {
  SetOpKey(1);
  VelmarSimTraffic("usb-dorvel", nullptr, 0);
  VelmarSimType("!a");
  std::uint8_t key = 0;
  ReadOpKey(&key);
  EXPECT_EQ(key, 'a');
}

TEST_F(DorvelCapture, MaskedEchoShowsStarsBackspaceAndNothingForEnter) {
  SetEcho(1, 1);
  VelmarSimType("12\b\r");
  EXPECT_EQ(echoed(3),
            (std::vector<std::vector<std::uint8_t>>{{0x18, 1, '*'}, {0x18, 1, '*'}, {0x11, 0}}));
}

TEST_F(DorvelCapture, ACardLongerThanItsBufferStaysTerminated) {
  SetCard(1);
  VelmarSimType(("[" + std::string(500, '7') + "]\r").c_str());
  ASSERT_EQ(reads_.size(), 1u);
  EXPECT_EQ(reads_[0].count, 399u);
  EXPECT_EQ(reads_[0].text, "[" + std::string(398, '7'));
}

TEST_F(DorvelCapture, NothingIsCapturedOnceClosed) {
  SetCard(1);
  CloseDorvel();
  EXPECT_EQ(VelmarSimKeyboardHooks(), 0);
  VelmarSimType("[1]\r");
  EXPECT_TRUE(reads_.empty());
}

TEST(DorvelCapture9x, ReleasesStoreTheCharacters) {
  ASSERT_EQ(VelmarSimSetPlatform("9x"), 1);
  ASSERT_EQ(OpenDorvel(), 0);
  SetCard(1);
  unsigned long count = 0;
  const int listener = VelmarAddMessageListener(
      [](unsigned, unsigned long wparam, long, void* context) {
        *static_cast<unsigned long*>(context) = wparam;
      },
      &count);
  VelmarSimType("[12]\r");
  EXPECT_EQ(count, 4u) << "the classic hook sees a release as its key event";
  VelmarRemoveMessageListener(listener);
}

}  // namespace
