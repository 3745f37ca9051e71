#include "core/seconds_wait.h"

#include <gtest/gtest.h>

namespace lavrix {
namespace {

constexpr std::int32_t At(int hour, int minute, int second) {
  return hour * 3600 + minute * 60 + second;
}

// The first time of day, checked second by second from `start`, at which the wait is over.
std::int32_t EndOfWait(EditorState& state, std::int32_t seconds, std::int32_t start) {
  SecondsWait wait(state, seconds, start);
  for (std::int32_t tick = 0; tick < 2 * kSecondsPerDay; ++tick) {
    const std::int32_t now = (start + tick) % kSecondsPerDay;
    if (wait.IsOver(now)) return now;
  }
  return -1;
}

TEST(SecondsWait, EndsWhenTheSecondsHavePassed) {
  EditorState state;
  EXPECT_EQ(EndOfWait(state, 15, At(10, 0, 0)), At(10, 0, 15));
  EXPECT_FALSE(state.WaitStart.has_value());
}

TEST(SecondsWait, CrossesMidnight) {
  EditorState state;
  EXPECT_EQ(EndOfWait(state, 15, At(23, 59, 58)), At(0, 0, 13));
  EXPECT_EQ(EndOfWait(state, 1, At(23, 59, 59)), At(0, 0, 0));
}

TEST(SecondsWait, OfZeroSecondsIsOverAtOnce) {
  EditorState state;
  EXPECT_EQ(EndOfWait(state, 0, At(12, 0, 0)), At(12, 0, 0));
}

TEST(SecondsWait, WaitStartHoldsTheStartWhileWaitingAndIsEmptyAfter) {
  EditorState state;
  {
    SecondsWait wait(state, 15, At(8, 0, 0));
    EXPECT_EQ(state.WaitStart, At(8, 0, 0));
    EXPECT_FALSE(wait.IsOver(At(8, 0, 14)));
  }
  EXPECT_FALSE(state.WaitStart.has_value());
  // So the next wait starts from its own time and lasts its full time.
  EXPECT_EQ(EndOfWait(state, 15, At(8, 0, 20)), At(8, 0, 35));
}

TEST(SecondsWait, AStartAtMidnightItselfCounts) {
  EditorState state;
  EXPECT_EQ(EndOfWait(state, 5, At(0, 0, 0)), At(0, 0, 5));
}

TEST(SecondsWait, ANestedWaitSharesTheStartAndTheOuterOneKeepsIt) {
  EditorState state;
  SecondsWait outer(state, 15, At(9, 0, 0));
  {
    SecondsWait inner(state, 5, At(9, 0, 3));
    EXPECT_FALSE(inner.IsOver(At(9, 0, 4)));
    EXPECT_TRUE(inner.IsOver(At(9, 0, 5)));
  }
  EXPECT_FALSE(outer.IsOver(At(9, 0, 14)));
  EXPECT_TRUE(outer.IsOver(At(9, 0, 15)));
}

TEST(SecondsWait, LongerThanADayStillEnds) {
  EditorState state;
  SecondsWait wait(state, kSecondsPerDay + 10, At(12, 0, 0));
  std::int32_t now = At(12, 0, 0);
  int checks = 0;
  // The clock goes round once and a bit; checked every minute, then every second.
  while (!wait.IsOver(now) && checks < 100000) {
    now = (now + (checks < 1439 ? 60 : 1)) % kSecondsPerDay;
    ++checks;
  }
  EXPECT_EQ(now, At(12, 0, 10));
}

}  // namespace
}  // namespace lavrix
