#pragma once
// The signals a program must answer from its event loop: the ending signals (SIGTERM,
// SIGINT, SIGHUP) and ended children (SIGCHLD). The handlers only write the signal's
// number into a pipe; a socket notifier on the pipe's other end runs the callbacks in
// the application's event loop (a QCoreApplication must exist), where any work is safe.
#include <functional>
#include <memory>

class QSocketNotifier;

namespace vx::platform {

class ProgramSignals {
 public:
  // `onEnd` runs for each ending signal, `onChildEnded` after one or more children ended.
  // One object per process; the signals' former handling comes back when it goes.
  ProgramSignals(std::function<void()> onEnd, std::function<void()> onChildEnded);
  ~ProgramSignals();
  ProgramSignals(const ProgramSignals&) = delete;
  ProgramSignals& operator=(const ProgramSignals&) = delete;

  // Reads what the handlers wrote and runs the callbacks (the notifier calls it).
  void ProcessPending();

 private:
  std::function<void()> onEnd_;
  std::function<void()> onChildEnded_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vx::platform
