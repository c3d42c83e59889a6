#pragma once
// Sound buffers on SDL_mixer's output: every buffer is a voice of its own, mixed into
// the output after the mixer's music. A buffer keeps its recording at its own rate
// (the output rate or half of it) and is interpolated while it plays, so creating a
// buffer costs little more than copying the recording; other formats and rates are
// converted by SDL's loader. Attenuation and pan are exact gains per side.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/sdl_audio.h"
#include "platform/sound_device.h"

namespace vx::platform {

class SdlSoundDevice final : public SoundDevice {
 public:
  explicit SdlSoundDevice(SdlAudio& audio);
  ~SdlSoundDevice() override;

  bool Init() override;
  void Quit() override;
  std::int32_t CreateBuffer(std::span<const std::uint8_t> wavImage, std::int32_t flags,
                            std::string_view label = {}) override;
  void Play(std::int32_t buffer, int volume, int pan) override;
  void PlayLooping(std::int32_t buffer, int volume, int pan) override;
  bool IsPlaying(std::int32_t buffer) override;
  void Stop(std::int32_t buffer) override;
  void Free(std::int32_t buffer) override;
  void SetVolume(std::int32_t buffer, int volume) override;

 private:
  struct Voice;
  static void MixAll(void* self, std::uint8_t* stream, int length);
  void Start(std::int32_t buffer, int volume, int pan, bool loop);

  SdlAudio& audio_;
  bool started_ = false;
  // Guards the voices between the program and the mixing thread.
  std::mutex mutex_;
  std::map<std::int32_t, std::unique_ptr<Voice>> voices_;
  std::int32_t nextId_ = 1;
  // Sample memory of freed buffers, kept for the next ones: memory the program already
  // holds is far cheaper to fill than fresh pages.
  std::vector<std::unique_ptr<Voice>> spare_;
  std::size_t spareBytes_ = 0;
};

}  // namespace vx::platform
