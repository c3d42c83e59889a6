#pragma once
// Background music as MP3 tracks: one track open at a time.
#include <cstdint>
#include <filesystem>

namespace vx::platform {

// Player states.
inline constexpr std::int32_t kMp3Stopped = 0;
inline constexpr std::int32_t kMp3Playing = 1;
inline constexpr std::int32_t kMp3Paused = 2;

// Error numbers of the player (LastErrorNo).
enum Mp3Error : std::int32_t {
  kMp3NoError = 0,
  kMp3NotInitialised = 1,
  kMp3FileNotFound = 2,
  kMp3NotDecodable = 3,
  kMp3NoTrack = 4,
  kMp3PlayFailed = 5,
};

class Mp3Player {
 public:
  virtual ~Mp3Player() = default;
  // Starts the player; false when no sound output can be had.
  virtual bool Init() = 0;
  // Closes the track and ends the player.
  virtual void Free() = 0;
  // Opens a track (closing the one open); false, with LastErrorNo set, on failure.
  virtual bool Open(const std::filesystem::path& file) = 0;
  virtual void Close() = 0;
  // Plays the open track from its start.
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void Pause() = 0;
  // Resumes a paused track.
  virtual void Restart() = 0;
  // kMp3Stopped (also at the end of the track), kMp3Playing or kMp3Paused.
  virtual std::int32_t State() = 0;
  // Volume of each side, 0 to 100.
  virtual void SetVolume(int left, int right) = 0;
  virtual std::int32_t LastErrorNo() = 0;
};

}  // namespace vx::platform
