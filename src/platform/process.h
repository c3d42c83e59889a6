#pragma once
// Starting and closing other programs: always an argument vector, never a shell.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vx::platform {

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts the program with `args` as its arguments (no shell, no quoting); returns its
  // process id, nothing when it could not start. `takeFocus` false asks that its window
  // does not take the keyboard focus: the child finds VX_NO_FOCUS=1 in its environment
  // (our programs honour it when they show their first window); with `takeFocus` true
  // the variable is removed from the child's environment.
  virtual std::optional<int> Start(const std::filesystem::path& program, const std::vector<std::string>& args,
                                   bool takeFocus) = 0;
  // Whether a program this launcher started still runs (false for any other id).
  virtual bool IsRunning(int pid) = 0;
  // Asks the program to end (and reaps it); nothing happens for an unknown id.
  virtual void Close(int pid) = 0;
};

// posix_spawn. A program path without "/" is searched on PATH. The child gets the
// default signal dispositions and none of our descriptors but 0, 1 and 2.
// Children that ended are reaped by IsRunning, Close, the next Start and ReapEnded (no
// signal handler is installed here); Close sends SIGTERM, waits up to half a second, then SIGKILL.
// Only programs this launcher started are known; children still running when the
// launcher goes away keep running.
class PosixProcessLauncher final : public ProcessLauncher {
 public:
  PosixProcessLauncher() = default;
  PosixProcessLauncher(const PosixProcessLauncher&) = delete;
  PosixProcessLauncher& operator=(const PosixProcessLauncher&) = delete;
  ~PosixProcessLauncher() override;

  std::optional<int> Start(const std::filesystem::path& program, const std::vector<std::string>& args,
                           bool takeFocus) override;
  bool IsRunning(int pid) override;
  void Close(int pid) override;
  // Reaps the children that have ended; a program calls it when SIGCHLD arrives
  // (platform/program_signals.h), so that no ended child lingers until the next call.
  void ReapEnded();

 private:
  std::set<int> children_;
};

// Test double.
class RecordingProcessLauncher final : public ProcessLauncher {
 public:
  struct Started {
    std::filesystem::path program;
    std::vector<std::string> args;
    bool takeFocus;
    int pid;
    bool running = true;
  };
  std::optional<int> Start(const std::filesystem::path& program, const std::vector<std::string>& args,
                           bool takeFocus) override {
    if (failStart) return std::nullopt;
    started.push_back({program, args, takeFocus, nextPid, true});
    return nextPid++;
  }
  bool IsRunning(int pid) override {
    for (auto& s : started)
      if (s.pid == pid) return s.running;
    return false;
  }
  void Close(int pid) override {
    for (auto& s : started)
      if (s.pid == pid) s.running = false;
    closed.push_back(pid);
  }
  std::vector<Started> started;
  std::vector<int> closed;
  int nextPid = 1000;
  bool failStart = false;
};

}  // namespace vx::platform
