// The view step the main program orders through VEXLORPRO_VOL, through the real call-out
// program and a real fs-standin: from the command word 73 written to the program's answer
// 88, and to the stand-in's `eye` line (the view written into the simulator). Each
// iteration is one of 50 steps; the counters give the median and the maximum of each, in
// ms. The program serves the word on its 307 ms tick, so both follow the tick.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "datafiles/exp_settings_file.h"
#include "platform/process.h"
#include "platform/sim_wire.h"
#include "platform/standin_link.h"
#include "simlink/channel_layout.h"
#include "simlink/channels.h"
#include "state/channel_records.h"
#include "support/standin_process.h"

namespace {

namespace fs = std::filesystem;
using namespace vx;
using Clock = std::chrono::steady_clock;

constexpr std::int16_t kViewStep = 73, kViewStepTaken = 88;

// The stand-in's log lines from `first` on; the count of lines it holds.
std::uint32_t LogFrom(platform::StandinConnection& link, std::uint32_t first, std::string& text) {
  std::vector<std::uint8_t> request, reply;
  platform::simwire::Writer w(request);
  w.Header(platform::simwire::Type::Log, link.NextSeq());
  w.U32(first);
  if (!link.Transact(request, reply, 2000)) return first;
  platform::simwire::Reader r(reply);
  r.SkipHeader();
  const std::uint32_t next = r.U32();
  r.U32();
  text = r.Str();
  return next;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void MedianAndMax(benchmark::State& state, const char* name, std::vector<double> v) {
  if (v.empty()) return;
  std::sort(v.begin(), v.end());
  state.counters[std::string(name) + "_median_ms"] = v[v.size() / 2];
  state.counters[std::string(name) + "_max_ms"] = v.back();
}

void BM_ViewStepThroughTheCallOutProgram(benchmark::State& state) {
  const fs::path root = fs::temp_directory_path() / ("exp-view-step-" + std::to_string(getpid()));
  const fs::path base = root / "base";
  const fs::path runtime = root / "run";
  fs::create_directories(base / "ExePro");
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  fs::copy_file(VX_VEXLOREXP_BINARY, base / "ExePro" / "VexlorEXP", fs::copy_options::overwrite_existing);
  {
    test::StandinProcess standin(runtime / "vexlor-sim", "", {"--time-scale", "0"});
    platform::StandinConnection log;
    if (!log.Connect(platform::StandinSocketPath(standin.Folder(), standin.Prefix(), "FS98MAIN"), 2000)) {
      state.SkipWithError("no stand-in");
      return;
    }
    // Six presets that all differ, so that every step changes the view.
    datafiles::VexlorExpCfg settings = datafiles::DefaultVexlorExpCfg();
    for (std::size_t i = 0; i < settings.ViewPresets.size(); ++i) {
      settings.ViewPresets[i][0] = std::to_string(2 + i);
      settings.ViewPresets[i][1] = std::to_string(30 + 10 * i);
    }
    datafiles::WriteVexlorExpCfgFile(base / "vexlorEXP.cfg", settings);
    state::Channel vol;
    simlink::OpenVolChannel("", vol);
    platform::PosixProcessLauncher launcher;
    const auto pid = launcher.Start(base / "ExePro" / "VexlorEXP", {}, false);
    std::this_thread::sleep_for(std::chrono::seconds(3));  // started, ticking

    std::vector<double> taken, written;
    std::string text;
    std::uint32_t lines = 0;
    int step = 0;
    for (auto _ : state) {
      // The lines of the last step (a view switched by keys logs twice) are not this one's.
      lines = LogFrom(log, lines, text);
      const auto start = Clock::now();
      simlink::WriteVolWord(simlink::kVolCommandWordOffset, kViewStep, vol);
      bool answered = false, shown = false;
      while (!(answered && shown) && Clock::now() - start < std::chrono::seconds(3)) {
        state::VolChannelRecord record;
        if (!answered && simlink::ReadVolChannel(record, vol) && record.VolCommandCode == kViewStepTaken) {
          taken.push_back(Ms(Clock::now() - start));
          answered = true;
        }
        if (!shown) {
          lines = LogFrom(log, lines, text);
          if (text.find("\"kind\":\"eye\"") != std::string::npos) {
            written.push_back(Ms(Clock::now() - start));
            shown = true;
          }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
      state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
      // The next step starts at another point of the program's 307 ms tick.
      std::this_thread::sleep_for(std::chrono::milliseconds(50 + (++step * 97) % 307));
    }
    fs::remove(base / "vexlorEXP.cfg");
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    if (pid) launcher.Close(*pid);
    simlink::CloseSharedMapping(vol);
    if (taken.size() < 50 || written.size() < 50) state.SkipWithError("steps without an answer or a view write");
    MedianAndMax(state, "to_88", taken);
    MedianAndMax(state, "to_view_write", written);
  }
  fs::remove_all(root);
}
BENCHMARK(BM_ViewStepThroughTheCallOutProgram)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
