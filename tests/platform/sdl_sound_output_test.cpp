// Real output through SDL's disk audio driver: what the mixer writes is read back
// and measured.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "platform/clock.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_music_device.h"
#include "platform/sdl_sound_device.h"
#include "support/sound_files.h"
#include "support/temp_dir.h"

namespace vx::platform {
namespace {

using namespace std::chrono_literals;

constexpr int kRate = 44100;

struct Span {
  std::size_t begin = 0, end = 0;  // frames
  double Seconds() const { return static_cast<double>(end - begin) / kRate; }
};

class DiskOutput {
 public:
  explicit DiskOutput(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    samples_.resize(bytes.size() / 2);
    std::memcpy(samples_.data(), bytes.data(), samples_.size() * 2);
  }
  std::size_t Frames() const { return samples_.size() / 2; }
  std::int16_t At(std::size_t frame, int side) const { return samples_[2 * frame + static_cast<std::size_t>(side)]; }

  // Stretches of sound: frames with a non-zero sample, joined across gaps shorter than 10 ms.
  std::vector<Span> Sounds() const {
    std::vector<Span> spans;
    const std::size_t gap = kRate / 100;
    for (std::size_t i = 0; i < Frames(); ++i) {
      if (At(i, 0) == 0 && At(i, 1) == 0) continue;
      if (!spans.empty() && i - spans.back().end < gap) {
        spans.back().end = i + 1;
      } else {
        spans.push_back({i, i + 1});
      }
    }
    return spans;
  }
  // RMS of one side over the middle 80 % of a stretch.
  double Rms(const Span& s, int side) const {
    const std::size_t margin = (s.end - s.begin) / 10;
    double sum = 0;
    std::size_t n = 0;
    for (std::size_t i = s.begin + margin; i < s.end - margin; ++i, ++n) sum += std::pow(At(i, side), 2);
    return n ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
  }
  std::int16_t Peak(const Span& s, int side) const {
    int peak = 0;
    for (std::size_t i = s.begin; i < s.end; ++i) peak = std::max(peak, std::abs(static_cast<int>(At(i, side))));
    return static_cast<std::int16_t>(peak);
  }

 private:
  std::vector<std::int16_t> samples_;
};

class SdlOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
  }
  void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

  std::int32_t Tone(SdlSoundDevice& device, double seconds) {
    const auto image = test::MakeToneWav({.sampleRate = 22050, .channels = 1, .seconds = seconds, .frequency = 1000});
    return device.CreateBuffer(image, 1, "tone.wav");
  }
  static void WaitWhile(const std::function<bool()>& condition) {
    const auto limit = std::chrono::steady_clock::now() + 10s;
    while (condition() && std::chrono::steady_clock::now() < limit) std::this_thread::sleep_for(5ms);
  }
  // The frames the disk driver has written so far.
  std::size_t FramesWritten() const {
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(output_, ec);
    return ec ? 0 : static_cast<std::size_t>(bytes / 4);
  }
  // Waits until `seconds` more of output are written. The driver paces itself by sleeping a
  // block's length between blocks, so a slow build's mixing falls behind the clock.
  void WaitForOutput(double seconds) {
    const std::size_t target = FramesWritten() + static_cast<std::size_t>(seconds * kRate);
    WaitWhile([&] { return FramesWritten() < target; });
  }

  test::TempDir dir_;
  std::filesystem::path output_ = dir_.Path() / "out.raw";
  SdlAudio audio_;
};

