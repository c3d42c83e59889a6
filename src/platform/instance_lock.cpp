#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace vx::platform {

FileInstanceLock::~FileInstanceLock() {
  if (fd_ >= 0) close(fd_);
}

bool FileInstanceLock::Acquire() {
  if (fd_ >= 0) return true;
  const int fd = open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;  // no place for a lock: do not keep the user from working
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

std::filesystem::path DefaultInstanceLockFile(std::string_view programName) {
  const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
  if (runtimeDir && *runtimeDir) return std::filesystem::path(runtimeDir) / (std::string(programName) + ".lock");
  return std::filesystem::path("/tmp") / (std::string(programName) + "-" + std::to_string(getuid()) + ".lock");
}

}  // namespace vx::platform
