// One change of the background music's MIDI segment on the window thread: the device
// calls of the track change (the segment playing stopped and freed, the next file loaded
// and played from its start), through SDL's silent audio driver and the General MIDI
// soundfont. The heartbeat makes such a change at the end of every track.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_music_device.h"

namespace {

// A standard MIDI file of one track: a piano playing `notes` quarter notes up the scale.
std::vector<std::uint8_t> Tune(int notes) {
  std::vector<std::uint8_t> track = {0x00, 0xC0, 0x00};  // piano
  for (int i = 0; i < notes; ++i) {
    const auto key = static_cast<std::uint8_t>(60 + i % 12);
    const std::uint8_t on[] = {0x00, 0x90, key, 100, 0x60, 0x80, key, 0};  // 96 ticks a note
    track.insert(track.end(), std::begin(on), std::end(on));
  }
  const std::uint8_t end[] = {0x00, 0xFF, 0x2F, 0x00};
  track.insert(track.end(), std::begin(end), std::end(end));
  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
  const auto n = static_cast<std::uint32_t>(track.size());
  for (int shift : {24, 16, 8, 0}) file.push_back(static_cast<std::uint8_t>(n >> shift));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

struct Tunes {
  std::filesystem::path folder;
  std::vector<std::filesystem::path> files;
  Tunes() {
    folder = std::filesystem::temp_directory_path() / ("vx_midi_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 3; ++i) {
      files.push_back(folder / ("t" + std::to_string(i) + ".mid"));
      const auto bytes = Tune(32 + 8 * i);
      std::ofstream(files.back(), std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
  }
  ~Tunes() { std::filesystem::remove_all(folder); }
};

void BM_MidiSegmentChange(benchmark::State& state) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const Tunes tunes;
  vx::platform::SystemClock clock;
  vx::platform::SdlAudio audio;
  vx::platform::SdlMusicDevice music(audio, clock);
  if (!music.Init()) {
    state.SkipWithError("no MIDI here: FluidSynth or the soundfont is missing");
    return;
  }
  std::size_t next = 0;
  std::int32_t segment = 0;
  const auto change = [&] {
    music.StopSegment(segment);
    music.FreeSegment(segment);
    segment = music.LoadSegment(tunes.files[next], 32);
    music.PlaySegment(segment, 0);
    next = (next + 1) % tunes.files.size();
  };
  change();  // the first change of the program: not a steady-state change
  if (segment == 0) {
    state.SkipWithError("the segment did not load");
    return;
  }
  for (auto _ : state) {
    change();
    benchmark::DoNotOptimize(segment);
  }
  music.Quit();
}
BENCHMARK(BM_MidiSegmentChange)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
