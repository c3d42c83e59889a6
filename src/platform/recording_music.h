#pragma once
// Test doubles of the music devices on a Clock: segments and tracks play for a length
// the test sets per file, and every call is kept with the time.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/mp3_player.h"
#include "platform/music_device.h"

namespace vx::platform {

class RecordingMusicDevice final : public MusicDevice {
 public:
  enum class Op { Init, Quit, Load, Play, Stop, Free, MasterVolume };
  struct Call {
    std::int64_t atNanos = 0;
    Op op = Op::Init;
    std::int32_t segment = 0;  // for Load the id returned
    std::int32_t value = 0;    // flags, start position or volume
    std::string file;          // the segment's file
  };
  struct Segment {
    std::string file;
    std::int32_t lengthMs = 0;
    bool freed = false;
    bool running = false;
    std::int64_t startedNanos = 0;
    std::int32_t heldMs = 0;
  };

  explicit RecordingMusicDevice(const Clock& clock) : clock_(clock) {}

  bool Init() override;
  void Quit() override;
  std::int32_t LoadSegment(const std::filesystem::path& file, std::int32_t flags) override;
  void PlaySegment(std::int32_t segment, std::int32_t startMs) override;
  void StopSegment(std::int32_t segment) override;
  void FreeSegment(std::int32_t segment) override;
  std::int32_t SegmentPosition(std::int32_t segment) override;
  std::int32_t SegmentLength(std::int32_t segment) override;
  void SetMasterVolume(int volume) override;

  bool failInit = false;
  std::function<bool(const std::string& file)> failLoad;
  // Length of the segments loaded from each file (by the path as passed); others get defaultLengthMs.
  std::map<std::string, std::int32_t> lengthMs;
  std::int32_t defaultLengthMs = 60000;

  std::vector<Call> calls;
  std::vector<Call> CallsOf(Op op) const;
  const Segment* Find(std::int32_t segment) const;
  // The segment on the stream, 0 when none plays.
  std::int32_t Sounding() const;
  int masterVolume = 0;

 private:
  Segment* Live(std::int32_t segment);
  std::int32_t Position(const Segment& s) const;
  void Log(Op op, std::int32_t segment, std::int32_t value);

  const Clock& clock_;
  bool started_ = false;
  std::map<std::int32_t, Segment> segments_;
  std::int32_t current_ = 0;
  std::int32_t nextId_ = 1;
};

class RecordingMp3Player final : public Mp3Player {
 public:
  enum class Op { Init, Free, Open, Close, Play, Stop, Pause, Restart, SetVolume };
  struct Call {
    std::int64_t atNanos = 0;
    Op op = Op::Init;
    std::string file;  // Open: the file; others: the open track
    int left = 0;
    int right = 0;
    bool ok = true;  // Open: its result
  };

  explicit RecordingMp3Player(const Clock& clock) : clock_(clock) {}

  bool Init() override;
  void Free() override;
  bool Open(const std::filesystem::path& file) override;
  void Close() override;
  void Play() override;
  void Stop() override;
  void Pause() override;
  void Restart() override;
  std::int32_t State() override;
  void SetVolume(int left, int right) override;
  std::int32_t LastErrorNo() override { return lastError; }

  bool failInit = false;
  // Open fails for these files (by the path as passed) with the error number given.
  std::map<std::string, std::int32_t> failOpen;
  // Length of each track; others play defaultTrackMs.
  std::map<std::string, std::int64_t> trackMs;
  std::int64_t defaultTrackMs = 180000;
  // Time from Play until the state shows playing; -1: it never does.
  std::int64_t startDelayMs = 0;

  std::vector<Call> calls;
  std::vector<Call> CallsOf(Op op) const;
  std::int64_t stateQueries = 0;
  std::int32_t lastError = kMp3NoError;
  int volumeLeft = 100, volumeRight = 100;
  const std::string& OpenFile() const { return open_; }

 private:
  void Log(Op op, int left = 0, int right = 0, bool ok = true, std::string file = {});
  std::int64_t Length() const;
  std::int64_t PlayedMs() const;

  const Clock& clock_;
  bool started_ = false;
  std::string open_;
  bool running_ = false;  // played and not stopped
  bool paused_ = false;
  std::int64_t startedNanos_ = 0;
  std::int64_t pausedAtNanos_ = 0;
  std::int64_t pausedTotalNanos_ = 0;
};

}  // namespace vx::platform
