#include "options.h"

#include <cstdlib>

#include "platform/standin_link.h"

namespace vx::standin {

const char* const kUsage =
    "usage: fs-standin [options]              run the simulator stand-in\n"
    "       fs-standin [options] ctl COMMAND  talk to a running one (get, set, log, script,\n"
    "                                         scale, advance, key, stop)\n"
    "options:\n"
    "  --class FS98MAIN|FS6MAIN     window class to register (FS98MAIN)\n"
    "  --refuse-start               register, but refuse every link start\n"
    "  --start 'YYYY-MM-DD HH:MM:SS' local simulator time at start (now)\n"
    "  --gmt-minus-local MINUTES    minutes GMT is ahead of local time (-540)\n"
    "  --time-scale FACTOR          simulator seconds per real second (1)\n"
    "  --script FILE                flight script to play from the start\n"
    "  --log FILE                   also append the JSON log lines to FILE ('-' = stdout)\n"
    "  --folder DIR                 registration folder (XDG_RUNTIME_DIR/vexlor-sim)\n"
    "  --prefix TEXT                text before the class name in the folder\n"
    "  --spin MICROS                poll this long after a request before sleeping (200)\n";

namespace {

bool ToInt(const std::string& s, long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtol(s.c_str(), &end, 10);
  return *end == 0;
}

bool ToDouble(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return *end == 0;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, const CivilTime& now, Options& out, std::string& error) {
  Options o;
  o.sim.localStart = now;
  o.folder = platform::DefaultStandinFolder();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "ctl") {
      o.ctl = true;
      o.ctlArgs.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    }
    if (a == "-h" || a == "--help") {
      o.help = true;
      continue;
    }
    if (a == "--refuse-start") {
      o.sim.refuseStart = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = "unknown option or missing value: " + a;
      return false;
    }
    const std::string& v = args[++i];
    long n = 0;
    double d = 0;
    if (a == "--class") {
      if (v != "FS98MAIN" && v != "FS6MAIN") {
        error = "--class is FS98MAIN or FS6MAIN";
        return false;
      }
      o.sim.windowClass = v;
    } else if (a == "--start") {
      if (!ParseCivilTime(v, o.sim.localStart)) {
        error = "--start takes 'YYYY-MM-DD HH:MM:SS'";
        return false;
      }
    } else if (a == "--gmt-minus-local") {
      if (!ToInt(v, n) || n < -1440 || n > 1440) {
        error = "--gmt-minus-local takes minutes between -1440 and 1440";
        return false;
      }
      o.sim.gmtMinusLocalMinutes = static_cast<int>(n);
    } else if (a == "--time-scale") {
      if (!ToDouble(v, d) || !(d >= 0 && d <= kMaxTimeScale)) {
        error = "--time-scale takes a number from 0 to 1000";
        return false;
      }
      o.sim.timeScale = d;
    } else if (a == "--script") {
      o.scriptPath = v;
    } else if (a == "--log") {
      o.logPath = v;
    } else if (a == "--folder") {
      o.folder = v;
    } else if (a == "--prefix") {
      o.prefix = v;
    } else if (a == "--spin") {
      if (!ToInt(v, n) || n < 0 || n > 1000000) {
        error = "--spin takes microseconds between 0 and 1000000";
        return false;
      }
      o.spinMicros = static_cast<int>(n);
    } else {
      error = "unknown option: " + a;
      return false;
    }
  }
  out = std::move(o);
  return true;
}

}  // namespace vx::standin
