#include <gtest/gtest.h>

#include "tests/support/simulated_process.h"

int main(int argc, char** argv) {
  velmar::testing::runOnSimulatedPlatform(argv, "none");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
