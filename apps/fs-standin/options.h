#pragma once
// The stand-in's command line.
#include <filesystem>
#include <string>
#include <vector>

#include "simulator.h"

namespace vx::standin {

struct Options {
  SimulatorSettings sim;
  std::filesystem::path folder;  // where the window class is registered
  std::string prefix;            // before the class name (tests keep apart this way)
  std::filesystem::path scriptPath;
  std::string logPath;           // "-" for standard output
  int spinMicros = 200;
  bool help = false;
  bool ctl = false;
  std::vector<std::string> ctlArgs;
};

// False with a message on a bad command line. `now` is the start time when none is given.
bool ParseOptions(const std::vector<std::string>& args, const CivilTime& now, Options& out, std::string& error);

extern const char* const kUsage;

}  // namespace vx::standin
