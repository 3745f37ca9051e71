#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/velmar_sim.h"
#include "platform/virtual_keys.h"

namespace velmar::platform {
namespace {

struct Seen {
  std::uint8_t virtualKey;
  bool down;
  bool injected;
  bool shiftHeld;  // as the system knew it while the hook ran
  bool operator==(const Seen&) const = default;
};

TEST(SimKeyboardInput, TypedTextReachesTheHookWithShiftAroundShiftedCharacters) {
  std::vector<Seen> seen;
  auto hook = keyboard().installHook(
      [&](const KeyEvent& event) {
        seen.push_back(
            {event.virtualKey, event.down, event.injected, keyboard().isKeyDown(keys::kShift)});
      },
      {});
  EXPECT_EQ(VelmarSimKeyboardHooks(), 1);
  EXPECT_EQ(VelmarSimType("a#\r"), 3);

  const std::vector<Seen> expected{
      {'A', true, false, false},
      {'A', false, false, false},
      {keys::kLeftShift, true, false, false},  // the hook runs before the state catches up
      {'3', true, false, true},
      {'3', false, false, true},
      {keys::kLeftShift, false, false, true},
      {keys::kReturn, true, false, false},
      {keys::kReturn, false, false, false},
  };
  EXPECT_EQ(seen, expected);
}

TEST(SimKeyboardInput, RemovedHooksHearNothing) {
  int calls = 0;
  auto hook = keyboard().installHook([&](const KeyEvent&) { ++calls; }, {});
  hook.reset();
  EXPECT_EQ(VelmarSimKeyboardHooks(), 0);
  VelmarSimType("x");
  EXPECT_EQ(calls, 0);
}

TEST(SimKeyboardInput, InjectedLockKeyTogglesItsStateAndIsMarked) {
  std::vector<KeyEvent> seen;
  auto hook = keyboard().installHook([&](const KeyEvent& event) { seen.push_back(event); }, {});
  EXPECT_EQ(keyboard().lockState(keys::kNumLock), false);
  keyboard().injectKey(keys::kNumLock, 0x45, kInjectExtendedKey);
  keyboard().injectKey(keys::kNumLock, 0x45, kInjectExtendedKey | kInjectKeyUp);
  EXPECT_EQ(keyboard().lockState(keys::kNumLock), true);
  EXPECT_EQ(VelmarSimLockKeys(), 1);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_TRUE(seen[0].injected && seen[0].down);
  EXPECT_FALSE(seen[1].down);

  char text[64];
  VelmarSimInjectedKeys(text, sizeof text);
  EXPECT_STREQ(text, "90 45 1\n90 45 3\n");

  EXPECT_TRUE(keyboard().setLockState(keys::kCapsLock, true));
  EXPECT_EQ(VelmarSimLockKeys(), 3);
  EXPECT_EQ(keyboard().lockState('A'), std::nullopt);
}

TEST(SimKeyboardInput, TypingStopsAtACharacterNoKeyTypes) {
  EXPECT_EQ(VelmarSimType("12\x01"
                          "3"),
            2);
}

}  // namespace
}  // namespace velmar::platform
