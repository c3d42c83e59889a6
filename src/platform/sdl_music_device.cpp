#include "platform/sdl_music_device.h"

#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <future>
#include <iterator>
#include <mutex>
#include <string>

#include "platform/midi_length.h"
#include "platform/sound_device.h"

namespace vx::platform {

// The synthesiser with the soundfont, and the one MIDI player of the segment on the
// stream. The mixing thread renders through it while the window thread changes players,
// so both hold `mutex`.
class SdlMusicDevice::Synthesiser {
 public:
  Synthesiser(const std::string& soundFont, int rate) : rate_(rate) {
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", rate);
    synth_ = new_fluid_synth(settings_);
    loaded_ = std::async(std::launch::async, [this, soundFont] {
      return synth_ != nullptr && fluid_synth_sfload(synth_, soundFont.c_str(), 1) != FLUID_FAILED;
    });
  }
  ~Synthesiser() {
    if (loaded_.valid()) loaded_.wait();
    EndPlayer();
    if (synth_) delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
  }
  Synthesiser(const Synthesiser&) = delete;
  Synthesiser& operator=(const Synthesiser&) = delete;

  int Rate() const { return rate_; }

  // Whether the soundfont has loaded; waits for its loading the first time.
  bool Ready() {
    if (loaded_.valid()) ready_ = loaded_.get();
    return ready_;
  }
  // The same without waiting: false while it still loads.
  bool Loaded() {
    if (loaded_.valid() && loaded_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return false;
    return Ready();
  }

  // A new player for `file` from its start, every channel as a new synthesiser has it.
  bool Play(const std::vector<std::uint8_t>& file) {
    if (!Ready()) return false;
    std::lock_guard lock(mutex_);
    EndPlayerLocked();
    fluid_synth_system_reset(synth_);
    fluid_synth_set_gain(synth_, gain_);
    player_ = new_fluid_player(synth_);
    if (!player_) return false;
    if (fluid_player_add_mem(player_, file.data(), file.size()) != FLUID_OK || fluid_player_play(player_) != FLUID_OK) {
      EndPlayerLocked();
      return false;
    }
    return true;
  }

  void EndPlayer() {
    std::lock_guard lock(mutex_);
    EndPlayerLocked();
  }

  // Whether the player still has events to play.
  bool Playing() {
    std::lock_guard lock(mutex_);
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
  }

  // The level from now on; a synthesiser still loading takes it when it first plays.
  void SetGain(float gain) {
    gain_ = gain;
    if (Loaded()) fluid_synth_set_gain(synth_, gain);
  }

  // The mixing thread's feed: one block of signed 16-bit stereo.
  static void Render(void* self, std::uint8_t* stream, int length) {
    auto* s = static_cast<Synthesiser*>(self);
    std::lock_guard lock(s->mutex_);
    const int frames = length / static_cast<int>(2 * sizeof(std::int16_t));
    if (!s->player_ || fluid_synth_write_s16(s->synth_, frames, stream, 0, 2, stream, 1, 2) != FLUID_OK)
      std::memset(stream, 0, static_cast<std::size_t>(length));
  }

 private:
  void EndPlayerLocked() {
    if (!player_) return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    fluid_synth_all_sounds_off(synth_, -1);
  }

  int rate_;
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  std::future<bool> loaded_;
  bool ready_ = false;
  float gain_ = 0.2f;
  std::mutex mutex_;
  fluid_player_t* player_ = nullptr;
};

namespace {

// FluidSynth's own level is 0.2; full volume is six times that, as loud as the mixer's
// MIDI music at its full volume.
constexpr float kFullGain = 1.2f;

}  // namespace

SdlMusicDevice::SdlMusicDevice(SdlAudio& audio, const Clock& clock) : audio_(audio), clock_(clock) {}

SdlMusicDevice::~SdlMusicDevice() {
  Quit();
  synth_.reset();
}

bool SdlMusicDevice::Init() {
  if (started_) return true;
  std::error_code ec;
  if (!std::filesystem::exists(audio_.Config().soundFont, ec)) return false;
  if (!audio_.Acquire()) return false;
  if (!audio_.Stereo16()) {
    audio_.Release();
    return false;
  }
  // Once for the life of the device; again only when the output's rate has changed.
  if (!synth_ || synth_->Rate() != audio_.Rate())
    synth_ = std::make_unique<Synthesiser>(audio_.Config().soundFont, audio_.Rate());
  started_ = true;
  return true;
}

void SdlMusicDevice::Quit() {
  if (!started_) return;
  Silence();
  segments_.clear();
  current_ = 0;
  started_ = false;
  audio_.Release();
}

std::int32_t SdlMusicDevice::LoadSegment(const std::filesystem::path& file, std::int32_t /*flags*/) {
  if (!started_ || !synth_->Ready()) return 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) return 0;
  Segment s;
  s.file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  const auto seconds = MidiDurationSeconds(s.file);
  if (!seconds) return 0;
  s.lengthMs = static_cast<std::int32_t>(std::lround(*seconds * 1000.0));
  const std::int32_t id = nextId_++;
  segments_[id] = std::move(s);
  return id;
}

bool SdlMusicDevice::OnStream(std::int32_t segment) const {
  return segment != 0 && segment == current_ && audio_.MusicOwner() == this;
}

std::int32_t SdlMusicDevice::Elapsed(const Segment& s) const {
  const std::int64_t ms = (clock_.MonotonicNanos() - s.startedNanos) / 1000000;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(ms, 0, s.lengthMs));
}

