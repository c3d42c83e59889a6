// main() of the tests without windows.
#include <gtest/gtest.h>

#include "support/test_outcome.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return vx::test::OutcomeExitCode(RUN_ALL_TESTS());
}
