// Not a benchmark: how long a key forwarded to the viewpoint program takes, from the main
// program's write into VEXLORPRO_EYE to Ocumo's 88 and to the stand-in's `eye` line.
// Runs the real Ocumo against a real fs-standin and prints the median and the maximum of
// 100 keys (forward and back in turn, so each moves the eye).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "datafiles/ocumo_files.h"
#include "platform/process.h"
#include "platform/sim_wire.h"
#include "platform/standin_link.h"
#include "platform/shared_memory.h"
#include "simlink/channels.h"
#include "support/standin_process.h"

namespace fs = std::filesystem;
using namespace vx;
using Clock = std::chrono::steady_clock;

namespace {

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

void Report(const char* what, std::vector<double> v) {
  std::sort(v.begin(), v.end());
  std::printf("%-28s median %7.2f ms   max %7.2f ms   (%zu keys)\n", what, v[v.size() / 2], v.back(), v.size());
}

}  // namespace

int main() {
  const fs::path root = fs::temp_directory_path() / ("ocumo-probe-" + std::to_string(getpid()));
  const fs::path base = root / "base";
  const fs::path runtime = root / "run";
  fs::create_directories(base / "ExePro");
  fs::create_directories(runtime);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  fs::copy_file(VX_OCUMO_BINARY, base / "ExePro" / "Ocumo", fs::copy_options::overwrite_existing);
  int status = 1;
  {
    test::StandinProcess standin(runtime / "vexlor-sim", "", {});
    platform::StandinConnection log;
    if (!log.Connect(platform::StandinSocketPath(standin.Folder(), standin.Prefix(), "FS98MAIN"), 2000)) {
      std::fprintf(stderr, "no stand-in\n");
      return 1;
    }
    datafiles::WriteOcumoCfgFile(base / "Ocumo.cfg", datafiles::DefaultOcumoCfg());
    platform::PosixProcessLauncher launcher;
    const auto pid = launcher.Start(base / "ExePro" / "Ocumo", {}, false);
    state::Channel eye;
    simlink::OpenEyeChannel(platform::SessionSharedMemoryPrefix(), eye);
    std::this_thread::sleep_for(std::chrono::seconds(2));  // started, preset 0 in view

    std::vector<double> taken, moved;
    std::string text;
    std::uint32_t lines = LogFrom(log, 0, text);
    for (int i = 0; i < 100; ++i) {
      const std::int32_t key = i % 2 == 0 ? 104 : 98;  // keypad 8 forward, 2 back
      const auto start = Clock::now();
      simlink::WriteLongToChannel(key, eye);
      bool answered = false, shown = false;
      while (!(answered && shown) && Clock::now() - start < std::chrono::seconds(2)) {
        std::int32_t word = 0;
        if (!answered && simlink::ReadLongFromChannel(word, eye) == 4 && word == 88) {
          taken.push_back(Ms(Clock::now() - start));
          answered = true;
        }
        if (!shown) {
          lines = LogFrom(log, lines, text);
          if (text.find("\"kind\":\"eye\"") != std::string::npos) {
            moved.push_back(Ms(Clock::now() - start));
            shown = true;
          }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
    }
    fs::remove(base / "Ocumo.cfg");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    if (pid) launcher.Close(*pid);
    simlink::CloseSharedMapping(eye);
    if (!taken.empty() && !moved.empty()) {
      Report("key to 88", taken);
      Report("key to the eye line", moved);
      status = 0;
    }
  }
  fs::remove_all(root);
  return status;
}