TEST_F(SdlOutputTest, AttenuationOf3000IsThirtyDecibels) {
  {
    SdlSoundDevice device(audio_);
    ASSERT_TRUE(device.Init()) << audio_.LastError();
    ASSERT_EQ(audio_.Rate(), kRate);
    const auto tone = Tone(device, 0.4);
    ASSERT_NE(tone, 0);
    for (int volume : {0, -3000}) {
      device.Play(tone, volume, 0);
      EXPECT_TRUE(device.IsPlaying(tone));
      WaitWhile([&] { return device.IsPlaying(tone); });
      std::this_thread::sleep_for(150ms);
    }
    device.Quit();
  }
  const DiskOutput out(output_);
  const auto sounds = out.Sounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_NEAR(sounds[0].Seconds(), 0.4, 0.01);
  EXPECT_NEAR(sounds[1].Seconds(), 0.4, 0.01);
  const double full = out.Rms(sounds[0], 0);
  EXPECT_NEAR(full, 0.5 * 32767 / std::sqrt(2.0), 200);  // the tone's own level, unchanged
  EXPECT_NEAR(20 * std::log10(full / out.Rms(sounds[1], 0)), 30.0, 1.0);
  EXPECT_NEAR(20 * std::log10(out.Rms(sounds[0], 1) / out.Rms(sounds[1], 1)), 30.0, 1.0);
}

TEST_F(SdlOutputTest, FullPanSilencesTheOtherSide) {
  {
    SdlSoundDevice device(audio_);
    ASSERT_TRUE(device.Init()) << audio_.LastError();
    const auto tone = Tone(device, 0.3);
    for (int pan : {-10000, 10000}) {
      device.Play(tone, 0, pan);
      WaitWhile([&] { return device.IsPlaying(tone); });
      std::this_thread::sleep_for(150ms);
    }
  }  // the device quits when it goes
  const DiskOutput out(output_);
  const auto sounds = out.Sounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_GT(out.Peak(sounds[0], 0), 10000);
  EXPECT_EQ(out.Peak(sounds[0], 1), 0);
  EXPECT_EQ(out.Peak(sounds[1], 0), 0);
  EXPECT_GT(out.Peak(sounds[1], 1), 10000);
}

TEST_F(SdlOutputTest, ALoopSoundsUntilStoppedAndReplayRestarts) {
  // How long each sound should last, in the output's own frames.
  double looped = 0, beforeRestart = 0;
  {
    SdlSoundDevice device(audio_);
    ASSERT_TRUE(device.Init()) << audio_.LastError();
    const auto loop = Tone(device, 0.1);
    std::size_t start = FramesWritten();
    device.PlayLooping(loop, -600, 0);
    WaitForOutput(1.0);
    EXPECT_TRUE(device.IsPlaying(loop));
    device.Stop(loop);
    looped = static_cast<double>(FramesWritten() - start) / kRate;
    EXPECT_FALSE(device.IsPlaying(loop));
    WaitForOutput(0.2);

    const auto once = Tone(device, 0.5);
    start = FramesWritten();
    device.Play(once, 0, 0);
    WaitForOutput(0.25);
    device.Play(once, 0, 0);  // restarts: about 0.25 s + 0.5 s of sound
    beforeRestart = static_cast<double>(FramesWritten() - start) / kRate;
    WaitWhile([&] { return device.IsPlaying(once); });
    std::this_thread::sleep_for(150ms);

    device.Free(once);
    EXPECT_FALSE(device.IsPlaying(once));
    device.Play(once, 0, 0);  // freed: nothing
    EXPECT_FALSE(device.IsPlaying(once));
    EXPECT_FALSE(device.IsPlaying(0));
    std::this_thread::sleep_for(100ms);
  }
  const DiskOutput out(output_);
  const auto sounds = out.Sounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_NEAR(looped, 1.0, 0.15);
  EXPECT_NEAR(sounds[0].Seconds(), looped, 0.06);
  EXPECT_GE(beforeRestart, 0.24);
  EXPECT_NEAR(sounds[1].Seconds(), beforeRestart + 0.5, 0.06);
}

