#pragma once
// Sound buffers: a WAV image loaded once and played many times, at an attenuation and
// a pan. Buffer ids are 32-bit numbers, never 0; a stopped, freed, unknown or 0 buffer
// is not playing, and every call on a freed, unknown or 0 buffer does nothing.
#include <cstdint>
#include <span>
#include <string_view>

namespace vx::platform {

// Attenuation in hundredths of a decibel: 0 full volume, -10000 silent.
inline constexpr int kFullVolume = 0;
inline constexpr int kSilentVolume = -10000;
// Pan: -10000 left only, 0 centre, +10000 right only (the other side attenuated by
// |pan| hundredths of a decibel).
inline constexpr int kPanLeft = -10000;
inline constexpr int kPanCentre = 0;
inline constexpr int kPanRight = 10000;

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Starts the sound system; false when no sound output can be had.
  virtual bool Init() = 0;
  // Frees every buffer and ends the sound system. Init may be called again later.
  virtual void Quit() = 0;
  // Keeps sounds playing while another window has the focus (always so here).
  virtual void SetGlobalFocus(bool /*on*/) {}
  // A buffer holding its own copy of the WAV image; 0 when the image cannot be played
  // or the device is not started. `label` names the buffer in logs (the file path).
  virtual std::int32_t CreateBuffer(std::span<const std::uint8_t> wavImage, std::int32_t flags,
                                    std::string_view label = {}) = 0;
  // Plays from the start, once or until stopped; a buffer that is playing restarts.
  virtual void Play(std::int32_t buffer, int volume, int pan) = 0;
  virtual void PlayLooping(std::int32_t buffer, int volume, int pan) = 0;
  virtual bool IsPlaying(std::int32_t buffer) = 0;
  virtual void Stop(std::int32_t buffer) = 0;
  virtual void Free(std::int32_t buffer) = 0;
  // Changes the attenuation, also while the buffer plays; the pan is kept.
  virtual void SetVolume(std::int32_t buffer, int volume) = 0;
};

// Linear amplitude of an attenuation (hundredths of a decibel); -10000 and below is 0.
double AttenuationGain(int hundredthsDb);
// Gains of the left and right output for an attenuation and a pan.
struct StereoGain {
  double left = 1.0;
  double right = 1.0;
};
StereoGain PannedGain(int volume, int pan);

}  // namespace vx::platform
