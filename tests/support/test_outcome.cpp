#include "support/test_outcome.h"

#include <gtest/gtest.h>

namespace vx::test {

int OutcomeExitCode(int runAllTestsResult) {
  if (runAllTestsResult != 0) return runAllTestsResult;
  return ::testing::UnitTest::GetInstance()->skipped_test_count() > 0 ? kSkippedExitCode : 0;
}

}  // namespace vx::test
