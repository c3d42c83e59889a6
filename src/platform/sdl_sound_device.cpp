#include "platform/sdl_sound_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>

#include "platform/wav_image.h"

namespace vx::platform {

struct SdlSoundDevice::Buffer {
  std::vector<std::int16_t> frames;  // our own conversion; the chunk points into it
  Mix_Chunk* chunk = nullptr;
  int channel = -1;
  int volume = 0;
  int pan = 0;
  // Read by the mixing thread.
  std::atomic<float> leftGain{1.0f};
  std::atomic<float> rightGain{1.0f};

  void SetLevels(int newVolume, int newPan) {
    volume = newVolume;
    pan = newPan;
    const StereoGain g = PannedGain(volume, pan);
    leftGain.store(static_cast<float>(g.left), std::memory_order_relaxed);
    rightGain.store(static_cast<float>(g.right), std::memory_order_relaxed);
  }
};

namespace {

constexpr int kInitialChannels = 32;

// Channel effect: the buffer's attenuation and pan on the 16-bit stereo stream.
void ApplyGain(int /*channel*/, void* stream, int length, void* userData) {
  auto* b = static_cast<SdlSoundDevice::Buffer*>(userData);
  const float left = b->leftGain.load(std::memory_order_relaxed);
  const float right = b->rightGain.load(std::memory_order_relaxed);
  if (left == 1.0f && right == 1.0f) return;
  auto* s = static_cast<std::int16_t*>(stream);
  const int samples = length / static_cast<int>(sizeof(std::int16_t));
  for (int i = 0; i + 1 < samples; i += 2) {
    s[i] = static_cast<std::int16_t>(std::lrint(s[i] * left));
    s[i + 1] = static_cast<std::int16_t>(std::lrint(s[i + 1] * right));
  }
}

}  // namespace

SdlSoundDevice::SdlSoundDevice(SdlAudio& audio) : audio_(audio) {}

SdlSoundDevice::~SdlSoundDevice() { Quit(); }

bool SdlSoundDevice::Init() {
  if (started_) return true;
  if (!audio_.Acquire()) return false;
  started_ = true;
  channelCount_ = Mix_AllocateChannels(kInitialChannels);
  freeChannels_.clear();
  for (int c = channelCount_ - 1; c >= 0; --c) freeChannels_.push_back(c);
  return true;
}

void SdlSoundDevice::Quit() {
  if (!started_) return;
  for (auto& [id, b] : buffers_) Release(*b);
  buffers_.clear();
  freeChannels_.clear();
  Mix_AllocateChannels(0);
  channelCount_ = 0;
  started_ = false;
  audio_.Release();
}

int SdlSoundDevice::TakeChannel() {
  if (freeChannels_.empty()) {
    const int grown = Mix_AllocateChannels(std::max(kInitialChannels, channelCount_ * 2));
    for (int c = grown - 1; c >= channelCount_; --c) freeChannels_.push_back(c);
    channelCount_ = grown;
    if (freeChannels_.empty()) return -1;
  }
  const int c = freeChannels_.back();
  freeChannels_.pop_back();
  return c;
}

std::int32_t SdlSoundDevice::CreateBuffer(std::span<const std::uint8_t> wavImage, std::int32_t /*flags*/,
                                          std::string_view /*label*/) {
  if (!started_) return 0;
  auto b = std::make_unique<Buffer>();
  const auto format = ParseWav(wavImage);
  if (!format) return 0;
  if (audio_.Stereo16()) {
    if (auto frames = ConvertWavToStereo16(*format, wavImage, audio_.Rate())) {
      b->frames = std::move(*frames);
      b->chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(b->frames.data()),
                                   static_cast<Uint32>(b->frames.size() * sizeof(std::int16_t)));
    }
  }
  if (!b->chunk) {
    // Formats of our own conversion's reach end here only when the mixer is not
    // 16-bit stereo; the rest (ADPCM, odd rates) are SDL's to convert.
    SDL_RWops* rw = SDL_RWFromConstMem(wavImage.data(), static_cast<int>(wavImage.size()));
    if (rw) b->chunk = Mix_LoadWAV_RW(rw, 1);
  }
  if (!b->chunk) return 0;
  b->channel = TakeChannel();
  if (b->channel < 0) {
    Mix_FreeChunk(b->chunk);
    return 0;
  }
  const std::int32_t id = nextId_++;
  buffers_[id] = std::move(b);
  return id;
}

SdlSoundDevice::Buffer* SdlSoundDevice::Find(std::int32_t buffer) {
  auto it = buffers_.find(buffer);
  return it == buffers_.end() ? nullptr : it->second.get();
}

void SdlSoundDevice::Start(std::int32_t buffer, int volume, int pan, int loops) {
  Buffer* b = Find(buffer);
  if (!b) return;
  b->SetLevels(volume, pan);
  // The mixer drops a channel's effects when its sound ends or is replaced, so the
  // gain effect is attached after the start; the channel stays mute until then.
  Mix_Volume(b->channel, 0);
  if (Mix_PlayChannel(b->channel, b->chunk, loops) < 0) return;
  Mix_UnregisterAllEffects(b->channel);
  Mix_RegisterEffect(b->channel, &ApplyGain, nullptr, b);
  Mix_Volume(b->channel, MIX_MAX_VOLUME);
}

void SdlSoundDevice::Play(std::int32_t buffer, int volume, int pan) { Start(buffer, volume, pan, 0); }

void SdlSoundDevice::PlayLooping(std::int32_t buffer, int volume, int pan) { Start(buffer, volume, pan, -1); }

bool SdlSoundDevice::IsPlaying(std::int32_t buffer) {
  Buffer* b = Find(buffer);
  return b && Mix_Playing(b->channel) != 0;
}

void SdlSoundDevice::Stop(std::int32_t buffer) {
  if (Buffer* b = Find(buffer)) Mix_HaltChannel(b->channel);
}

void SdlSoundDevice::Free(std::int32_t buffer) {
  auto it = buffers_.find(buffer);
  if (it == buffers_.end()) return;
  Release(*it->second);
  freeChannels_.push_back(it->second->channel);
  buffers_.erase(it);
}

void SdlSoundDevice::SetVolume(std::int32_t buffer, int volume) {
  if (Buffer* b = Find(buffer)) b->SetLevels(volume, b->pan);
}

void SdlSoundDevice::Release(Buffer& b) {
  // Halting runs under the mixer's lock: afterwards the mixing thread no longer
  // touches the chunk or the effect's data.
  Mix_HaltChannel(b.channel);
  Mix_FreeChunk(b.chunk);
  b.chunk = nullptr;
}

}  // namespace vx::platform
