#pragma once
// A running fs-standin for integration tests and benchmarks: its own registration folder,
// started with extra options, stopped (or killed) at the end.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vx::test {

// The fs-standin binary: $VX_BUILD_DIR/bin/fs-standin.
std::filesystem::path StandinBinary();

struct CommandResult {
  int exitCode = -1;
  std::string out;
  std::string err;
  bool timedOut = false;  // still running at the limit: killed, exitCode -1
};
// Runs a program with arguments (no shell) and collects its output. With a limit, a program
// still running when it passes is killed and the result says so.
CommandResult RunCommand(const std::filesystem::path& program, const std::vector<std::string>& args,
                         std::optional<std::chrono::milliseconds> limit = std::nullopt);

class StandinProcess {
 public:
  // Starts fs-standin with `options` and waits until its window class is registered
  // (the class is the one given by --class, FS98MAIN otherwise).
  explicit StandinProcess(std::vector<std::string> options = {});
  // The same in a registration folder and with a prefix of the caller's choice (a program
  // that takes no options finds it there); the folder is removed at the end.
  StandinProcess(std::filesystem::path folder, std::string prefix, std::vector<std::string> options);
  ~StandinProcess();
  StandinProcess(const StandinProcess&) = delete;
  StandinProcess& operator=(const StandinProcess&) = delete;

  bool Running() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }
  const std::filesystem::path& Folder() const { return folder_; }
  const std::string& Prefix() const { return prefix_; }
  // `fs-standin ctl ...` against this stand-in (killed when it outlasts `limit`).
  CommandResult Ctl(const std::vector<std::string>& args,
                    std::optional<std::chrono::milliseconds> limit = std::nullopt) const;
  // Ends it at once, as a crash would (SIGKILL), and reaps it.
  void Kill();
  // Stops and continues it (SIGSTOP, SIGCONT): a simulator that hangs. Freeze returns once
  // it has stopped.
  void Freeze();
  void Thaw();

 private:
  void Start(std::vector<std::string> options);
  std::vector<std::string> BaseOptions() const;
  std::filesystem::path folder_;
  std::string prefix_;
  std::string className_ = "FS98MAIN";
  pid_t pid_ = -1;
};

}  // namespace vx::test
