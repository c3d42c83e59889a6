#pragma once
// A main program for tests of the announcement engine, on virtual time: a base folder
// with recordings, recording sound and music devices that wake the pump when a sound
// ends, the shared channels under a prefix of its own, a cabin strip and main window
// that record, and the played timeline read back from all of them.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "announce/flight_window_view.h"
#include "platform/addon_link.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "simlink/cabin_strip.h"
#include "state/pro_context.h"
#include "support/sound_program.h"
#include "support/temp_dir.h"

namespace vx::announce::test {

class RecordingCabinStrip final : public simlink::CabinStrip {
 public:
  void SetText(simlink::CabinBox box, std::string_view text) override { texts[box] = std::string(text); }
  std::string Text(simlink::CabinBox box) const override {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }
  void SetForeColour(simlink::CabinBox box, int paletteIndex) override { fore[box] = paletteIndex; }
  void SetBackColour(simlink::CabinBox box, int paletteIndex) override { back[box] = paletteIndex; }
  int Width() const override { return width; }
  void SetWidth(int twips) override { width = twips; }
  void SetTop(int) override {}
  void SetLeft(int) override {}
  int ScreenWidth() const override { return 28800; }

  std::map<simlink::CabinBox, std::string> texts{{simlink::CabinBox::tbxCockpit, "Cockpit"}};
  std::map<simlink::CabinBox, int> fore, back;
  int width = 14700;
};

class RecordingMainWindow final : public MainWindowLink {
 public:
  void RestoreWindowState() override { ++restored; }
  void ClearKeySequence() override { ++sequencesCleared; }
  int restored = 0;
  int sequencesCleared = 0;
};

// The sound device of the tests: the recording device, and a wake-up of the pump at the
// end of every sound started, so that waits see the end at once.
class WakingSoundDevice final : public platform::SoundDevice {
 public:
  WakingSoundDevice(platform::RecordingSoundDevice& inner, platform::VirtualEventPump& pump)
      : inner_(inner), pump_(pump) {}
  bool Init() override { return inner_.Init(); }
  void Quit() override { inner_.Quit(); }
  void SetGlobalFocus(bool on) override { inner_.SetGlobalFocus(on); }
  std::int32_t CreateBuffer(std::span<const std::uint8_t> image, std::int32_t flags, std::string_view label) override {
    return inner_.CreateBuffer(image, flags, label);
  }
  void Play(std::int32_t buffer, int volume, int pan) override;
  void PlayLooping(std::int32_t buffer, int volume, int pan) override { inner_.PlayLooping(buffer, volume, pan); }
  bool IsPlaying(std::int32_t buffer) override { return inner_.IsPlaying(buffer); }
  void Stop(std::int32_t buffer) override { inner_.Stop(buffer); }
  void Free(std::int32_t buffer) override { inner_.Free(buffer); }
  void SetVolume(std::int32_t buffer, int volume) override { inner_.SetVolume(buffer, volume); }

 private:
  platform::RecordingSoundDevice& inner_;
  platform::VirtualEventPump& pump_;
};

// One sound as it played: the file (as a literal under the base folder), from when to
// when in milliseconds after the program's time origin, at which volume and pan, looped.
struct Played {
  std::string file;
  double startMs = 0;
  double endMs = 0;
  int volume = 0;
  int pan = 0;
  bool loop = false;
};


// A text written to the flight window's caption box, or a hand-over file appearing
// ("+name") or going ("-name"), at a time; a move of the briefing card.
struct Mark {
  double atMs = 0;
  std::string what;
};

// The take-off briefing card: its moves as they happen ("show", "hidden", "visible",
// "mark 3", "unmark 3", "reveal 3", "unload"), while it is loaded.
class RecordingBriefingCard final : public BriefingCard {
 public:
  explicit RecordingBriefingCard(std::function<double()> nowMs) : nowMs_(std::move(nowMs)) {}
  void ShowTopmost() override {
    loaded = true;
    Note("show");
  }
  void SetVisible(bool visible) override {
    if (loaded) Note(visible ? "visible" : "hidden");
  }
  void Mark(int row, bool on) override {
    if (loaded) Note((on ? "mark " : "unmark ") + std::to_string(row));
  }
  void Reveal(int row) override {
    if (loaded) Note("reveal " + std::to_string(row));
  }
  void Unload() override {
    if (!loaded) return;
    loaded = false;
    Note("unload");
  }

  bool loaded = false;
  std::vector<test::Mark> moves;

 private:
  void Note(std::string what) { moves.push_back({nowMs_(), std::move(what)}); }
  std::function<double()> nowMs_;
};

struct EngineProgram : vx::test::SoundProgram {
  EngineProgram();
  ~EngineProgram();

  // A recording of `seconds` under the base folder ("\Wav\CA1\15分前.wav").
  void Wav(const std::string& literal, double seconds) const;
  // A file under the base folder.
  void File(const std::string& literal, const std::string& bytes = "") const;
  bool Exists(const std::string& literal) const { return paths.Exists(literal); }
  // The flight data record as the call-out program writes it.
  void WriteFlightData(std::int32_t heightAboveGroundFt, std::int32_t altitudeFt = 0);
  // Puts the program into a running flight: flight window ready, a new flight begun,
  // fixed effects loaded, volume table from the settings.
  void StartFlight();
  // Hand-over files to follow on the timeline.
  void Watch(std::vector<std::string> literals);

  // Milliseconds since `origin`.
  double Ms(std::int64_t nanos) const { return static_cast<double>(nanos - origin) / 1e6; }
  void SetOrigin() { origin = clock.MonotonicNanos(); }
  // Every sound started from slot 7 up and the radio slot, in order of starting.
  std::vector<Played> Timeline() const;
  // Captions written, hand-over files seen and the briefing card's moves, in order of time
  // (at one time: captions, then files, then card moves).
  std::vector<Mark> Marks() const;
  // The music's master volume changes after the origin: (ms, volume).
  std::vector<std::pair<double, int>> MusicLevels() const;
  // Sets the announcement request and serves it, as the heartbeat does.
  void Serve(std::int16_t request);
  std::string Literal(const std::string& label) const;

  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  WakingSoundDevice wakingSound{sound, pump};
  RecordingCabinStrip strip;
  RecordingMainWindow mainWindow;
  platform::RecordingProcessLauncher processes;
  platform::ScriptedAddonLink addon;
  RecordingBriefingCard card{[this] { return Ms(clock.MonotonicNanos()); }};
  std::int64_t origin = 0;
  // More work of every pump (a test with windows lets the window system run).
  std::function<void()> alsoOnPump;

 private:
  std::vector<std::string> watched_;
  std::map<std::string, bool> present_;
  std::vector<Mark> fileMarks_;
};

// Compares a timeline with the expected one: files, volumes, pans and loops exactly,
// times within `toleranceMs`.
void ExpectTimeline(const std::vector<Played>& actual, const std::vector<Played>& expected, double toleranceMs = 5);

}  // namespace vx::announce::test
