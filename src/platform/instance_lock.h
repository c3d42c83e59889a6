#pragma once
// One running copy of a program per user: a lock on a file that the system lets go of
// when the program ends, however it ends. The file lives in the user's private folder
// (platform/private_folder.h), so that nobody else can hold it, plant it or point it
// elsewhere; a lock that cannot be trusted is told, never taken for a running copy.
#include <filesystem>
#include <string>
#include <string_view>

namespace vx::platform {

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // False when another copy of the program holds the lock. True when this is the only
  // running copy (the lock is then held until the end), and also when the lock could not
  // be trusted or made: then `Problem()` says why.
  virtual bool Acquire() = 0;
  // After `Acquire`: why this copy could not make sure it is the only one, a text for the
  // user's box; empty when it could.
  virtual std::string Problem() const = 0;
};

class FileInstanceLock final : public InstanceLock {
 public:
  explicit FileInstanceLock(std::filesystem::path lockFile) : file_(std::move(lockFile)) {}
  ~FileInstanceLock() override;
  FileInstanceLock(const FileInstanceLock&) = delete;
  FileInstanceLock& operator=(const FileInstanceLock&) = delete;
  bool Acquire() override;
  std::string Problem() const override { return problem_; }

 private:
  bool Distrust(std::string reason);

  std::filesystem::path file_;
  int fd_ = -1;
  std::string problem_;
};

// "<name>.lock" in the folder where the programs meet the simulator stand-in
// ($XDG_RUNTIME_DIR/vexlor-sim, or /tmp/vexlor-sim-<uid> without it).
std::filesystem::path DefaultInstanceLockFile(std::string_view programName);

// Test double.
class ScriptedInstanceLock final : public InstanceLock {
 public:
  bool Acquire() override { return !anotherRunning; }
  std::string Problem() const override { return problem; }
  bool anotherRunning = false;
  std::string problem;
};

}  // namespace vx::platform
