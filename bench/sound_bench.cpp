// Loading a group's recordings: 44 WAV files of 2 s (22.05 kHz, 16-bit mono) read and
// made into sound buffers, as an announcement group's loader does before it plays.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <vector>

#include "platform/sdl_audio.h"
#include "platform/sdl_sound_device.h"

namespace {

constexpr int kFiles = 44;

std::vector<std::uint8_t> VoiceLikeWav(int index) {
  const int rate = 22050;
  const int frames = 2 * rate;
  std::vector<std::uint8_t> v;
  auto put = [&v](std::uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
  };
  auto tag = [&v](const char* t) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(t[i]));
  };
  tag("RIFF");
  put(36 + frames * 2, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);
  put(1, 2);
  put(rate, 4);
  put(rate * 2, 4);
  put(2, 2);
  put(16, 2);
  tag("data");
  put(frames * 2, 4);
  for (int i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double s = 0.3 * std::sin(2 * std::numbers::pi * (200 + 10 * index) * t) +
                     0.1 * std::sin(2 * std::numbers::pi * 2500 * t);
    put(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * 32767))), 2);
  }
  return v;
}

struct Recordings {
  std::filesystem::path folder;
  std::vector<std::filesystem::path> files;
  Recordings() {
    folder = std::filesystem::temp_directory_path() / ("vx_sound_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (int i = 0; i < kFiles; ++i) {
      files.push_back(folder / ("part" + std::to_string(i) + ".wav"));
      const auto image = VoiceLikeWav(i);
      std::ofstream(files.back(), std::ios::binary).write(reinterpret_cast<const char*>(image.data()),
                                                          static_cast<std::streamsize>(image.size()));
    }
  }
  ~Recordings() { std::filesystem::remove_all(folder); }
};

std::vector<std::uint8_t> ReadWhole(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::filesystem::file_size(p)));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// Our device: read each file whole and create its buffer (the device converts to the
// 44.1 kHz stereo output itself).
void BM_Load44WavBuffers(benchmark::State& state) {
  Recordings recordings;
  vx::platform::SdlAudio audio;
  vx::platform::SdlSoundDevice device(audio);
  if (!device.Init()) {
    state.SkipWithError("no audio output");
    return;
  }
  std::vector<std::int32_t> buffers;
  for (auto _ : state) {
    for (const auto& file : recordings.files) {
      const auto image = ReadWhole(file);
      buffers.push_back(device.CreateBuffer(image, 1, file.string()));
    }
    state.PauseTiming();
    for (auto b : buffers) {
      if (b == 0) state.SkipWithError("a buffer failed to load");
      device.Free(b);
    }
    buffers.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Load44WavBuffers)->Unit(benchmark::kMillisecond);

// The first group after the sound system starts: no memory of freed buffers to reuse.
void BM_Load44WavBuffersFreshDevice(benchmark::State& state) {
  Recordings recordings;
  vx::platform::SdlAudio audio;
  if (!audio.Acquire()) {
    state.SkipWithError("no audio output");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto device = std::make_unique<vx::platform::SdlSoundDevice>(audio);
    device->Init();
    state.ResumeTiming();
    for (const auto& file : recordings.files) {
      const auto image = ReadWhole(file);
      if (device->CreateBuffer(image, 1, file.string()) == 0) state.SkipWithError("a buffer failed to load");
    }
    state.PauseTiming();
    device.reset();
    state.ResumeTiming();
  }
  audio.Release();
}
BENCHMARK(BM_Load44WavBuffersFreshDevice)->Unit(benchmark::kMillisecond);

// For comparison: the same group through the mixer's own loader and rate converter.
void BM_Load44WavBuffersMixerConversion(benchmark::State& state) {
  Recordings recordings;
  vx::platform::SdlAudio audio;
  if (!audio.Acquire()) {
    state.SkipWithError("no audio output");
    return;
  }
  std::vector<Mix_Chunk*> chunks;
  for (auto _ : state) {
    for (const auto& file : recordings.files) {
      const auto image = ReadWhole(file);
      chunks.push_back(Mix_LoadWAV_RW(SDL_RWFromConstMem(image.data(), static_cast<int>(image.size())), 1));
    }
    state.PauseTiming();
    for (auto* c : chunks) Mix_FreeChunk(c);
    chunks.clear();
    state.ResumeTiming();
  }
  audio.Release();
}
BENCHMARK(BM_Load44WavBuffersMixerConversion)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
