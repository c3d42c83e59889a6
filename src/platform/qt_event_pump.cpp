#include "platform/qt_event_pump.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

namespace vx::platform {

QtEventPump::QtEventPump(const Clock& clock, TimerScheduler& timers) : clock_(clock), timers_(timers) {}

QtEventPump::~QtEventPump() { timers_.SetChangedCallback(nullptr); }

void QtEventPump::Pump() {
  ThrowIfEnded();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (!Ended()) timers_.FireDue();
  ThrowIfEnded();
}

void QtEventPump::Idle(std::chrono::milliseconds upTo) {
  ThrowIfEnded();
  std::int64_t waitMs = std::max<std::int64_t>(upTo.count(), 0);
  if (auto due = timers_.NextDueNanos()) {
    const std::int64_t untilDue = (*due - clock_.MonotonicNanos() + 999999) / 1000000;
    waitMs = std::clamp<std::int64_t>(untilDue, 0, waitMs);
  }
  if (waitMs > 0) {
    // A one-shot window-system timer guarantees that the blocking wait returns in time.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(static_cast<int>(waitMs));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake.stop();
  }
  Pump();
}

void QtEventPump::AttachMainLoop() {
  if (driver_) return;
  driver_ = std::make_unique<QTimer>();
  driver_->setSingleShot(true);
  driver_->setTimerType(Qt::PreciseTimer);
  QObject::connect(driver_.get(), &QTimer::timeout, [this] {
    if (Ended()) return;
    try {
      timers_.FireDue();
    } catch (const ProgramEnding&) {
      return;
    }
    Rearm();
  });
  timers_.SetChangedCallback([this] { Rearm(); });
  Rearm();
}

void QtEventPump::Rearm() {
  if (!driver_ || Ended()) return;
  auto due = timers_.NextDueNanos();
  if (!due) {
    driver_->stop();
    return;
  }
  const std::int64_t ms = std::max<std::int64_t>((*due - clock_.MonotonicNanos() + 999999) / 1000000, 0);
  driver_->start(static_cast<int>(std::min<std::int64_t>(ms, 24LL * 3600 * 1000)));
}

void QtEventPump::OnEndProgram(int exitCode) {
  if (driver_) driver_->stop();
  QCoreApplication::exit(exitCode);
}

}  // namespace vx::platform