TEST_F(SdlOutputTest, AMidiFileSoundsThroughTheSoundfont) {
  test::TempDir files;
  const std::vector<test::MidiNote> notes = {{60, 110, 240}, {64, 110, 240}, {67, 110, 240}, {72, 110, 240}};
  const auto song = files.WriteBytes("song.mid", test::AsBytes(test::MakeMidi(notes, 0, 500000, 480)));
  SystemClock clock;
  {
    SdlMusicDevice music(audio_, clock);
    ASSERT_TRUE(music.Init()) << "no MIDI: FluidSynth or the soundfont is missing";
    const auto segment = music.LoadSegment(song, 32);
    ASSERT_NE(segment, 0);
    EXPECT_EQ(music.SegmentLength(segment), 1000);
    music.SetMasterVolume(0);
    music.PlaySegment(segment, 0);
    std::this_thread::sleep_for(300ms);
    EXPECT_GT(music.SegmentPosition(segment), 100);
    EXPECT_LT(music.SegmentPosition(segment), 1000);
    WaitWhile([&] { return music.SegmentPosition(segment) < music.SegmentLength(segment); });
    EXPECT_EQ(music.SegmentPosition(segment), 1000);
    music.FreeSegment(segment);
  }
  const DiskOutput out(output_);
  const auto sounds = out.Sounds();
  ASSERT_FALSE(sounds.empty());
  Span all{sounds.front().begin, sounds.back().end};
  EXPECT_GT(all.Seconds(), 0.8);
  EXPECT_GT(out.Rms(all, 0), 300.0);
}

TEST_F(SdlOutputTest, TheOneSynthesiserPlaysTrackAfterTrackAndAgainInTheNextFlight) {
  test::TempDir files;
  const std::vector<test::MidiNote> notes = {{60, 110, 240}, {67, 110, 240}};
  const auto first = files.WriteBytes("first.mid", test::AsBytes(test::MakeMidi(notes, 0, 500000, 480)));
  const auto second = files.WriteBytes("second.mid", test::AsBytes(test::MakeMidi(notes, 40, 500000, 480)));
  SystemClock clock;
  {
    SdlMusicDevice music(audio_, clock);
    ASSERT_TRUE(music.Init());
    // A track change as the heartbeat makes it: the first stopped and freed while it plays.
    auto segment = music.LoadSegment(first, 32);
    music.PlaySegment(segment, 0);
    std::this_thread::sleep_for(200ms);
    music.StopSegment(segment);
    music.FreeSegment(segment);
    segment = music.LoadSegment(second, 32);
    ASSERT_NE(segment, 0);
    music.PlaySegment(segment, 0);
    WaitWhile([&] { return music.SegmentPosition(segment) < music.SegmentLength(segment); });
    EXPECT_EQ(music.SegmentPosition(segment), 500);
    music.FreeSegment(segment);

    // The flight window closes and the next flight starts its music again.
    music.Quit();
    EXPECT_FALSE(audio_.IsOpen());
    ASSERT_TRUE(music.Init());
    segment = music.LoadSegment(first, 32);
    ASSERT_NE(segment, 0);
    music.PlaySegment(segment, 0);
    WaitWhile([&] { return music.SegmentPosition(segment) < music.SegmentLength(segment); });
    EXPECT_EQ(music.SegmentPosition(segment), 500);
    music.Quit();
  }
  // The output of the second opening: the track of the next flight.
  const DiskOutput out(output_);
  const auto sounds = out.Sounds();
  ASSERT_FALSE(sounds.empty());
  Span all{sounds.front().begin, sounds.back().end};
  EXPECT_GT(all.Seconds(), 0.4);
  EXPECT_GT(out.Rms(all, 0), 300.0);
}

TEST_F(SdlOutputTest, WithoutTheSoundfontMidiIsUnavailable) {
  SdlAudio noFont({.soundFont = (dir_.Path() / "none.sf2").string()});
  SystemClock clock;
  SdlMusicDevice music(noFont, clock);
  EXPECT_FALSE(music.Init());
  EXPECT_FALSE(noFont.IsOpen());
}

}  // namespace
}  // namespace vx::platform
