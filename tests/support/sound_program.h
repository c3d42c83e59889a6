#pragma once
// A main program for tests of the sound and music paths: virtual time, recording sound,
// music and MP3 devices, scripted message boxes, and recording windows.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <string>
#include <vector>

#include "announce/flight_window_view.h"
#include "platform/random.h"
#include "platform/recording_music.h"
#include "platform/recording_sound_device.h"
#include "platform/virtual_time.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::test {

class RecordingFlightWindow final : public announce::FlightWindowView {
 public:
  struct Written {
    std::int64_t atNanos;
    announce::FlightBox box;
    std::string text;
  };
  explicit RecordingFlightWindow(const platform::Clock& clock) : clock_(clock) {}
  void SetText(announce::FlightBox box, std::string_view text) override {
    texts[box] = std::string(text);
    history.push_back({clock_.MonotonicNanos(), box, std::string(text)});
  }
  void SetColours(announce::FlightBox box, int back, int fore) override { colours[box] = {back, fore}; }
  announce::WindowTwips Place() const override { return place; }
  std::string Text(announce::FlightBox box) const {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }
  std::map<announce::FlightBox, std::string> texts;
  std::vector<Written> history;
  std::map<announce::FlightBox, std::pair<int, int>> colours;  // back, fore
  announce::WindowTwips place;

 private:
  const platform::Clock& clock_;
};

class RecordingFlightForms final : public announce::FlightForms {
 public:
  std::int64_t Handle(announce::FlightForm form) override {
    asked.push_back(form);
    return 100 + static_cast<int>(form);
  }
  void ShowModeless(announce::FlightForm form) override { shown.push_back(form); }
  void Unload(announce::FlightForm form) override { unloaded.push_back(form); }
  std::vector<announce::FlightForm> asked;
  std::vector<announce::FlightForm> shown;
  std::vector<announce::FlightForm> unloaded;
};

struct SoundProgram {
  platform::VirtualClock clock;
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  platform::ScriptedRandom random;
  platform::RecordingSoundDevice sound{clock};
  platform::RecordingMusicDevice music{clock};
  platform::RecordingMp3Player mp3{clock};
  ui::ScriptedMessageBoxes boxes;
  RecordingFlightWindow window{clock};
  RecordingFlightForms forms;
  state::ProContext pro;

  SoundProgram() {
    pro.svc.clock = &clock;
    pro.svc.pump = &pump;
    pro.svc.timers = &timers;
    pro.svc.random = &random;
    pro.svc.sound = &sound;
    pro.svc.music = &music;
    pro.svc.mp3 = &mp3;
    pro.boxes = &boxes;
    pro.engine.flightWindow = &window;
    pro.engine.flightForms = &forms;
    boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    sound.Init();
    music.Init();
    mp3.Init();
  }
  std::int64_t Now() const { return clock.MonotonicNanos(); }
  std::string Box(announce::FlightBox box) const { return window.Text(box); }
};

}  // namespace vx::test
