#pragma once
// The timer control of a form: runs on the program's timer scheduler while its form is
// loaded, so it fires in every pump of the program, again inside a pump of its own
// handler if that is still running; but not while a message box that came up under its
// handler (the handler's own, or the box of its error) is up: ticks that fall due then
// are dropped, so that boxes do not pile up one per tick.
#include <functional>
#include <optional>
#include <string>

namespace vx::ui {

class Form;

class Timer {
 public:
  Timer(Form& form, std::string name);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }
  // Milliseconds, 0 to 65535 (others raise the invalid-property error); 0 stops the timer.
  // Setting it starts the countdown again.
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // True while the timer counts down (form loaded, enabled, interval above 0).
  bool Running() const;

  // Runs at the event boundary on every tick.
  std::function<void()> onTimer;

 private:
  friend class Form;
  void Reset();
  void Attach();
  void Detach();
  void Fire();

  Form& form_;
  std::string name_;
  int interval_ = 0;
  bool enabled_ = true;
  std::optional<int> id_;
  int firing_ = 0;             // runs of the handler, nested ones counted
  int boxesBeforeFiring_ = 0;  // boxes up when the outermost run began
};

}  // namespace vx::ui
