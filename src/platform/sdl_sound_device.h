#pragma once
// Sound buffers on SDL_mixer: one mixer channel per buffer. WAV images at the output
// rate, half or a quarter of it are converted here (cheaper than the mixer's own
// converter, and with a proper interpolation filter); other formats go through SDL's
// loader. Attenuation and pan are applied per channel as exact gains.
#include <map>
#include <memory>
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

  struct Buffer;

 private:
  Buffer* Find(std::int32_t buffer);
  void Start(std::int32_t buffer, int volume, int pan, int loops);
  int TakeChannel();
  void Release(Buffer& b);

  SdlAudio& audio_;
  bool started_ = false;
  std::map<std::int32_t, std::unique_ptr<Buffer>> buffers_;
  std::vector<int> freeChannels_;
  int channelCount_ = 0;
  std::int32_t nextId_ = 1;
};

}  // namespace vx::platform
