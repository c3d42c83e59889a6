#pragma once
// A main program for tests of the sound and music paths: virtual time, recording sound,
// music and MP3 devices, scripted message boxes, and recording windows.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <string>
#include <vector>

#include "announce/flight_window_view.h"
#include "mainwindow/pro_context.h"
#include "platform/random.h"
#include "platform/recording_music.h"
#include "platform/recording_sound_device.h"
#include "platform/virtual_time.h"
#include "simlink/window_topmost.h"
#include "ui/message_box.h"

namespace vx::test {

class RecordingFlightWindow final : public announce::FlightWindowView {
 public:
  void SetText(announce::FlightBox box, std::string_view text) override { texts[box] = std::string(text); }
  void SetColours(announce::FlightBox box, int back, int fore) override { colours[box] = {back, fore}; }
  std::string Text(announce::FlightBox box) const {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }
  std::map<announce::FlightBox, std::string> texts;
  std::map<announce::FlightBox, std::pair<int, int>> colours;  // back, fore
};

class RecordingFlightForms final : public announce::FlightForms {
 public:
  std::int64_t Handle(announce::FlightForm form) override { return 100 + static_cast<int>(form); }
  void ShowModeless(announce::FlightForm form) override { shown.push_back(form); }
  std::vector<announce::FlightForm> shown;
};

class RecordingTopmost final : public simlink::TopmostWindows {
 public:
  void MakeTopmost(std::int64_t windowHandle) override { handles.push_back(windowHandle); }
  std::vector<std::int64_t> handles;
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
  RecordingFlightWindow window;
  RecordingFlightForms forms;
  RecordingTopmost topmost;
  mainwindow::ProContext pro;
  int progressTicks = 0;

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
    pro.engine.progressTick = [this] { ++progressTicks; };
    pro.sim.topmostWindows = &topmost;
    boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    sound.Init();
    music.Init();
    mp3.Init();
  }
  std::int64_t Now() const { return clock.MonotonicNanos(); }
  std::string Box(announce::FlightBox box) const { return window.Text(box); }
};

}  // namespace vx::test
