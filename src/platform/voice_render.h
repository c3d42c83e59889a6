#pragma once
// The samples of one sound buffer as the mixer keeps them, and their mixing into the
// 16-bit stereo output. A buffer keeps its recording at its own rate (the output rate
// or half of it) and is interpolated while it plays, so that loading a recording costs
// no more than copying it.
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "platform/wav_image.h"

namespace vx::platform {

// Allocator that leaves new elements unset: sample blocks are written whole right
// after they are sized, and clearing them first would cost as much again.
template <class T>
struct UnsetAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UnsetAllocator<U>;
  };
  UnsetAllocator() = default;
  template <class U>
  UnsetAllocator(const UnsetAllocator<U>&) noexcept {}
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};
using SampleVector = std::vector<std::int16_t, UnsetAllocator<std::int16_t>>;

struct VoiceSamples {
  SampleVector samples;  // interleaved
  int channels = 1;                   // 1 or 2
  int factor = 1;                     // output frames per kept frame: 1 or 2

  std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
  std::uint64_t OutputFrames() const { return Frames() * static_cast<std::uint64_t>(factor); }
};

// Fills `voice` (reusing the room its vector already has) with the samples of plain
// PCM at the output rate, half of it or a quarter of it (a quarter is doubled here
// once); false for other formats and rates.
bool VoiceSamplesFromWav(const WavFormat& format, std::span<const std::uint8_t> image, int outputRate,
                         VoiceSamples& voice);

// Adds `frames` output frames, starting at output frame `start`, into the interleaved
// stereo `out`, each side scaled by its gain, saturating at the 16-bit limits. A looping
// voice wraps around (its ends joined without a gap); a voice played once is silent
// beyond its end.
void MixVoice(const VoiceSamples& voice, std::uint64_t start, bool loop, std::size_t frames, float leftGain,
              float rightGain, std::int16_t* out);

}  // namespace vx::platform
