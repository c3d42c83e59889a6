// The voice inventory over the sample installation: 1848 existence tests in its sound
// tree (letter case ignored) and the file written. The sample's "Wav" folder is linked
// into a folder of its own, so the inventory does not land in the sample.
// Sample: $VX_SAMPLE, else build/sample-installation.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "datafiles/airport_airline_tables.h"
#include "datafiles/voice_list.h"
#include "platform/paths.h"

namespace {

namespace fs = std::filesystem;

void BM_WriteVoiceList(benchmark::State& state) {
  const char* env = std::getenv("VX_SAMPLE");
  const fs::path sample = env ? env : "build/sample-installation";
  if (!fs::exists(sample / "Wav")) {
    state.SkipWithError("no sample installation (make it with scripts/make-sample.py, or set VX_SAMPLE)");
    return;
  }
  const fs::path base = fs::temp_directory_path() / "vx-voice-list-bench";
  fs::remove_all(base);
  fs::create_directories(base);
  fs::create_directory_symlink(fs::absolute(sample / "Wav"), base / "Wav");
  const vx::platform::Paths samplePaths{sample};
  vx::state::AirportTableArray airports;
  vx::state::AirlineTableArray airlines;
  vx::datafiles::LoadAirportTable(samplePaths, airports);
  vx::datafiles::LoadAirlineTable(samplePaths, airlines);
  const vx::platform::Paths paths{base};
  for (auto _ : state) {
    benchmark::DoNotOptimize(vx::datafiles::WriteVoiceList(paths, airlines, airports));
  }
  fs::remove_all(base);
}
BENCHMARK(BM_WriteVoiceList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
