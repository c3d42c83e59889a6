#pragma once
// `fs-standin ctl ...`: commands to a running stand-in, for people and tests.
//   get OFFSET SIZE          prints the variable (size 1 unsigned, 2 and 4 signed)
//   set OFFSET SIZE VALUE    writes it (decimal, or hexadecimal with 0x)
//   log                      prints the log: one JSON object per line
//   script FILE              loads a flight script (at most kMaxScriptBytes); its time 0 is now
//   scale FACTOR             runs the simulator clock at FACTOR times real time
//   advance SECONDS          moves the simulator clock on at once
//   key KEY...               types keys into the main program's key hook (a letter or digit,
//                            or a virtual-key code)
//   focus [on|off]           prints whether the simulator's window is in front; on brings
//                            it to the front, off sends it to the back (keys then do nothing)
//   eye                      prints the view mode, the preset view and the tower eye point
//   stop                     ends the stand-in
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vx::standin {

// Returns the exit code: 0 done, 1 failed (no stand-in, entry rejected, bad script), 2 usage.
int RunCtl(const std::filesystem::path& socketPath, const std::vector<std::string>& args, std::ostream& out,
           std::ostream& err);

}  // namespace vx::standin
