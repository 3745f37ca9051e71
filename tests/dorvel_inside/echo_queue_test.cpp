#include <gtest/gtest.h>

#include "dorvel/echo.h"

namespace velmar::dorvel {
namespace {

// No OpenDorvel here, so no worker drains the queue.
TEST(DorvelEchoQueue, Holds1023InOrderAndDropsThe1024th) {
  for (int i = 0; i < 1024; ++i)
    EchoPush(static_cast<std::uint8_t>(i % 251));
  for (int i = 0; i < 1023; ++i)
    ASSERT_EQ(EchoPop(), i % 251) << i;
  EXPECT_EQ(EchoPop(), std::nullopt);
}

TEST(DorvelEchoQueue, WrapsAroundItsEnd) {
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 700; ++i)
      EchoPush('a');
    for (int i = 0; i < 700; ++i)
      ASSERT_EQ(EchoPop(), 'a');
  }
  EXPECT_EQ(EchoPop(), std::nullopt);
  EchoPush('z');
  EmptyEchoQueue();
  EXPECT_EQ(EchoPop(), std::nullopt);
}

}  // namespace
}  // namespace velmar::dorvel