void SdlMusicDevice::Silence() {
  if (!synth_) return;
  synth_->EndPlayer();
  audio_.UnhookMusic(this);
}

void SdlMusicDevice::PlaySegment(std::int32_t segment, std::int32_t /*startMs*/) {
  auto it = segments_.find(segment);
  if (it == segments_.end()) return;
  if (auto cur = segments_.find(current_); cur != segments_.end() && cur->second.running) {
    cur->second.heldMs = SegmentPosition(current_);
    cur->second.running = false;
  }
  Segment& s = it->second;
  SetMasterVolume(volume_);
  if (!synth_->Play(s.file)) return;
  audio_.HookMusic(this, &Synthesiser::Render, synth_.get());
  current_ = segment;
  s.running = true;
  s.startedNanos = clock_.MonotonicNanos();
  s.heldMs = 0;
}

void SdlMusicDevice::StopSegment(std::int32_t segment) {
  auto it = segments_.find(segment);
  if (it == segments_.end() || !it->second.running) return;
  Segment& s = it->second;
  s.heldMs = SegmentPosition(segment);
  if (OnStream(segment)) Silence();
  s.running = false;
}

void SdlMusicDevice::FreeSegment(std::int32_t segment) {
  auto it = segments_.find(segment);
  if (it == segments_.end()) return;
  if (OnStream(segment)) Silence();
  segments_.erase(it);
  if (current_ == segment) current_ = 0;
}

std::int32_t SdlMusicDevice::SegmentPosition(std::int32_t segment) {
  auto it = segments_.find(segment);
  if (it == segments_.end()) return 0;
  const Segment& s = it->second;
  if (!s.running) return s.heldMs;
  // The end is when the player has played its last event, not when the clock says so:
  // until then the position stays just short of the length.
  if (!OnStream(segment) || !synth_->Playing()) return s.lengthMs;
  return std::min(Elapsed(s), std::max(s.lengthMs - 1, 0));
}

std::int32_t SdlMusicDevice::SegmentLength(std::int32_t segment) {
  auto it = segments_.find(segment);
  return it == segments_.end() ? 0 : it->second.lengthMs;
}

void SdlMusicDevice::SetMasterVolume(int volume) {
  volume_ = volume;
  if (started_ && synth_) synth_->SetGain(static_cast<float>(AttenuationGain(volume_)) * kFullGain);
}

}  // namespace vx::platform
