#pragma once
// Starting and closing other programs: always an argument vector, never a shell.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vx::platform {

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts the program; returns its process id, nothing when it could not start.
  // `takeFocus` false asks that its window does not take the keyboard focus.
  virtual std::optional<int> Start(const std::filesystem::path& program, const std::vector<std::string>& args,
                                   bool takeFocus) = 0;
  virtual bool IsRunning(int pid) = 0;
  // Asks the program to end (and reaps it); nothing happens for an unknown id.
  virtual void Close(int pid) = 0;
};

// posix_spawn; children are reaped when they end.
class PosixProcessLauncher final : public ProcessLauncher {
 public:
  std::optional<int> Start(const std::filesystem::path& program, const std::vector<std::string>& args,
                           bool takeFocus) override;
  bool IsRunning(int pid) override;
  void Close(int pid) override;
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
