// Signals reach the program through its event loop: an ending signal runs the closing
// callback instead of killing the process, and an ended child is reaped at once.
#include "platform/program_signals.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <filesystem>

#include "platform/process.h"
#include "support/processes.h"

namespace vx::platform {
namespace {

using namespace std::chrono_literals;

using test::ProcessState;

template <class Done>
bool RunEventsUntil(Done done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    usleep(5000);
  }
  return true;
}

TEST(ProgramSignals, EndingSignalsRunTheClosingInTheEventLoop) {
  int ends = 0;
  ProgramSignals signals{[&] { ++ends; }, nullptr};
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    const int before = ends;
    ASSERT_EQ(raise(signal), 0);  // would end the test program without the handler
    EXPECT_EQ(ends, before) << "nothing runs inside the handler";
    EXPECT_TRUE(RunEventsUntil([&] { return ends == before + 1; }, 2s));
  }
}

TEST(ProgramSignals, AnEndedChildIsReapedWithoutAnyoneAskingAfterIt) {
  PosixProcessLauncher launcher;
  ProgramSignals signals{nullptr, [&] { launcher.ReapEnded(); }};
  const auto pid = launcher.Start("/bin/true", {}, true);
  ASSERT_TRUE(pid);
  EXPECT_TRUE(RunEventsUntil([&] { return ProcessState(*pid) == 0; }, 3s)) << "state " << ProcessState(*pid);
}

}  // namespace
}  // namespace vx::platform
