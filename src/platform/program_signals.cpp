#include "platform/program_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>

namespace vx::platform {
namespace {

constexpr std::array<int, 4> kSignals = {SIGTERM, SIGINT, SIGHUP, SIGCHLD};

int pipeRead = -1;
int pipeWrite = -1;
std::array<struct sigaction, kSignals.size()> formerActions{};

// Async-signal-safe: one byte into a non-blocking pipe; a full pipe already wakes the loop.
void OnSignal(int signal) {
  const int savedErrno = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t n = ::write(pipeWrite, &byte, 1);
  errno = savedErrno;
}

}  // namespace

ProgramSignals::ProgramSignals(std::function<void()> onEnd, std::function<void()> onChildEnded)
    : onEnd_(std::move(onEnd)), onChildEnded_(std::move(onChildEnded)) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  pipeRead = fds[0];
  pipeWrite = fds[1];
  notifier_ = std::make_unique<QSocketNotifier>(pipeRead, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ProcessPending(); });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &formerActions[i]);
}

ProgramSignals::~ProgramSignals() {
  if (pipeRead < 0) return;
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &formerActions[i], nullptr);
  notifier_.reset();
  ::close(pipeRead);
  ::close(pipeWrite);
  pipeRead = pipeWrite = -1;
}

void ProgramSignals::ProcessPending() {
  std::array<unsigned char, 64> bytes{};
  bool ending = false, childEnded = false;
  for (;;) {
    const ssize_t n = ::read(pipeRead, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    for (ssize_t i = 0; i < n; ++i) {
      if (bytes[static_cast<std::size_t>(i)] == SIGCHLD)
        childEnded = true;
      else
        ending = true;
    }
  }
  if (childEnded && onChildEnded_) onChildEnded_();
  if (ending && onEnd_) onEnd_();
}

}  // namespace vx::platform
