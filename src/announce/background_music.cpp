#include "announce/background_music.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "announce/engine_waits.h"
#include "announce/flight_window_view.h"
#include "announce/mp3_track.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/mp3_player.h"
#include "platform/music_device.h"
#include "runtime/text_rules.h"
#include "state/pro_context.h"
#include "ui/scope_guard.h"

namespace vx::announce {
namespace {

constexpr std::int32_t kSegmentLoadFlags = 32;

void SetBox(state::ProContext& pro, FlightBox box, std::string_view text) {
  if (pro.engine.flightWindow) pro.engine.flightWindow->SetText(box, text);
}

void StampKeySequenceTime(state::ProContext& pro) {
  pro.main.KeySequence.stampNanos = pro.svc.clock->MonotonicNanos();
}

bool MusicPlaying(const state::ProContext& pro) { return pro.flight.BgmPlaying; }

void StepBgmVolume(state::ProContext& pro, int step) {
  state::EngineState& e = pro.engine;
  if (!MusicPlaying(pro) || (e.BgmEngine != state::kEngineSegments && e.BgmEngine != state::kEngineMp3)) return;
  StampKeySequenceTime(pro);
  int level = pro.flight.BgmVolume + step;
  if (level < 0) level = 10;
  if (level > 10) level = 0;
  pro.flight.BgmVolume = static_cast<std::int16_t>(level);
  if (e.BgmEngine == state::kEngineSegments) {
    pro.svc.music->SetMasterVolume(SegmentVolume(level));
  } else {
    pro.svc.mp3->SetVolume(Mp3Volume(level), Mp3Volume(level));
  }
  SetBox(pro, FlightBox::tbxBGM音量, "BGM音量 " + std::to_string(level));
}

}  // namespace

void StartBgmByMode(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  if (e.BgmEngine == state::kEngineSegments) {
    StampKeySequenceTime(pro);
    e.BgmTrackFailures = 0;  // asked for anew: every track gets its chance again
    PlayNextBgmSegment(pro);
  } else if (e.BgmEngine == state::kEngineMp3) {
    while (pro.flight.BgmStarting) {
      if (state::FlightGone(e)) return;
      pro.svc.pump->Idle(std::chrono::milliseconds(10));
    }
    StampKeySequenceTime(pro);
    e.BgmTrackFailures = 0;  // asked for anew: every track gets its chance again
    PlayNextMp3Track(pro);
  }
}

void PlayNextBgmSegment(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& music = *pro.svc.music;
  auto& pump = *pro.svc.pump;
  if (pro.flight.BgmStarting) return;
  const auto count = std::min<std::int16_t>(e.BgmPlaylist.count, state::kPlaylistCapacity);
  if (count <= 0) return;
  // The change flag is cleared however the change ends.
  pro.flight.BgmStarting = true;
  const ui::ScopeGuard starting([&pro] { pro.flight.BgmStarting = false; });

  if (MusicPlaying(pro)) {
    music.StopSegment(e.BgmSegment);
    pump.Pump();
  }
  auto& list = e.BgmPlaylist;
  list.position = NextBgmPosition(list.position, count, e.BgmRepeatMode, *pro.svc.random);
  const auto position = static_cast<std::size_t>(list.position);
  pro.flight.BgmPlaying = true;
  music.FreeSegment(e.BgmSegment);
  pump.Pump();
  e.BgmSegment = music.LoadSegment(runtime::Trim(list.paths[position]), kSegmentLoadFlags);
  pump.Pump();
  if (e.BgmSegment == 0) {
    // A file that does not load is not reported; the next heartbeat tries the next
    // track, until every track has failed.
    NoteFailedTrack(pro, count);
    return;
  }
  e.BgmTrackFailures = 0;
  music.PlaySegment(e.BgmSegment, 0);
  if (state::QuietSoundOn(e)) music.SetMasterVolume(kQuietAttenuation);
  SetBox(pro, FlightBox::tbxBGM番号, "No." + std::to_string(position + 1) + "/" + std::to_string(count));
  SetBox(pro, FlightBox::tbxBGM名, list.titles[position]);
  pump.Pump();
}

void PollBgmEnd(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  if (!MusicPlaying(pro)) return;
  if (e.BgmEngine == state::kEngineSegments) {
    auto& music = *pro.svc.music;
    if (music.SegmentPosition(e.BgmSegment) >= music.SegmentLength(e.BgmSegment)) PlayNextBgmSegment(pro);
  } else if (e.BgmEngine == state::kEngineMp3) {
    e.Mp3PlayerState = pro.svc.mp3->State();
    if (e.Mp3PlayerState == platform::kMp3Stopped) PlayNextMp3Track(pro);
  }
}

void LowerBgmVolume(state::ProContext& pro) { StepBgmVolume(pro, -2); }

void RaiseBgmVolume(state::ProContext& pro) { StepBgmVolume(pro, +2); }

void StopBgmPlayback(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  if (!MusicPlaying(pro)) return;
  pro.flight.BgmPlaying = false;
  if (e.BgmEngine == state::kEngineSegments) {
    pro.svc.music->StopSegment(e.BgmSegment);
  } else if (e.BgmEngine == state::kEngineMp3) {
    pro.svc.mp3->Stop();  // the track stays open
  }
  pro.svc.pump->Pump();
  SetBox(pro, FlightBox::tbxBGM番号, "");
  SetBox(pro, FlightBox::tbxBGM名, "");
  SetBox(pro, FlightBox::tbxBGM音量, "");
}

bool DuckBgmForAnnouncement(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& pump = *pro.svc.pump;
  pro.flight.BgmLowered = true;
  if (e.BgmEngine == state::kEngineSegments && MusicPlaying(pro)) {
    pro.svc.music->SetMasterVolume(kQuietAttenuation);
  } else if (e.BgmEngine == state::kEngineMp3 && MusicPlaying(pro)) {
    e.Mp3PlayerState = pro.svc.mp3->State();
    pump.Pump();
    if (e.Mp3PlayerState != platform::kMp3Paused) {
      pro.svc.mp3->Pause();
      pump.Pump();
    }
  }
  return EngineWaitSeconds(pro, 1.0f);
}

bool RestoreBgmAfterAnnouncement(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& pump = *pro.svc.pump;
  if (e.BgmEngine == state::kEngineSegments && MusicPlaying(pro)) {
    if (!EngineWaitSeconds(pro, 1.0f)) return false;
    pro.svc.music->SetMasterVolume(state::QuietSoundOn(e) ? kQuietAttenuation : SegmentVolume(pro.flight.BgmVolume));
  } else if (e.BgmEngine == state::kEngineMp3 && MusicPlaying(pro)) {
    if (!EngineWaitSeconds(pro, 1.0f)) return false;
    e.Mp3PlayerState = pro.svc.mp3->State();
    pump.Pump();
    if (state::QuietSoundOn(e)) {
      if (e.Mp3PlayerState != platform::kMp3Paused) {
        pro.svc.mp3->Pause();
        pump.Pump();
      }
    } else if (e.Mp3PlayerState == platform::kMp3Paused) {
      pro.svc.mp3->Restart();
      pump.Pump();
    }
  }
  pro.flight.BgmLowered = false;
  return true;
}

}  // namespace vx::announce
