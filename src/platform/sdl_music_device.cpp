#include "platform/sdl_music_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/midi_length.h"
#include "platform/sound_device.h"

namespace vx::platform {

SdlMusicDevice::SdlMusicDevice(SdlAudio& audio, const Clock& clock) : audio_(audio), clock_(clock) {}

SdlMusicDevice::~SdlMusicDevice() { Quit(); }

bool SdlMusicDevice::Init() {
  if (started_) return true;
  if (!audio_.Acquire()) return false;
  // MIDI needs FluidSynth and the soundfont; without them a segment would load and stay mute.
  std::error_code ec;
  if (!Mix_HasMusicDecoder("FLUIDSYNTH") || !std::filesystem::exists(audio_.Config().soundFont, ec)) {
    audio_.Release();
    return false;
  }
  started_ = true;
  return true;
}

void SdlMusicDevice::Quit() {
  if (!started_) return;
  for (auto& [id, s] : segments_) {
    if (OnStream(s)) Mix_HaltMusic();
    Mix_FreeMusic(s.music);
  }
  segments_.clear();
  current_ = 0;
  if (audio_.MusicOwner() == this) audio_.SetMusicOwner(nullptr);
  started_ = false;
  audio_.Release();
}

std::int32_t SdlMusicDevice::LoadSegment(const std::filesystem::path& file, std::int32_t /*flags*/) {
  if (!started_) return 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) return 0;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto seconds = MidiDurationSeconds(bytes);
  if (!seconds) return 0;
  Mix_Music* music = Mix_LoadMUS(file.c_str());
  if (!music) return 0;
  Segment s;
  s.music = music;
  s.lengthMs = static_cast<std::int32_t>(std::lround(*seconds * 1000.0));
  const std::int32_t id = nextId_++;
  segments_[id] = s;
  return id;
}

bool SdlMusicDevice::OnStream(const Segment& s) const {
  return s.running && audio_.MusicOwner() == this && segments_.count(current_) && &segments_.at(current_) == &s;
}

std::int32_t SdlMusicDevice::Elapsed(const Segment& s) const {
  const std::int64_t ms = (clock_.MonotonicNanos() - s.startedNanos) / 1000000 + s.startMs;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(ms, 0, s.lengthMs));
}

void SdlMusicDevice::PlaySegment(std::int32_t segment, std::int32_t startMs) {
  auto it = segments_.find(segment);
  if (it == segments_.end()) return;
  if (auto cur = segments_.find(current_); cur != segments_.end() && cur->second.running) {
    cur->second.heldMs = Elapsed(cur->second);
    cur->second.running = false;
  }
  Segment& s = it->second;
  Mix_VolumeMusic(static_cast<int>(std::lround(AttenuationGain(volume_) * MIX_MAX_VOLUME)));
  if (Mix_PlayMusic(s.music, 0) != 0) return;
  if (startMs > 0) Mix_SetMusicPosition(startMs / 1000.0);
  audio_.SetMusicOwner(this);
  current_ = segment;
  s.running = true;
  s.startMs = std::max(startMs, 0);
  s.startedNanos = clock_.MonotonicNanos();
  s.heldMs = 0;
}

void SdlMusicDevice::StopSegment(std::int32_t segment) {
  auto it = segments_.find(segment);
  if (it == segments_.end() || !it->second.running) return;
  Segment& s = it->second;
  s.heldMs = SegmentPosition(segment);
  if (OnStream(s)) Mix_HaltMusic();
  s.running = false;
}

void SdlMusicDevice::FreeSegment(std::int32_t segment) {
  auto it = segments_.find(segment);
  if (it == segments_.end()) return;
  if (OnStream(it->second)) Mix_HaltMusic();
  Mix_FreeMusic(it->second.music);
  segments_.erase(it);
  if (current_ == segment) current_ = 0;
}

std::int32_t SdlMusicDevice::SegmentPosition(std::int32_t segment) {
  auto it = segments_.find(segment);
  if (it == segments_.end()) return 0;
  const Segment& s = it->second;
  if (!s.running) return s.heldMs;
  // The end is when the synthesiser has finished, not when the clock says so: until
  // then the position stays just short of the length.
  if (!OnStream(s) || !Mix_PlayingMusic()) return s.lengthMs;
  return std::min(Elapsed(s), std::max(s.lengthMs - 1, 0));
}

std::int32_t SdlMusicDevice::SegmentLength(std::int32_t segment) {
  auto it = segments_.find(segment);
  return it == segments_.end() ? 0 : it->second.lengthMs;
}

void SdlMusicDevice::SetMasterVolume(int volume) {
  volume_ = volume;
  if (auto it = segments_.find(current_); it != segments_.end() && OnStream(it->second))
    Mix_VolumeMusic(static_cast<int>(std::lround(AttenuationGain(volume_) * MIX_MAX_VOLUME)));
}

}  // namespace vx::platform
