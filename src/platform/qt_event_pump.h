#pragma once
// The real event pump: the window system's event queue plus the program's own timers.
#include <memory>

#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/timer_scheduler.h"

class QTimer;

namespace vx::platform {

class QtEventPump final : public EventPump {
 public:
  QtEventPump(const Clock& clock, TimerScheduler& timers);
  ~QtEventPump() override;

  void Pump() override;
  void Idle(std::chrono::milliseconds upTo) override;

  // Lets the application's main loop fire the program's timers: one window-system
  // timer is kept armed for the next due time. Needs the application object.
  void AttachMainLoop();

 private:
  void Rearm();
  void OnEndProgram(int exitCode) override;

  const Clock& clock_;
  TimerScheduler& timers_;
  std::unique_ptr<QTimer> driver_;
};

}  // namespace vx::platform
