#include "announce/engine_start.h"

#include <cstdint>
#include <string_view>

#include "announce/group_run.h"
#include "announce/sound_slots.h"
#include "platform/addon_link.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

inline constexpr int kRight = 10000;
inline constexpr int kLeft = -10000;
inline constexpr int kCentre = 0;
inline constexpr int kEngineVolume = 0;  // engines play at full volume, quiet mode or not
inline constexpr int kTalk = 18;         // the cockpit's engine-start talk
inline constexpr int kRightEngine = 34;
inline constexpr int kLeftEngine = 35;

constexpr EngineStartRow kTwoEngines = {{{21, kRightEngine, kRight}, {57, kLeftEngine, kLeft}}};
// Rows by aircraft type 0 to 9 (type 0 never reaches the timed sequence).
constexpr std::array<EngineStartRow, 10> kEngineStarts = {{
    kTwoEngines,
    {{{22, kRightEngine, kRight}, {51, kLeftEngine, kLeft}}},
    {{{30, kRightEngine, kRight}, {52, kRightEngine, kRight}, {75, kLeftEngine, kLeft}, {98, kLeftEngine, kLeft}}},
    kTwoEngines,
    kTwoEngines,
    {{{21, kRightEngine, kRight}, {57, kRightEngine, kRight}, {99, kLeftEngine, kLeft}, {133, kLeftEngine, kLeft}}},
    {{{21, kRightEngine, kRight}, {57, kLeftEngine, kLeft}, {99, kLeftEngine, kCentre}}},
    kTwoEngines,
    {{{21, kRightEngine, kRight}, {57, kLeftEngine, kLeft}, {99, kLeftEngine, kCentre}}},
    {{{21, kRightEngine, kRight}, {57, kRightEngine, kRight}, {99, kLeftEngine, kLeft}, {133, kLeftEngine, kLeft}}},
}};

// The add-on switch a step waits for: a field of the add-on's record and its value.
struct AwaitedSwitch {
  int field = -1;  // byte offset in the record; -1: no wait
  std::int32_t value = 0;
};

// One captioned step of the add-on sequence: a voice, a wait for a switch, an engine
// sound, a pause; the last step waits for its voice's end.
struct LvldStep {
  std::string_view caption;
  int voice = 0;  // 0: none
  AwaitedSwitch awaits;
  int engine = 0;  // 0: none
  int pan = 0;
  float pauseSeconds = 0;
  bool waitVoiceEnd = false;
};

using R = platform::AddonDataRecord;
// Voices 23 (N2 at 30 %), 26 (start complete), 27 (engine 1) and 28 (after start check)
// are the pushback loader's own recordings.
constexpr LvldStep kLvldSteps[] = {
    {"Eng2 OFF→GND", kTalk, {R::kStartSwitch2, 0}, 36, kRight},
    {"Fuel2 CUTOFF→RUN", 0, {R::kFuelControl2, 1}},
    {"Eng2 N2→30", 23, {}, 38, kRight},
    {"Eng2 GND→AUTO", 0, {R::kStartSwitch2, 1}, kRightEngine, kRight},
    {"Eng2 Start Complete", 26, {}, 0, 0, 10},
    {"Eng1 OFF→GND", 27, {R::kStartSwitch1, 0}, 36, kLeft},
    {"Fuel1 CUTOFF→RUN", 0, {R::kFuelControl1, 1}},
    {"Eng1 N2→30", 23, {}, 38, kLeft},
    {"Eng1 GND→AUTO", 0, {R::kStartSwitch1, 1}, kLeftEngine, kLeft},
    {"Eng1 Start Complete", 26, {}, 0, 0, 10},
    {"After Start Check", 28, {}, 0, 0, 0, true},
};
constexpr float kPollSeconds = 0.2f;

}  // namespace

const EngineStartRow& EngineStartTimes(int aircraftTypeCode) {
  return aircraftTypeCode >= 0 && aircraftTypeCode <= 9 ? kEngineStarts[static_cast<std::size_t>(aircraftTypeCode)]
                                                        : kTwoEngines;
}

bool PlayTimedEngineStart(state::ProContext& pro) {
  GroupRun g(pro, GroupId::EngineStart);
  auto& pump = *pro.svc.pump;
  g.Check();
  UseVolumeIndex(pro, g.Spec().volumeIndex);
  const EngineStartRow& row = EngineStartTimes(pro.briefing.TobBriefing.AircraftTypeCode);
  if (!g.Aborted()) {
    g.Play(kTalk);
    pump.Pump();
    g.Wait(row[0].seconds);
  }
  const auto& options = pro.briefing.PushbackSettings;
  if (options.voiceFileSet == 1 && options.engineStartSound == 1) {
    float previous = row[0].seconds;
    for (const EngineStartAt& engine : row) {
      if (engine.seconds == 0) break;
      g.Wait(engine.seconds - previous);
      previous = engine.seconds;
      if (g.Aborted()) return true;
      PlaySlot(pro, engine.slot, kEngineVolume, engine.pan);
      pump.Pump();
    }
  }
  if (g.Aborted()) return true;
  g.WaitEnd(kTalk);
  return true;
}

bool PlayLvldEngineStart(state::ProContext& pro) {
  GroupRun g(pro, GroupId::EngineStart);
  auto& pump = *pro.svc.pump;
  g.Check();
  UseVolumeIndex(pro, g.Spec().volumeIndex);
  platform::AddonDataRecord record;
  const auto read = [&] { return pro.svc.addon->ReadData(record) == platform::kAddonOk; };
  if (!read()) return false;
  pump.Pump();
  for (const LvldStep& step : kLvldSteps) {
    g.Caption(step.caption);
    if (step.voice != 0 && !g.Aborted()) g.Play(step.voice);
    if (step.awaits.field >= 0) {
      while (!g.Aborted() && record.At(step.awaits.field) != step.awaits.value) {
        g.Wait(kPollSeconds);
        if (!read()) return false;
        pump.Pump();
      }
    }
    if (step.engine != 0 && !g.Aborted()) {
      PlaySlot(pro, step.engine, kEngineVolume, step.pan);
      pump.Pump();
    }
    if (step.pauseSeconds > 0 && !g.Aborted()) g.Wait(step.pauseSeconds);
    if (step.waitVoiceEnd) g.WaitEnd(step.voice);
  }
  return true;
}

bool PlayEngineStart(state::ProContext& pro) {
  return pro.briefing.TobBriefing.AircraftTypeCode == 0 ? PlayLvldEngineStart(pro) : PlayTimedEngineStart(pro);
}

}  // namespace vx::announce
