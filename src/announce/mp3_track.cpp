#include "announce/mp3_track.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>

#include "announce/flight_window_view.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/mp3_player.h"
#include "platform/random.h"
#include "runtime/text_rules.h"
#include "state/pro_context.h"
#include "ui/message_box.h"
#include "ui/scope_guard.h"

namespace vx::announce {
namespace {

void SetBox(state::ProContext& pro, FlightBox box, std::string_view text) {
  if (pro.engine.flightWindow) pro.engine.flightWindow->SetText(box, text);
}

bool Repeats(std::string_view mode) { return mode != state::kBgmInOrder && mode != state::kBgmRandom; }

void ReportFailure(state::ProContext& pro, std::int32_t errorNumber, std::int16_t count) {
  pro.boxes->Show("ErrNo : " + std::to_string(errorNumber) + " Open Error", ui::Buttons::Ok, ui::Icon::None);
  NoteFailedTrack(pro, count);
}

}  // namespace

bool NoteFailedTrack(state::ProContext& pro, std::int16_t count) {
  auto& e = pro.engine;
  ++e.BgmTrackFailures;
  const int limit = Repeats(e.BgmRepeatMode) ? 1 : count;
  if (e.BgmTrackFailures < limit) return false;
  // Every track has failed: the music stops instead of failing again on every tick.
  e.BgmTrackFailures = 0;
  pro.flight.BgmPlaying = false;
  SetBox(pro, FlightBox::tbxBGM番号, "");
  SetBox(pro, FlightBox::tbxBGM名, "");
  SetBox(pro, FlightBox::tbxBGM音量, "");
  return true;
}

std::int16_t NextBgmPosition(std::int16_t position, std::int16_t count, std::string_view repeatMode,
                             platform::Random& random) {
  if (count <= 0) return 0;
  if (repeatMode == state::kBgmInOrder) {
    const int next = position + 1;
    return static_cast<std::int16_t>(next >= count || next < 0 ? 0 : next);
  }
  if (repeatMode == state::kBgmRandom) {
    const auto drawn = static_cast<std::int16_t>(std::floor(random.Next() * count));
    return std::clamp<std::int16_t>(drawn, 0, static_cast<std::int16_t>(count - 1));
  }
  return position >= 0 && position < count ? position : 0;
}

void PlayNextMp3Track(state::ProContext& pro) {
  auto& e = pro.engine;
  auto& mp3 = *pro.svc.mp3;
  auto& pump = *pro.svc.pump;
  if (pro.flight.BgmStarting) return;
  const auto count = std::min<std::int16_t>(e.BgmPlaylist.count, state::kPlaylistCapacity);
  if (count <= 0) return;
  // The change flag is cleared however the change ends.
  pro.flight.BgmStarting = true;
  const ui::ScopeGuard starting([&pro] { pro.flight.BgmStarting = false; });

  if (pro.sim.Mp3TrackOpen) {
    mp3.Stop();
    mp3.Close();
    pro.sim.Mp3TrackOpen = false;
    pump.Pump();
  }
  auto& list = e.BgmPlaylist;
  list.position = NextBgmPosition(list.position, count, e.BgmRepeatMode, *pro.svc.random);
  const auto position = static_cast<std::size_t>(list.position);
  pro.flight.BgmPlaying = true;

  if (!mp3.Open(runtime::Trim(list.paths[position]))) {
    ReportFailure(pro, mp3.LastErrorNo(), count);
    return;
  }
  pro.sim.Mp3TrackOpen = true;
  mp3.Play();
  const std::int64_t limit =
      pro.svc.clock->MonotonicNanos() + static_cast<std::int64_t>(kMp3StartLimitSeconds * 1e9);
  std::int32_t state = mp3.State();
  while (state != platform::kMp3Playing && pro.svc.clock->MonotonicNanos() < limit) {
    pump.Idle(std::chrono::milliseconds(10));
    // The flight ended meanwhile: its end has closed the player; nothing is reported.
    if (state::FlightGone(e)) return;
    state = mp3.State();
  }
  if (state != platform::kMp3Playing) {
    const std::int32_t error = mp3.LastErrorNo();
    mp3.Stop();
    mp3.Close();
    pro.sim.Mp3TrackOpen = false;
    ReportFailure(pro, error != platform::kMp3NoError ? error : platform::kMp3PlayFailed, count);
    return;
  }
  e.BgmTrackFailures = 0;

  const int volume = state::QuietSoundOn(e) ? 0 : pro.flight.BgmVolume * 10;
  mp3.SetVolume(volume, volume);
  SetBox(pro, FlightBox::tbxBGM番号, "No." + std::to_string(position + 1) + "/" + std::to_string(count));
  SetBox(pro, FlightBox::tbxBGM名, list.titles[position]);
  SetBox(pro, FlightBox::tbxBGM音量, "BGM音量 " + std::to_string(pro.flight.BgmVolume));
  pump.Pump();
}

}  // namespace vx::announce
