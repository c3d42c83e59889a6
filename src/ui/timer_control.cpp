#include "ui/timer_control.h"

#include <algorithm>

#include "platform/timer_scheduler.h"
#include "ui/event_boundary.h"
#include "ui/form.h"
#include "ui/message_box.h"
#include "ui/scope_guard.h"
#include "ui/ui_env.h"
#include "ui/ui_errors.h"

namespace vx::ui {

Timer::Timer(Form& form, std::string name) : form_(form), name_(std::move(name)) { form_.timers_.push_back(this); }

Timer::~Timer() {
  Detach();
  std::erase(form_.timers_, this);
}

void Timer::Reset() {
  interval_ = 0;
  enabled_ = true;
}

void Timer::SetInterval(int milliseconds) {
  if (milliseconds < 0 || milliseconds > 65535) throw InvalidPropertyValue();
  interval_ = milliseconds;
  if (id_) form_.Env().timers.SetInterval(*id_, interval_);
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (id_) form_.Env().timers.SetEnabled(*id_, enabled_);
}

bool Timer::Running() const { return id_ && enabled_ && interval_ > 0; }

void Timer::Attach() {
  if (id_) return;
  auto& timers = form_.Env().timers;
  id_ = timers.Create([this] { Fire(); });
  timers.SetInterval(*id_, interval_);
  timers.SetEnabled(*id_, enabled_);
}

void Timer::Fire() {
  UiEnv& env = form_.Env();
  const int boxesUp = env.boxes.OpenBoxes();
  if (firing_ > 0 && boxesUp > boxesBeforeFiring_) return;  // held by a box from its handler
  if (firing_ == 0) boxesBeforeFiring_ = boxesUp;
  BusyFlag<int> firing(firing_, firing_ + 1);
  DispatchEvent(env, onTimer);
}

void Timer::Detach() {
  if (!id_) return;
  form_.Env().timers.Destroy(*id_);
  id_.reset();
}

}  // namespace vx::ui
