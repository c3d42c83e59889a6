#pragma once
// The flight's windows for groups that ask first: each prompt shown answers as scripted,
// at once or after some virtual time, by storing its values and its state as the prompt's
// own buttons would. Every showing is noted.
#include <chrono>
#include <functional>
#include <map>
#include <vector>

#include "announce/flight_window_view.h"
#include "platform/virtual_time.h"

namespace vx::announce::test {

class ScriptedPrompts final : public FlightForms {
 public:
  explicit ScriptedPrompts(platform::VirtualEventPump& pump) : pump_(pump) {}

  // When `form` is shown: `answer` runs after `delay` (0: as it shows).
  void Answer(FlightForm form, std::chrono::milliseconds delay, std::function<void()> answer) {
    answers_[form] = {delay, std::move(answer)};
  }

  // A program without the prompt: no window to load.
  void Missing(FlightForm form) { missing_.push_back(form); }

  std::int64_t Handle(FlightForm form) override {
    for (FlightForm m : missing_)
      if (m == form) return 0;
    return 200 + static_cast<int>(form);
  }
  void ShowModeless(FlightForm form) override {
    shown.push_back(form);
    auto it = answers_.find(form);
    if (it == answers_.end()) return;
    if (it->second.delay.count() == 0)
      it->second.answer();
    else
      pump_.After(it->second.delay, it->second.answer);
  }
  void Unload(FlightForm) override {}

  std::vector<FlightForm> shown;

 private:
  struct Scripted {
    std::chrono::milliseconds delay;
    std::function<void()> answer;
  };
  platform::VirtualEventPump& pump_;
  std::map<FlightForm, Scripted> answers_;
  std::vector<FlightForm> missing_;
};

}  // namespace vx::announce::test
