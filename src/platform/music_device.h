#pragma once
// Background music as MIDI segments: load a file, play it from its start, follow its
// position against its length, stop, free. Segment ids are 32-bit, never 0; calls on
// 0 or an unknown id do nothing, and such a segment has position and length 0.
// Positions and lengths are in milliseconds.
#include <cstdint>
#include <filesystem>

namespace vx::platform {

class MusicDevice {
 public:
  virtual ~MusicDevice() = default;
  // Starts the music system; false when MIDI cannot be played here.
  virtual bool Init() = 0;
  // Frees every segment and ends the music system.
  virtual void Quit() = 0;
  // 0 when the file cannot be loaded. `flags` are kept for the callers' sake.
  virtual std::int32_t LoadSegment(const std::filesystem::path& file, std::int32_t flags) = 0;
  // Plays from `startMs` (the callers give 0); the segment playing before stops.
  virtual void PlaySegment(std::int32_t segment, std::int32_t startMs) = 0;
  virtual void StopSegment(std::int32_t segment) = 0;
  virtual void FreeSegment(std::int32_t segment) = 0;
  // Play position; it reaches the length when the segment has played to its end.
  virtual std::int32_t SegmentPosition(std::int32_t segment) = 0;
  virtual std::int32_t SegmentLength(std::int32_t segment) = 0;
  // Volume of the segments, attenuation in hundredths of a decibel (0 full, -10000 silent).
  virtual void SetMasterVolume(int volume) = 0;
};

}  // namespace vx::platform
