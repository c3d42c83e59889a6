// A stand-in for the split-flap board program. Started as
//   vovu-standin <timetable>
// it appends to its log how it was started and what it finds of the board's three files
// in the timetable's folder (Vovu.ini, the plan and the timetable named after the board
// kind), then waits until it is asked to end (SIGTERM, SIGINT or SIGHUP) and logs that.
// The log is VOVU_STANDIN_LOG when set, else "vovu-standin.log" beside the timetable;
// it is UTF-8 (the files' CP932 text converted).
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "runtime/cp932.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// "file <name> bytes=<n> lines=<n>", or "file <name> missing"; with `rows`, every line
// of the file after it as "  | <line>".
void LogFile(std::ostream& log, const fs::path& folder, const std::string& name, bool rows) {
  const fs::path p = folder / name;
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) {
    log << "file " << name << " missing\n";
    return;
  }
  const std::string text = vx::runtime::Cp932ToUtf8(ReadAll(p));
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') ++lines;
  log << "file " << name << " bytes=" << fs::file_size(p, ec) << " lines=" << lines << "\n";
  if (!rows) return;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    log << "  | " << line << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  sigset_t ending;
  sigemptyset(&ending);
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&ending, sig);
  sigprocmask(SIG_BLOCK, &ending, nullptr);

  const fs::path timetable = argc > 1 ? fs::path(argv[1]) : fs::path();
  const fs::path folder = timetable.has_parent_path() ? timetable.parent_path() : fs::current_path();
  const char* logVariable = std::getenv("VOVU_STANDIN_LOG");
  const fs::path logPath = logVariable && *logVariable ? fs::path(logVariable) : folder / "vovu-standin.log";
  std::ofstream log(logPath, std::ios::app);
  if (!log) {
    std::cerr << "vovu-standin: cannot write " << logPath << "\n";
    return 1;
  }

  log << "started pid=" << ::getpid() << " args=" << (argc - 1) << "\n";
  for (int i = 1; i < argc; ++i) log << "arg " << i << " " << argv[i] << "\n";
  const std::string kind = timetable.stem().string();
  LogFile(log, folder, "Vovu.ini", false);
  LogFile(log, folder, kind + ".ppl", false);
  LogFile(log, folder, kind + ".pdt", true);
  log << "showing" << std::endl;

  int sig = 0;
  sigwait(&ending, &sig);
  log << "closed signal=" << sig << std::endl;
  return 0;
}
