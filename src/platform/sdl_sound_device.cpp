#include "platform/sdl_sound_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>

#include "platform/voice_render.h"
#include "platform/wav_image.h"

namespace vx::platform {
namespace {

constexpr std::size_t kSpareLimitBytes = 32u << 20;

}  // namespace

struct SdlSoundDevice::Voice {
  VoiceSamples samples;
  bool playing = false;
  bool looping = false;
  std::uint64_t position = 0;  // output frames played since the start
  int volume = 0;
  int pan = 0;
  float leftGain = 1.0f;
  float rightGain = 1.0f;

  void SetLevels(int newVolume, int newPan) {
    volume = newVolume;
    pan = newPan;
    const StereoGain g = PannedGain(volume, pan);
    leftGain = static_cast<float>(g.left);
    rightGain = static_cast<float>(g.right);
  }
};

SdlSoundDevice::SdlSoundDevice(SdlAudio& audio) : audio_(audio) {}

SdlSoundDevice::~SdlSoundDevice() { Quit(); }

bool SdlSoundDevice::Init() {
  if (started_) return true;
  if (!audio_.Acquire()) return false;
  if (!audio_.Stereo16()) {
    audio_.Release();
    return false;
  }
  started_ = true;
  Mix_SetPostMix(&SdlSoundDevice::MixAll, this);
  return true;
}

void SdlSoundDevice::Quit() {
  if (!started_) return;
  Mix_SetPostMix(nullptr, nullptr);  // returns once the mixing thread is out of MixAll
  {
    std::lock_guard lock(mutex_);
    voices_.clear();
  }
  spare_.clear();
  spareBytes_ = 0;
  started_ = false;
  audio_.Release();
}

void SdlSoundDevice::MixAll(void* self, std::uint8_t* stream, int length) {
  auto* device = static_cast<SdlSoundDevice*>(self);
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  const auto frames = static_cast<std::size_t>(length) / (2 * sizeof(std::int16_t));
  std::lock_guard lock(device->mutex_);
  for (auto& [id, v] : device->voices_) {
    if (!v->playing) continue;
    if (v->leftGain > 0.0f || v->rightGain > 0.0f)
      MixVoice(v->samples, v->position, v->looping, frames, v->leftGain, v->rightGain, out);
    v->position += frames;
    if (!v->looping && v->position >= v->samples.OutputFrames()) v->playing = false;
  }
}

std::int32_t SdlSoundDevice::CreateBuffer(std::span<const std::uint8_t> wavImage, std::int32_t /*flags*/,
                                          std::string_view /*label*/) {
  if (!started_) return 0;
  const auto format = ParseWav(wavImage);
  if (!format) return 0;
  // The spare voice with the least room that is enough, else a new one.
  const std::size_t need = format->Frames() * static_cast<std::size_t>(std::max(format->channels, 1)) * sizeof(std::int16_t);
  auto best = spare_.end();
  for (auto it = spare_.begin(); it != spare_.end(); ++it) {
    const std::size_t room = (*it)->samples.samples.capacity() * sizeof(std::int16_t);
    if (room >= need && (best == spare_.end() || room < (*best)->samples.samples.capacity() * sizeof(std::int16_t)))
      best = it;
  }
  std::unique_ptr<Voice> voice;
  if (best != spare_.end()) {
    voice = std::move(*best);
    spare_.erase(best);
    spareBytes_ -= voice->samples.samples.capacity() * sizeof(std::int16_t);
    *voice = Voice{std::move(voice->samples)};
  } else {
    voice = std::make_unique<Voice>();
  }
  if (!VoiceSamplesFromWav(*format, wavImage, audio_.Rate(), voice->samples)) {
    // Other encodings and rates: SDL's loader converts them to the output format.
    SDL_RWops* rw = SDL_RWFromConstMem(wavImage.data(), static_cast<int>(wavImage.size()));
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!chunk) return 0;
    voice->samples.channels = 2;
    voice->samples.factor = 1;
    voice->samples.samples.resize(chunk->alen / sizeof(std::int16_t));
    std::memcpy(voice->samples.samples.data(), chunk->abuf, voice->samples.samples.size() * sizeof(std::int16_t));
    Mix_FreeChunk(chunk);
  }
  std::lock_guard lock(mutex_);
  const std::int32_t id = nextId_++;
  voices_[id] = std::move(voice);
  return id;
}

void SdlSoundDevice::Start(std::int32_t buffer, int volume, int pan, bool loop) {
  std::lock_guard lock(mutex_);
  auto it = voices_.find(buffer);
  if (it == voices_.end()) return;
  Voice& v = *it->second;
  v.SetLevels(volume, pan);
  v.looping = loop;
  v.position = 0;
  v.playing = v.samples.OutputFrames() > 0;
}

void SdlSoundDevice::Play(std::int32_t buffer, int volume, int pan) { Start(buffer, volume, pan, false); }

void SdlSoundDevice::PlayLooping(std::int32_t buffer, int volume, int pan) { Start(buffer, volume, pan, true); }

bool SdlSoundDevice::IsPlaying(std::int32_t buffer) {
  std::lock_guard lock(mutex_);
  auto it = voices_.find(buffer);
  return it != voices_.end() && it->second->playing;
}

void SdlSoundDevice::Stop(std::int32_t buffer) {
  std::lock_guard lock(mutex_);
  if (auto it = voices_.find(buffer); it != voices_.end()) it->second->playing = false;
}

void SdlSoundDevice::Free(std::int32_t buffer) {
  std::unique_ptr<Voice> freed;
  {
    std::lock_guard lock(mutex_);
    auto it = voices_.find(buffer);
    if (it == voices_.end()) return;
    freed = std::move(it->second);
    voices_.erase(it);
  }
  const std::size_t bytes = freed->samples.samples.capacity() * sizeof(std::int16_t);
  if (spareBytes_ + bytes > kSpareLimitBytes) return;
  spareBytes_ += bytes;
  spare_.push_back(std::move(freed));
}

void SdlSoundDevice::SetVolume(std::int32_t buffer, int volume) {
  std::lock_guard lock(mutex_);
  if (auto it = voices_.find(buffer); it != voices_.end()) it->second->SetLevels(volume, it->second->pan);
}

}  // namespace vx::platform
