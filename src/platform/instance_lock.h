#pragma once
// One running copy of a program per user: a lock on a file that the system lets go of
// when the program ends, however it ends.
#include <filesystem>
#include <string_view>

namespace vx::platform {

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // True when this is the only running copy; the lock is then held until the end.
  virtual bool Acquire() = 0;
};

class FileInstanceLock final : public InstanceLock {
 public:
  explicit FileInstanceLock(std::filesystem::path lockFile) : file_(std::move(lockFile)) {}
  ~FileInstanceLock() override;
  FileInstanceLock(const FileInstanceLock&) = delete;
  FileInstanceLock& operator=(const FileInstanceLock&) = delete;
  bool Acquire() override;

 private:
  std::filesystem::path file_;
  int fd_ = -1;
};

// "<name>.lock" in $XDG_RUNTIME_DIR, or "/tmp/<name>-<uid>.lock" without it.
std::filesystem::path DefaultInstanceLockFile(std::string_view programName);

// Test double.
class ScriptedInstanceLock final : public InstanceLock {
 public:
  bool Acquire() override { return !anotherRunning; }
  bool anotherRunning = false;
};

}  // namespace vx::platform
