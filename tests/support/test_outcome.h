#pragma once
// How a test program ends: ctest shows a program whose tests all passed but some skipped as
// skipped (SKIP_RETURN_CODE), never as passed.

namespace vx::test {

inline constexpr int kSkippedExitCode = 77;

// The exit code for RUN_ALL_TESTS()'s result: a failure stays a failure; with none, any
// skipped test makes the program's run a skip.
int OutcomeExitCode(int runAllTestsResult);

}  // namespace vx::test
