#include "sim/key_typing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velmar::sim {
namespace {

struct Key {
  std::uint8_t virtualKey;
  std::uint8_t scanCode;
  bool down;

  bool operator==(const Key&) const = default;
};

void PrintTo(const Key& key, std::ostream* out) {
  *out << std::hex << int{key.virtualKey} << '/' << int{key.scanCode}
       << (key.down ? " down" : " up");
}

std::vector<Key> keys(const TypedKeys& typed) {
  std::vector<Key> result;
  for (const platform::KeyEvent& event : typed.events) {
    EXPECT_FALSE(event.injected);
    EXPECT_FALSE(event.systemKey);
    result.push_back({event.virtualKey, event.scanCode, event.down});
  }
  return result;
}

constexpr Key kShiftDown{0xA0, 0x2A, true};
constexpr Key kShiftUp{0xA0, 0x2A, false};

struct TypingCase {
  std::string text;
  std::vector<Key> keys;
};

void PrintTo(const TypingCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(c.text);
}

class KeyTypingTest : public ::testing::TestWithParam<TypingCase> {};

TEST_P(KeyTypingTest, PressesAndReleasesEachKeyWithShiftAround) {
  const TypedKeys typed = keyEventsFor(GetParam().text);
  EXPECT_EQ(keys(typed), GetParam().keys);
  EXPECT_EQ(typed.charactersTyped, GetParam().text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Sim, KeyTypingTest,
    ::testing::Values(
        TypingCase{"", {}}, TypingCase{"a", {{'A', 0x1E, true}, {'A', 0x1E, false}}},
        TypingCase{"A", {kShiftDown, {'A', 0x1E, true}, {'A', 0x1E, false}, kShiftUp}},
        TypingCase{"1!",
                   {{'1', 0x02, true},
                    {'1', 0x02, false},
                    kShiftDown,
                    {'1', 0x02, true},
                    {'1', 0x02, false},
                    kShiftUp}},
        TypingCase{
            "\r\n",
            {{0x0D, 0x1C, true}, {0x0D, 0x1C, false}, {0x0D, 0x1C, true}, {0x0D, 0x1C, false}}},
        TypingCase{"?", {kShiftDown, {0xBF, 0x35, true}, {0xBF, 0x35, false}, kShiftUp}}));

TEST(SimKeyTypingTest, StopsBeforeTheFirstCharacterNoKeyTypes) {
  const TypedKeys typed = keyEventsFor("aB\x80zz");
  EXPECT_EQ(typed.charactersTyped, 2u);
  EXPECT_EQ(keys(typed), (std::vector<Key>{{'A', 0x1E, true},
                                           {'A', 0x1E, false},
                                           kShiftDown,
                                           {'B', 0x30, true},
                                           {'B', 0x30, false},
                                           kShiftUp}));
}

}  // namespace
}  // namespace velmar::sim
