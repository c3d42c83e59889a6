// fs-standin: the simulator stand-in, or `fs-standin ctl ...` to talk to a running one.
#include <ctime>
#include <fstream>
#include <iostream>

#include "ctl.h"
#include "flight_script.h"
#include "options.h"
#include "platform/forwarded_keys.h"
#include "platform/standin_link.h"
#include "server.h"

namespace {

vx::standin::CivilTime LocalNow() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vx::standin;
  Options options;
  std::string error;
  if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), LocalNow(), options, error)) {
    std::cerr << "fs-standin: " << error << "\n" << kUsage;
    return 2;
  }
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  const auto socketPath = vx::platform::StandinSocketPath(options.folder, options.prefix, options.sim.windowClass);
  if (options.ctl) return RunCtl(socketPath, options.ctlArgs, std::cout, std::cerr);

  Simulator sim(options.sim);
  std::ofstream logFile;
  if (options.logPath == "-") {
    sim.SetLogSink([](const std::string& line) { std::cout << line << std::endl; });
  } else if (!options.logPath.empty()) {
    logFile.open(options.logPath, std::ios::app);
    if (!logFile) {
      std::cerr << "fs-standin: cannot write " << options.logPath << "\n";
      return 1;
    }
    sim.SetLogSink([&logFile](const std::string& line) { logFile << line << std::endl; });
  }
  if (!options.scriptPath.empty()) {
    std::string text, message;
    if (!ReadScriptFile(options.scriptPath, text, message) ||
        !sim.LoadScript(options.scriptPath.string(), text, message)) {
      std::cerr << "fs-standin: " << options.scriptPath.string() << ": " << message << "\n";
      return 1;
    }
  }
  ServerSettings server{socketPath, vx::platform::ForwardedKeysSocketPath(options.folder, options.prefix),
                        options.spinMicros};
  const int code = RunServer(sim, server, error);
  if (!error.empty()) std::cerr << "fs-standin: " << error << "\n";
  return code;
}
